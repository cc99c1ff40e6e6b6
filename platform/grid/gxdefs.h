// The grid component's shared vocabulary: row and column numbers, the update and modify flags,
// the cell control kinds, the user attribute ids and the two messages a grid posts to its
// parent window.
#pragma once

#include "user/winuser.h"
#include "win/arrays.h"

// Row and column numbers. Row 0 holds the column titles and column 0 the row titles; further
// header rows and columns follow them (see CGXGridCore::SetFrozenRows).
using ROWCOL = DWORD;
class CRowColArray : public CArray<ROWCOL, ROWCOL> {};
#define GX_INVALID ROWCOL(0xFFFFFFFF)

// How a change reaches the screen: invalidate only, or invalidate and paint at once.
#define GX_INVALIDATE 0x0001
#define GX_UPDATENOW 0x0002
#define GX_SMART 0x0004
#define GX_NOSHRINKSIZE 0x0008
// SetCurrentCell: scroll the new current cell into view as well.
#define GX_SCROLLINVIEW 0x0010

// How a style is combined with the one already stored.
enum GXModifyType {
    gxOverride,  // the given attributes replace the stored ones, the others stay
    gxApplyNew,  // only attributes the stored style lacks are taken
    gxCopy,      // the stored style becomes a copy of the given one
    gxExclude,   // the given attributes are removed from the stored style
};

// Whether an operation is done, undone or redone. The grid keeps no undo history, so only gxDo
// is accepted.
enum GXCmdType { gxDo, gxUndo, gxRedo };

// Cell control kinds for CGXStyle::SetControl. Our own ids: the grid draws and edits each kind
// itself.
#define GX_IDS_CTRL_EDIT 0x7800
#define GX_IDS_CTRL_STATIC 0x7801
#define GX_IDS_CTRL_HEADER 0x7802
#define GX_IDS_CTRL_CBS_DROPDOWNLIST 0x7803

// User attribute ids. A title cell's tool tip text is user attribute 51022.
#define GX_IDS_UA_TOOLTIPTEXT 51022

// Posted (not sent) to the grid window's parent: a user's edit ended and changed the current
// cell's value, and the selection or the current cell changed. Not documented names of the
// component: these are the two private messages the editor dialogs listen for.
#define WM_GX_ENDEDITING (WM_USER + 5)
#define WM_GX_SELCHANGED (WM_USER + 6)

// What HitTest found under a point.
#define GX_NOHIT 0
#define GX_CELLHIT 1
#define GX_HEADERHIT 2
#define GX_VSCROLLHIT 3
#define GX_HSCROLLHIT 4

// Scroll bar requests and the wheel step, as Windows defines them.
#ifndef SB_LINEUP
#define SB_HORZ 0
#define SB_VERT 1
#define SB_LINEUP 0
#define SB_LINELEFT 0
#define SB_LINEDOWN 1
#define SB_LINERIGHT 1
#define SB_PAGEUP 2
#define SB_PAGELEFT 2
#define SB_PAGEDOWN 3
#define SB_PAGERIGHT 3
#define SB_THUMBPOSITION 4
#define SB_THUMBTRACK 5
#define SB_TOP 6
#define SB_BOTTOM 7
#endif
#ifndef WHEEL_DELTA
#define WHEEL_DELTA 120
#endif
