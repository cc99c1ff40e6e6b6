// Reading dialog templates. Their strings are UTF-16 (wchar_t is wider here), fields may sit at
// odd addresses, and items start on 4-byte boundaries counted from the template's start.
#include "user/dlgtemplate.h"

#include <cstring>

#include "win/resourcetext.h"

namespace user::detail {

namespace {

class Reader {
public:
    explicit Reader(const BYTE* base) : base_(base) {}

    template <class T>
    T read() {
        T value;
        std::memcpy(&value, base_ + pos_, sizeof value);
        pos_ += sizeof value;
        return value;
    }

    std::wstring text() {
        std::size_t units = ResourceTextLength(base_ + pos_);
        std::wstring s = ResourceTextToWide(base_ + pos_, units);
        pos_ += (units + 1) * 2;
        return s;
    }

    NameOrId nameOrId() {
        NameOrId field;
        WORD first;
        std::memcpy(&first, base_ + pos_, 2);
        if (first == 0x0000) {
            pos_ += 2;
        } else if (first == 0xFFFF) {
            pos_ += 2;
            field.id = read<WORD>();
        } else {
            field.name = text();
        }
        return field;
    }

    std::vector<BYTE> bytes(std::size_t n) {
        std::vector<BYTE> out(base_ + pos_, base_ + pos_ + n);
        pos_ += n;
        return out;
    }

    void alignTo(std::size_t n) { pos_ = (pos_ + n - 1) / n * n; }

private:
    const BYTE* base_;
    std::size_t pos_ = 0;
};

std::wstring PredefinedClass(WORD atom) {
    switch (atom) {
        case 0x0080:
            return L"Button";
        case 0x0081:
            return L"Edit";
        case 0x0082:
            return L"Static";
        case 0x0083:
            return L"ListBox";
        case 0x0084:
            return L"ScrollBar";
        case 0x0085:
            return L"ComboBox";
        default:
            return std::wstring(L"#").append(std::to_wstring(atom));
    }
}

void ReadHeader(Reader& r, DialogTemplate& t) {
    if (t.extended) {
        r.read<WORD>();
        r.read<WORD>();
        t.helpId = r.read<DWORD>();
        t.exStyle = r.read<DWORD>();
        t.style = r.read<DWORD>();
    } else {
        t.style = r.read<DWORD>();
        t.exStyle = r.read<DWORD>();
    }
    t.items.resize(r.read<WORD>());
    t.x = r.read<short>();
    t.y = r.read<short>();
    t.cx = r.read<short>();
    t.cy = r.read<short>();
    t.menu = r.nameOrId();
    t.className = r.nameOrId();
    t.caption = r.text();
}

void ReadFont(Reader& r, DialogTemplate& t) {
    if (!(t.style & (DS_SETFONT | DS_SHELLFONT))) return;
    t.hasFont = true;
    t.pointSize = r.read<WORD>();
    if (t.extended) {
        t.weight = r.read<WORD>();
        t.italic = r.read<BYTE>();
        t.charset = r.read<BYTE>();
    }
    t.face = r.text();
}

void ReadItem(Reader& r, bool extended, DialogItemTemplate& item) {
    r.alignTo(4);
    if (extended) {
        item.helpId = r.read<DWORD>();
        item.exStyle = r.read<DWORD>();
        item.style = r.read<DWORD>();
    } else {
        item.style = r.read<DWORD>();
        item.exStyle = r.read<DWORD>();
    }
    item.x = r.read<short>();
    item.y = r.read<short>();
    item.cx = r.read<short>();
    item.cy = r.read<short>();
    item.id = extended ? r.read<DWORD>() : r.read<WORD>();
    NameOrId cls = r.nameOrId();
    item.className = cls.id ? PredefinedClass(cls.id) : cls.name;
    item.title = r.nameOrId();
    WORD extra = r.read<WORD>();
    if (extra) {
        item.creationData.resize(2);
        std::memcpy(item.creationData.data(), &extra, 2);
        std::vector<BYTE> data = r.bytes(extra);
        item.creationData.insert(item.creationData.end(), data.begin(), data.end());
    }
}

}  // namespace

bool ParseDialogTemplate(const void* data, DialogTemplate& out) {
    if (!data) return false;
    const auto* base = static_cast<const BYTE*>(data);
    WORD version, signature;
    std::memcpy(&version, base, 2);
    std::memcpy(&signature, base + 2, 2);
    out = DialogTemplate{};
    out.extended = version == 1 && signature == 0xFFFF;
    Reader r(base);
    ReadHeader(r, out);
    ReadFont(r, out);
    for (auto& item : out.items) ReadItem(r, out.extended, item);
    return true;
}

}  // namespace user::detail
