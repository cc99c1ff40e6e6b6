// The system colours: the classic Windows scheme, fixed, since this platform has no control
// panel to change it.
#include <array>

#include "gdi/objects.h"
#include "gdi/wingdi.h"
#include "win/diagnostics.h"

namespace {

constexpr int kColorCount = COLOR_MENUBAR + 1;
// Index 25 has no colour on Windows either.
constexpr COLORREF kNoColor = CLR_INVALID;

constexpr std::array<COLORREF, kColorCount> kClassicScheme = {
    RGB(212, 208, 200),  // COLOR_SCROLLBAR
    RGB(58, 110, 165),   // COLOR_BACKGROUND
    RGB(10, 36, 106),    // COLOR_ACTIVECAPTION
    RGB(128, 128, 128),  // COLOR_INACTIVECAPTION
    RGB(212, 208, 200),  // COLOR_MENU
    RGB(255, 255, 255),  // COLOR_WINDOW
    RGB(0, 0, 0),        // COLOR_WINDOWFRAME
    RGB(0, 0, 0),        // COLOR_MENUTEXT
    RGB(0, 0, 0),        // COLOR_WINDOWTEXT
    RGB(255, 255, 255),  // COLOR_CAPTIONTEXT
    RGB(212, 208, 200),  // COLOR_ACTIVEBORDER
    RGB(212, 208, 200),  // COLOR_INACTIVEBORDER
    RGB(128, 128, 128),  // COLOR_APPWORKSPACE
    RGB(10, 36, 106),    // COLOR_HIGHLIGHT
    RGB(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200),  // COLOR_BTNFACE
    RGB(128, 128, 128),  // COLOR_BTNSHADOW
    RGB(128, 128, 128),  // COLOR_GRAYTEXT
    RGB(0, 0, 0),        // COLOR_BTNTEXT
    RGB(212, 208, 200),  // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),     // COLOR_3DDKSHADOW
    RGB(212, 208, 200),  // COLOR_3DLIGHT
    RGB(0, 0, 0),        // COLOR_INFOTEXT
    RGB(255, 255, 225),  // COLOR_INFOBK
    kNoColor,            // 25
    RGB(0, 0, 128),      // COLOR_HOTLIGHT
    RGB(166, 202, 240),  // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),    // COLOR_MENUHILIGHT
    RGB(212, 208, 200),  // COLOR_MENUBAR
};

bool known(int nIndex) {
    return nIndex >= 0 && nIndex < kColorCount && kClassicScheme[nIndex] != kNoColor;
}

}  // namespace

DWORD GetSysColor(int nIndex) {
    if (!known(nIndex)) AfxNotSupported("GetSysColor with this index");
    return kClassicScheme[nIndex];
}

HBRUSH GetSysColorBrush(int nIndex) {
    if (!known(nIndex)) return nullptr;
    static std::array<HGDIOBJ, kColorCount> brushes{};
    if (!brushes[nIndex]) {
        LOGBRUSH log{BS_SOLID, kClassicScheme[nIndex], 0};
        brushes[nIndex] = gdi::addStockObject(std::make_unique<gdi::Brush>(log));
    }
    return static_cast<HBRUSH>(brushes[nIndex]);
}
