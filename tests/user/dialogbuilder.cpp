#include "user/dialogbuilder.h"

#include <cassert>

namespace {

LRESULT CALLBACK TestButtonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    LONG type = style & BS_TYPEMASK;
    switch (msg) {
        case WM_GETDLGCODE:
            if (type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON)
                return DLGC_BUTTON | DLGC_RADIOBUTTON;
            if (type == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
            if (type == BS_PUSHBUTTON) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
            return DLGC_BUTTON;
        case BM_SETSTYLE:
            SetWindowLongW(hwnd, GWL_STYLE, (style & ~BS_TYPEMASK) | LONG(wp));
            return 0;
        case BM_GETCHECK:
            return GetWindowLongPtrW(hwnd, GWLP_USERDATA);
        case BM_SETCHECK:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(wp));
            return 0;
        case WM_LBUTTONDOWN:
            SetFocus(hwnd);
            return 0;
        case WM_LBUTTONUP:
        case BM_CLICK:
            if (type == BS_AUTORADIOBUTTON) SetWindowLongPtrW(hwnd, GWLP_USERDATA, BST_CHECKED);
            SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                         reinterpret_cast<LPARAM>(hwnd));
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

LRESULT CALLBACK TestEditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_GETDLGCODE:
            return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        case EM_SETSEL:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, MAKELONG(wp, lp));
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

}  // namespace

void RegisterTestControls() {
    WNDCLASSW button{CS_DBLCLKS, &TestButtonProc, 0,       0,       nullptr,
                     nullptr,    nullptr,         nullptr, nullptr, L"TestButton"};
    WNDCLASSW edit{0,       &TestEditProc, 0,       0,       nullptr,
                   nullptr, nullptr,       nullptr, nullptr, L"TestEdit"};
    RegisterClassW(&button);
    RegisterClassW(&edit);
}

DialogBuilder::DialogBuilder(DWORD style, RECT units, const std::wstring& caption, WORD pointSize,
                             const std::wstring& face) {
    word(1);
    word(0xFFFF);
    dword(0);
    dword(0);
    dword(style | DS_SETFONT);
    countAt_ = bytes_.size();
    word(0);
    for (LONG v : {units.left, units.top, units.right, units.bottom}) word(static_cast<WORD>(v));
    word(0);  // no menu
    word(0);  // the dialog class
    text(caption);
    word(pointSize);
    word(FW_NORMAL);
    bytes_.push_back(0);  // italic
    bytes_.push_back(1);  // charset
    text(face);
}

DialogBuilder& DialogBuilder::item(const std::wstring& cls, const std::wstring& title, DWORD style,
                                   RECT units, DWORD id, DWORD exStyle) {
    align();
    dword(0);
    dword(exStyle);
    dword(style);
    for (LONG v : {units.left, units.top, units.right, units.bottom}) word(static_cast<WORD>(v));
    dword(id);
    text(cls);
    text(title);
    word(0);  // no creation data
    if (++bytes_[countAt_] == 0) ++bytes_[countAt_ + 1];
    return *this;
}

void DialogBuilder::word(WORD w) {
    bytes_.push_back(static_cast<BYTE>(w & 0xFF));
    bytes_.push_back(static_cast<BYTE>(w >> 8));
}

void DialogBuilder::dword(DWORD d) {
    word(static_cast<WORD>(d & 0xFFFF));
    word(static_cast<WORD>(d >> 16));
}

void DialogBuilder::text(const std::wstring& s) {
    for (wchar_t c : s) {
        // The tests' texts stay in the basic plane, where UTF-16 is one unit per character.
        assert(static_cast<std::uint32_t>(c) < 0x10000);
        word(static_cast<WORD>(c));
    }
    word(0);
}

void DialogBuilder::align() {
    while (bytes_.size() % 4) bytes_.push_back(0);
}
