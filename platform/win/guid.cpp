#include "win/guid.h"

#include <pthread.h>
#include <sys/random.h>

#include <array>
#include <atomic>
#include <cstring>
#include <cwchar>
#include <mutex>
#include <random>

namespace {

void fillRandom(void* buffer, std::size_t size) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t filled = 0;
    while (filled < size) {
        ssize_t n = getrandom(bytes + filled, size - filled, 0);
        if (n <= 0) break;
        filled += static_cast<std::size_t>(n);
    }
    // Only a kernel without getrandom gets here; random_device reads /dev/urandom then. It is
    // built only then: constructing one costs several microseconds on virtual machines.
    if (filled == size) return;
    std::random_device device;
    for (; filled < size; ++filled) bytes[filled] = static_cast<unsigned char>(device());
}

// getrandom costs a system call whatever the size (about a microsecond on a virtual machine),
// and the catalogue makes a GUID for every bar record it hands out. So each thread draws its
// random bytes a few kilobytes at a time and hands them out 16 at a time, each used once.
// A forked child inherits the forking thread's unused bytes; they must not make the same GUIDs
// as the parent's next ones, so a fork empties every pool (the generation moves on).
std::atomic<unsigned> forkGeneration{0};

class RandomPool {
public:
    void take(void* buffer, std::size_t size) {
        const unsigned generation = forkGeneration.load(std::memory_order_relaxed);
        if (generation != generation_ || size > bytes_.size() - used_) {
            fillRandom(bytes_.data(), bytes_.size());
            used_ = 0;
            generation_ = generation;
        }
        std::memcpy(buffer, bytes_.data() + used_, size);
        std::memset(bytes_.data() + used_, 0, size);  // handed out: not kept in memory
        used_ += size;
    }

private:
    std::array<unsigned char, 4096> bytes_{};
    std::size_t used_ = sizeof bytes_;
    unsigned generation_ = 0;
};

void randomBytes(void* buffer, std::size_t size) {
    static std::once_flag registered;
    std::call_once(registered, [] {
        pthread_atfork(nullptr, nullptr,
                       [] { forkGeneration.fetch_add(1, std::memory_order_relaxed); });
    });
    thread_local RandomPool pool;
    pool.take(buffer, size);
}

int hexValue(wchar_t ch) {
    if (ch >= L'0' && ch <= L'9') return ch - L'0';
    if (ch >= L'A' && ch <= L'F') return ch - L'A' + 10;
    if (ch >= L'a' && ch <= L'f') return ch - L'a' + 10;
    return -1;
}

// Reads `digits` hex digits at text[pos]; false on anything else.
bool readHex(LPCWSTR text, int pos, int digits, std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < digits; ++i) {
        int v = hexValue(text[pos + i]);
        if (v < 0) return false;
        value = (value << 4) | static_cast<std::uint32_t>(v);
    }
    return true;
}

bool parseGuid(LPCWSTR text, GUID& guid) {
    if (std::wcslen(text) != CHARS_IN_GUID - 1 || text[0] != L'{' || text[37] != L'}') return false;
    for (int dash : {9, 14, 19, 24}) {
        if (text[dash] != L'-') return false;
    }
    std::uint32_t v = 0;
    GUID result{};
    if (!readHex(text, 1, 8, v)) return false;
    result.Data1 = v;
    if (!readHex(text, 10, 4, v)) return false;
    result.Data2 = static_cast<std::uint16_t>(v);
    if (!readHex(text, 15, 4, v)) return false;
    result.Data3 = static_cast<std::uint16_t>(v);
    static constexpr int kData4At[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!readHex(text, kData4At[i], 2, v)) return false;
        result.Data4[i] = static_cast<std::uint8_t>(v);
    }
    guid = result;
    return true;
}

}  // namespace

HRESULT CoCreateGuid(GUID* pguid) {
    if (!pguid) return E_INVALIDARG;
    GUID guid;
    randomBytes(&guid, sizeof guid);
    guid.Data3 = static_cast<std::uint16_t>((guid.Data3 & 0x0FFF) | 0x4000);   // version 4
    guid.Data4[0] = static_cast<std::uint8_t>((guid.Data4[0] & 0x3F) | 0x80);  // RFC 4122 variant
    *pguid = guid;
    return S_OK;
}

int StringFromGUID2(REFGUID rguid, LPWSTR lpsz, int cchMax) {
    if (!lpsz || cchMax < CHARS_IN_GUID) return 0;
    // Written digit by digit: every record the catalogue hands out gets its GUID as text, and
    // swprintf's format parsing took a tenth of a whole bar look-up.
    static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    wchar_t* out = lpsz;
    auto put = [&out](std::uint64_t value, int digits) {
        for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
            *out++ = kHex[(value >> shift) & 0xF];
    };
    const std::uint8_t* d = rguid.Data4;
    *out++ = L'{';
    put(rguid.Data1, 8);
    *out++ = L'-';
    put(rguid.Data2, 4);
    *out++ = L'-';
    put(rguid.Data3, 4);
    *out++ = L'-';
    put(d[0], 2);
    put(d[1], 2);
    *out++ = L'-';
    for (int i = 2; i < 8; ++i) put(d[i], 2);
    *out++ = L'}';
    *out = L'\0';
    return CHARS_IN_GUID;
}

HRESULT CLSIDFromString(LPCWSTR lpsz, LPCLSID pclsid) {
    if (!pclsid) return E_INVALIDARG;
    if (!lpsz) {
        *pclsid = CLSID_NULL;
        return S_OK;
    }
    return parseGuid(lpsz, *pclsid) ? S_OK : CO_E_CLASSSTRING;
}

HRESULT IIDFromString(LPCWSTR lpsz, LPIID lpiid) {
    if (!lpiid) return E_INVALIDARG;
    if (!lpsz) {
        *lpiid = IID_NULL;
        return S_OK;
    }
    if (std::wcslen(lpsz) != CHARS_IN_GUID - 1) return E_INVALIDARG;
    return parseGuid(lpsz, *lpiid) ? S_OK : CO_E_IIDSTRING;
}
