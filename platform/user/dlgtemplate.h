// Dialog templates (DLGTEMPLATE and DLGTEMPLATEEX) read into plain values. Internal.
#pragma once

#include <string>
#include <vector>

#include "user/winuser.h"

namespace user::detail {

// A name-or-ordinal field of a template: a string, or an id when `id` is non-zero.
struct NameOrId {
    std::wstring name;
    WORD id = 0;
    bool empty() const { return name.empty() && id == 0; }
};

struct DialogItemTemplate {
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    std::wstring className;  // predefined atoms are given as their class names
    NameOrId title;
    std::vector<BYTE> creationData;  // starting with its own size word, as controls receive it
};

struct DialogTemplate {
    bool extended = false;
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    NameOrId menu;
    NameOrId className;
    std::wstring caption;
    bool hasFont = false;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring face;
    std::vector<DialogItemTemplate> items;
};

// False when the bytes are not a dialog template.
bool ParseDialogTemplate(const void* data, DialogTemplate& out);

}  // namespace user::detail
