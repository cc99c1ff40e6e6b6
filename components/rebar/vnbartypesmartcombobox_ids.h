// The child windows of the bar-type combo: their control ids and styles. Internal to the
// control's source files.
#pragma once

#include "rebar/host/gui.h"

namespace rebar::bartype {

enum : UINT {
    kDiameterComboId = 1101,
    kSteelgradeComboId = 1103,
    kFirstLabelId = 1104,  // the diameter label and the name label alike
    kSteelgradeLabelId = 1105,
    kNameComboId = 1119,
};

// Visible child, left-aligned, no word wrap.
constexpr DWORD kLabelStyle = 0x5000000C;
// Visible child, vertical scroll bar, tab stop, drop-down list with strings; the diameter
// combo carries the sort bit in place of the strings bit.
constexpr DWORD kComboStyle = 0x50210203;
constexpr DWORD kDiameterComboStyle = 0x50210103;

// Private messages to the parent window.
constexpr UINT kMsgButtonSelChanged = WM_USER + 5;
constexpr UINT kMsgSelectionConfirmed = WM_USER + 8;
constexpr UINT kMsgEditUpdated = WM_USER + 9;
constexpr UINT kMsgComboFocused = WM_USER + 10;

}  // namespace rebar::bartype
