// In-memory DLGTEMPLATEEX dialog templates for tests, with UTF-16 strings as the resource
// compiler writes them, and two small control classes that answer WM_GETDLGCODE as buttons and
// edit controls do, so that the dialog manager can be tested on its own.
#pragma once

#include <string>
#include <vector>

#include "user/winuser.h"

class DialogBuilder {
public:
    DialogBuilder(DWORD style, RECT units, const std::wstring& caption, WORD pointSize = 8,
                  const std::wstring& face = L"MS Shell Dlg");
    // `units` holds x, y, cx, cy in dialog units.
    DialogBuilder& item(const std::wstring& cls, const std::wstring& title, DWORD style, RECT units,
                        DWORD id, DWORD exStyle = 0);
    LPCDLGTEMPLATEW get() const { return reinterpret_cast<LPCDLGTEMPLATEW>(bytes_.data()); }

private:
    void word(WORD w);
    void dword(DWORD d);
    void text(const std::wstring& s);
    void align();

    std::vector<BYTE> bytes_;
    std::size_t countAt_ = 0;
};

// "TestButton" (push, default push, check box and auto radio button by BS_ type; a click sends
// BN_CLICKED, auto radio buttons check themselves) and "TestEdit" (wants characters and arrows,
// remembers EM_SETSEL in GWLP_USERDATA as MAKELONG(start, end)).
void RegisterTestControls();
