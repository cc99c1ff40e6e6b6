// The data and settings a grid works on: its cells (CGXData), the undo switch and the update
// lock. A grid makes its own parameter object unless one is given (CGXGridCore::SetParam).
#pragma once

#include <memory>

#include "grid/gxdata.h"

class CGXGridParam {
public:
    CGXGridParam() : m_pData(std::make_unique<CGXData>()) {}
    CGXGridParam(const CGXGridParam&) = delete;
    CGXGridParam& operator=(const CGXGridParam&) = delete;
    virtual ~CGXGridParam() = default;

    // The grid keeps no undo history of its own: the switch is recorded so that callers who
    // turn undo off around bulk changes read back what they set.
    void EnableUndo(BOOL bEnable = TRUE) { m_bUndoEnabled = bEnable != FALSE; }
    BOOL IsEnableUndo() const { return m_bUndoEnabled; }

    CGXData* GetData() const { return m_pData.get(); }

    // The update lock. While it is nonzero the grid paints nothing and Redraw does nothing;
    // callers save it, set it to 1 around bulk changes, restore it and call Redraw.
    // CGXGridCore::LockUpdate reads and writes the same flag.
    int m_bLockUpdate = 0;

private:
    std::unique_ptr<CGXData> m_pData;
    BOOL m_bUndoEnabled = TRUE;
};
