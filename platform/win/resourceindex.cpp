#include "win/resourceindex.h"

#include <algorithm>
#include <cwctype>

#include "win/diagnostics.h"
#include "win/resource.h"
#include "win/resourcetext.h"

namespace {

// A compiled resource file is a run of records, each a header followed by the data, both
// padded to 4 bytes. The header: DataSize, HeaderSize, TYPE, NAME (each 0xFFFF + a 16-bit id
// or a null-terminated UTF-16 string), padding to 4 bytes, DataVersion, MemoryFlags,
// LanguageId, Version, Characteristics.
constexpr std::size_t kFixedHeadSize = 8;   // DataSize and HeaderSize
constexpr std::size_t kFixedTailSize = 16;  // DataVersion to Characteristics
constexpr std::size_t kLanguageFromEnd = 10;

DWORD readDword(const BYTE* at) {
    return static_cast<DWORD>(at[0] | (at[1] << 8) | (at[2] << 16) | (DWORD{at[3]} << 24));
}

WORD readWord(const BYTE* at) {
    return static_cast<WORD>(at[0] | (at[1] << 8));
}

std::size_t alignedTo4(std::size_t n) {
    return (n + 3) & ~std::size_t{3};
}

char16_t upper(char16_t unit) {
    return static_cast<char16_t>(std::towupper(static_cast<wint_t>(unit)));
}

}  // namespace

ResourceIndex::ResourceIndex(std::span<const BYTE> image) {
    std::size_t offset = 0;
    while (offset < image.size()) {
        ASSERT(image.size() - offset >= kFixedHeadSize);
        std::size_t dataSize = readDword(image.data() + offset);
        std::size_t headerSize = readDword(image.data() + offset + 4);
        ASSERT(headerSize >= kFixedHeadSize + 4 + kFixedTailSize);
        ASSERT(image.size() - offset >= headerSize &&
               image.size() - offset - headerSize >= dataSize);
        add(image.subspan(offset, headerSize + dataSize));
        offset += alignedTo4(headerSize + dataSize);
    }
}

void ResourceIndex::add(std::span<const BYTE> record) {
    std::size_t headerSize = readDword(record.data() + 4);
    std::size_t at = kFixedHeadSize;
    auto readKey = [&]() -> Key {
        ASSERT(at + 4 <= headerSize - kFixedTailSize);
        if (readWord(record.data() + at) == 0xFFFF) {
            at += 4;
            return readWord(record.data() + at - 2);
        }
        std::u16string text;
        for (WORD unit; (unit = readWord(record.data() + at)) != 0; at += 2) {
            text += upper(unit);
            ASSERT(at + 4 <= headerSize - kFixedTailSize);
        }
        at += 2;
        return text;
    };
    Key type = readKey();
    Key name = readKey();
    // The leading empty record of every .res file has type 0: it is not a resource.
    if (type == Key{WORD{0}}) return;
    m_entries[{type, name}].push_back({readWord(record.data() + headerSize - kLanguageFromEnd),
                                       record.data() + headerSize,
                                       static_cast<DWORD>(record.size() - headerSize)});
}

ResourceIndex::Key ResourceIndex::keyOf(LPCWSTR typeOrName) {
    if (IS_INTRESOURCE(typeOrName))
        return static_cast<WORD>(reinterpret_cast<UINT_PTR>(typeOrName));
    std::wstring_view text(typeOrName);
    // "#123" stands for id 123, as Windows reads it.
    if (text.size() > 1 && text[0] == L'#' &&
        std::all_of(text.begin() + 1, text.end(), [](wchar_t c) { return std::iswdigit(c); }))
        return static_cast<WORD>(std::wcstoul(text.data() + 1, nullptr, 10));
    std::u16string key;
    for (wchar_t c : text) {
        if (c > 0xFFFF) {
            key += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            key += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            key += upper(static_cast<char16_t>(c));
        }
    }
    return key;
}

const ResourceIndex::Entry* ResourceIndex::find(LPCWSTR type, LPCWSTR name, WORD language) const {
    if (!type || !name) return nullptr;
    auto found = m_entries.find({keyOf(type), keyOf(name)});
    if (found == m_entries.end()) return nullptr;
    const std::vector<Entry>& languages = found->second;
    WORD wanted = language ? language : WORD{MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)};
    auto exact = std::find_if(languages.begin(), languages.end(),
                              [wanted](const Entry& e) { return e.language == wanted; });
    if (exact != languages.end()) return &*exact;
    return language ? nullptr : &languages.front();
}

const std::wstring* ResourceIndex::string(UINT id) const {
    if (auto cached = m_strings.find(id); cached != m_strings.end()) return &cached->second;
    // Strings come in blocks of 16: block id / 16 + 1 holds string id at index id % 16,
    // each a 16-bit length followed by that many UTF-16 units.
    const Entry* block = find(RT_STRING, MAKEINTRESOURCE(id / 16 + 1), 0);
    if (!block) return nullptr;
    std::size_t at = 0;
    for (UINT index = 0; index < id % 16; ++index) {
        ASSERT(at + 2 <= block->size);
        at += 2 + 2 * std::size_t{readWord(block->data + at)};
    }
    ASSERT(at + 2 <= block->size);
    std::size_t units = readWord(block->data + at);
    ASSERT(at + 2 + 2 * units <= block->size);
    if (units == 0) return nullptr;
    return &m_strings.emplace(id, ResourceTextToWide(block->data + at + 2, units)).first->second;
}
