// The bar smart edit: a child window for a length that belongs to a bar. On the left an
// editable unit field holds the value; on the right a read-only unit field shows the same value
// as a multiple of the bar's diameter (the phi diameter). Typing a value updates the multiple;
// setting the value or the diameter from code updates both. Values are exchanged in SI.
//
// The host registers the window class "CVNBARSMARTEDIT" and places windows of it in dialog
// templates, or creates them itself on an object it made with new; either way the object
// deletes itself once its window is destroyed.
#pragma once

#include "rebar/host/afx.h"
#include "rebar/host/gui.h"
#include "rebar/host/vntl.h"
#include "rebar/rebarapi.h"

class REBAR_API CVnBarSmartEdit : public CWnd {
public:
    // The control ids of the value field and of the phi field.
    static int nIDC_EditCtrl;
    static int nIDC_EditPhiCtrl;

    CVnBarSmartEdit();
    ~CVnBarSmartEdit() override;

    static BOOL RegisterWndClass(HINSTANCE hInstance);

    // Stores the help paths (nothing opens help) and enables tool tips; creates no window.
    BOOL Create(CString helpPath, CString whatsThisHelpPath);
    void SetHelpPath(CString helpPath);
    void SetWhatsThisHelpPath(CString whatsThisHelpPath);
    // Forgets the window procedure saved when an object made by the host was attached, so
    // that the default handling does not come back to the class's own procedure.
    void SetAddressProcToNull();

    // Not owned. The fields take their unit when the window is created; a manager set later
    // only changes how typed text is read.
    void SetUnitManager(CVnUnitManager* pUnitManager);
    CVnUnitManager* GetUnitManager() const;

    CVnUnitCtrl& GetEditCtrl();
    CVnUnitCtrl& GetEditPhiCtrl();

    void SetEditCtrlValue(double valueSI);
    double GetEditCtrlValue();
    double GetEditPhiCtrlValue();
    // A diameter whose square is 1e-20 or less is ignored and the previous one stays.
    void SetPhiDiameterValue(double diameterSI);
    double GetPhiDiameterValue() const;

    void SetVisibility(int nVisibility);
    int GetVisibility() const;
    void ClearControl();

    BOOL EnableWindow(BOOL bEnable = TRUE) override;
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void AddFormatToolTipEditCtrl(CString text);
    void AddFormatToolTipEditPhiCtrl(CString text);
    void SetFormatToolTipEditCtrl(CString text);
    void SetFormatToolTipEditPhiCtrl(CString text);

protected:
    void PostNcDestroy() override;

    BOOL VerifyThisRect();
    CFont* GetDefaultGUIFontPointer();
    BOOL GetDefaultGUIFontInfo(LOGFONT& logFont);
    BOOL CreateControls(CFont* pFont);
    BOOL CreateEditCtrl(const CRect& rect, CFont* pFont);
    BOOL CreateBoxForEditCtrl(const CRect& rect);
    BOOL CreateEditPhiCtrl(const CRect& rect, CFont* pFont);
    BOOL CreateBoxForEditPhiCtrl(const CRect& rect);
    BOOL InitializeVnUnitCtrls();

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnNcDestroy();
    void OnSetFocus(CWnd* pOldWnd);
    void OnEditChange();

    DECLARE_MESSAGE_MAP()

private:
    void SetEditPhiCtrlValue(double multiple);
    // The unit manager's display length unit, or the plain default unit without a manager.
    CVnUnit LengthUnit() const;
    bool HasClientEdge() const;
    // Whether a typed value (SI) reads, in the unit, as what the current multiple stands for,
    // to within half a display step.
    bool ShowsCurrentMultiple(const CVnUnit& unit, double typedSI) const;

    CVnUnitCtrl valueEdit;
    CVnUnitCtrl phiEdit;
    CStatic valueBox;
    CStatic phiBox;
    CString helpPath;
    CString whatsThisHelpPath;
    CVnToolTip toolTip;
    CVnUnitManager* unitManager = nullptr;
    int visibility = 1;
    double phiDiameter = 1.0;
};

// Exchanges both fields of the control in the direction of pDX; nothing for a null control.
REBAR_API void DDX_BarSmartEditCtrl(CDataExchange* pDX, CVnBarSmartEdit* pControl);
