// Three window classes, each deriving from the one before, whose message maps override and add
// entries: the dispatch tests and the dispatch benchmark share them.
#pragma once

#include <vector>

#include "afx/afxwin.h"

namespace afxtest {

constexpr UINT kBaseOnly = WM_APP + 1;    // handled by Level1 only
constexpr UINT kOverridden = WM_APP + 2;  // Level1 and Level2; Level2 wins
constexpr UINT kLeafOnly = WM_APP + 3;    // Level2 and Level3; Level3 wins
constexpr UINT kUnmapped = WM_APP + 4;
// A notification code of our own, negative as the common controls' codes are.
constexpr UINT kItemPicked = 0U - 1000U;

class Level1 : public CWnd {
protected:
    LRESULT OnBaseOnly(WPARAM wParam, LPARAM) { return LRESULT(100 + wParam); }
    LRESULT OnOverridden(WPARAM, LPARAM) { return 101; }
    DECLARE_MESSAGE_MAP()
};

class Level2 : public Level1 {
protected:
    LRESULT OnOverridden2(WPARAM, LPARAM) { return 202; }
    LRESULT OnLeaf2(WPARAM, LPARAM) { return 203; }
    DECLARE_MESSAGE_MAP()
};

class Level3 : public Level2 {
public:
    std::vector<UINT> commands;
    CSize lastSize;
    LRESULT lastNotifyResult = 0;

protected:
    LRESULT OnLeaf3(WPARAM, LPARAM) { return 303; }
    void OnSize(UINT, int cx, int cy) { lastSize = CSize(cx, cy); }
    void OnSave() { commands.push_back(ID_FILE_SAVE); }
    void OnRange(UINT nID) { commands.push_back(nID); }
    void OnClickNotify(NMHDR* pNMHDR, LRESULT* pResult) { *pResult = LRESULT(pNMHDR->idFrom) * 2; }
    static constexpr UINT ID_FILE_SAVE = 0xE103;
    DECLARE_MESSAGE_MAP()
};

}  // namespace afxtest
