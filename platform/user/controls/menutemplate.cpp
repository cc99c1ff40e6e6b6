// Menus built from MENU resources: the standard template (a MENUITEMTEMPLATEHEADER, then the
// items in order, each pop-up followed by its own items, MF_END closing every level).
#include <cstring>
#include <string>

#include "user/controls/menumodel.h"
#include "win/diagnostics.h"
#include "win/resource.h"

using namespace user::controls;

namespace {

// Reads the little-endian words of a template; texts are UTF-16 there, four-byte wchar_t here.
class TemplateReader {
public:
    explicit TemplateReader(const BYTE* data) : m_data(data) {}

    WORD word() {
        WORD value = static_cast<WORD>(m_data[m_offset] | (m_data[m_offset + 1] << 8));
        m_offset += 2;
        return value;
    }
    std::wstring text() {
        std::wstring result;
        while (WORD unit = word()) {
            if (unit >= 0xD800 && unit < 0xDC00) {
                WORD low = word();
                result += static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
            } else {
                result += static_cast<wchar_t>(unit);
            }
        }
        return result;
    }
    void skip(std::size_t bytes) { m_offset += bytes; }

private:
    const BYTE* m_data;
    std::size_t m_offset = 0;
};

void readItems(TemplateReader& reader, HMENU menu) {
    for (;;) {
        WORD option = reader.word();
        bool popup = (option & MF_POPUP) != 0;
        UINT id = popup ? 0 : reader.word();
        std::wstring text = reader.text();
        UINT flags = option & ~(MF_END | MF_POPUP);
        if (popup) {
            HMENU sub = CreatePopupMenu();
            readItems(reader, sub);
            AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), text.c_str());
        } else if (id == 0 && text.empty() && flags == 0) {
            // The resource compiler writes MENUITEM SEPARATOR as an empty item with id 0.
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(menu, flags, id, text.c_str());
        }
        if (option & MF_END) return;
    }
}

}  // namespace

HMENU LoadMenuIndirectW(const void* lpMenuTemplate) {
    if (!lpMenuTemplate) return nullptr;
    TemplateReader reader(static_cast<const BYTE*>(lpMenuTemplate));
    WORD version = reader.word();
    WORD offset = reader.word();
    if (version != 0) AfxNotSupported("extended (MENUEX) menu templates");
    reader.skip(offset);
    HMENU menu = CreateMenu();
    readItems(reader, menu);
    return menu;
}

HMENU LoadMenuW(HINSTANCE hInstance, LPCWSTR lpMenuName) {
    HRSRC resource = FindResourceW(hInstance, lpMenuName, RT_MENU);
    if (!resource) return nullptr;
    HGLOBAL loaded = LoadResource(hInstance, resource);
    return loaded ? LoadMenuIndirectW(LockResource(loaded)) : nullptr;
}
