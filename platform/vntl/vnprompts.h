// The prompt service: every user-visible text of a module is filed under the module's
// project name and an id. The host's prompt tables answer first; a module's own string
// table answers for the ids they lack.
#pragma once

#include "win/cstring.h"
#include "win/windef.h"

class CWnd;

class VnPrompts {
public:
    // Defined by the UI kit (vntlui): replace a dialog's caption and control texts, or a menu's
    // command texts, by the prompts filed for them (vntlui/vnuiprompts.h says under which ids).
    // The module name is const here (the maker's declaration has wchar_t*) so literals pass.
    static void setDialogAndControlText(CWnd* dialog, UINT dialogId, const wchar_t* module);
    static void setMenuText(HMENU menu, UINT id, const wchar_t* module);

    // Fills text and returns 1, or empties it and returns 0 when neither the prompt tables nor
    // the module's string table know the id.
    static int getPrompt(CString& text, UINT id, const wchar_t* module, UINT flags = 0);
    static CString getPrompt(UINT id, const wchar_t* module, UINT flags = 0);

    // Files a text in the host's prompt tables (translations, site-specific wording).
    static void setPrompt(const wchar_t* module, UINT id, const wchar_t* text);
    // Forgets what setPrompt filed; the built-in host texts stay.
    static void resetPrompts();
};
