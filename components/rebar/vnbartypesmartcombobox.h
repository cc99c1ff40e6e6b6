// The bar-type selector that the host's dialogs embed: a steel-grade combo and, on its left,
// either a diameter combo or (under the design standards that designate bars by name) a
// bar-name combo, each with a label. It fills itself from a catalogue it owns, keeps the raw
// text of every item in the order shown, and tells its parent about the user's choices with
// private messages (1029, 1032 to 1034).
//
// The host registers the window class once (RegisterWndClass) and places windows of the class
// in dialog templates, or creates one through its own heap object. Either way the object
// deletes itself after its window is destroyed. Every member runs inside the module's guard.
#pragma once

#include <list>
#include <map>
#include <string>

#include "rebar/host/afx.h"
#include "rebar/host/gui.h"
#include "rebar/rebarapi.h"

class CVnRebarSteelGrade;
class CVnRebarSteelGradeCatalog;

class REBAR_API CVnBarTypeSmartComboBox : public CWnd {
    DECLARE_DYNAMIC(CVnBarTypeSmartComboBox)
public:
    CVnBarTypeSmartComboBox();
    ~CVnBarTypeSmartComboBox() override;

    static BOOL RegisterWndClass(HINSTANCE hInstance);
    // Stores the texts before the window exists; it creates no window.
    using CWnd::Create;
    virtual BOOL Create(CString helpPath, CString whatsThisHelpPath, CString diameterLabelText,
                        CString steelgradeLabelText);
    void SetAddressProcToNull();

    CVnRebarSteelGradeCatalog* GetSteelgradeCatalog();
    // Always null: no operation of the control sets the current steel grade.
    CVnRebarSteelGrade* GetCurSteelgrade();
    void SetSort(int nSort);
    int GetSort();
    void SetVariant(int nVariant);
    int GetVariant();
    void SetVisibility(int nVisibility);
    int GetVisibility();
    void SetHelpPath(CString path);
    void SetWhatsThisHelpPath(CString path);
    BOOL GetFixedDiameterMode();
    BOOL EnableWindow(BOOL bEnable = TRUE) override;
    void ClearControl();

    void FillComboSteelgradeFromDatabase(CString standard);
    void FillComboDiameterFromDatabase(CString family);
    void FillComboNameFromDatabase(CString family);

    void SetLabels(CString diameterLabel, CString nameLabel, CString steelgradeLabel);
    void SetVisibleLabels(bool diameterLabel, bool nameLabel, bool steelgradeLabel);
    void SetVisibleDiameter(bool bVisible);
    void SetVisibleSteelgrade(bool bVisible);

    // The diameter combo's items (nominal diameters as texts).
    void SetStringComboDiameter(CStringList& strings);
    void AddStringComboDiameter(CString text);
    void GetStringComboDiameter(CStringList& strings, int& unused1, int unused2, int unused3);
    int GetCurSelDiameter();
    void GetCurSelDiameter(CString& text);
    // The selected diameter in metres (in the catalogue's own value for fixed diameters).
    void GetCurSelDiameter(double& diameter);
    int SetCurSelDiameter(int nIndex);
    int SetCurSelDiameter(CString text);
    int SetCurSelDiameter(double diameter);
    void DeleteStringComboDiameter(UINT nIndex);
    void DeleteStringComboDiameter(CString text);
    void ResetContentDiameter();
    void GetSelectTextDiameter(CString& text);
    void SetSelectTextDiameter(CString text);
    void AddFormatToolTipDiameter(CString text);
    void SortComboDiameter();

    // The bar-name combo's items: raw names, shown with "#" for imperial families.
    void SetStringComboName(CStringList& strings);
    void AddStringComboName(CString text);
    void GetStringComboName(CStringList& strings, int& unused1, int unused2, int unused3);
    int GetCurSelName();
    void GetCurSelName(CString& text);
    int SetCurSelName(int nIndex);
    int SetCurSelName(CString text);
    void DeleteStringComboName(UINT nIndex);
    void DeleteStringComboName(CString text);
    void ResetContentName();
    void GetSelectTextName(CString& text);
    void SetSelectTextName(CString text);
    void AddFormatToolTipName(CString text);
    void SortComboName();

    // The steel-grade combo's items (family names); selecting one refills the first combo.
    void SetStringComboSteelgrade(CStringList& strings);
    void AddStringComboSteelgrade(CString text);
    void GetStringComboSteelgrade(CStringList& strings, int& unused1, int unused2, int unused3);
    int GetCurSelSteelgrade();
    void GetCurSelSteelgrade(CString& text);
    int SetCurSelSteelgrade(int nIndex);
    int SetCurSelSteelgrade(CString text);
    void DeleteStringComboSteelgrade(UINT nIndex);
    void DeleteStringComboSteelgrade(CString text);
    void ResetContentSteelgrade();
    void GetSelectTextSteelgrade(CString& text);
    void SetSelectTextSteelgrade(CString text);
    void AddFormatToolTipSteelgrade(CString text);
    void SortComboSteelgrade();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PostNcDestroy() override;
    virtual LRESULT OnButtonSelChanged(WPARAM wParam, LPARAM lParam);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSetFocus(CWnd* pOldWnd);
    void OnLButtonDown(UINT nFlags, CPoint point);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnSize(UINT nType, int cx, int cy);
    void OnEnable(BOOL bEnable);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSelchangeComboDiameter();
    void OnSelchangeComboName();
    void OnSelchangeComboSteelgrade();
    void OnSelchangeOkComboDiameter();
    void OnSelchangeOkComboName();
    void OnSelchangeOkComboSteelgrade();
    void OnEditUpdateComboDiameter();
    void OnEditUpdateComboName();
    void OnEditUpdateComboSteelgrade();
    void OnSetFocusComboDiameter();
    void OnSetFocusComboName();
    void OnSetFocusComboSteelgrade();

    CVnDialogBarEx* dialogBar = nullptr;
    CVnComboBox steelgradeCombo;
    CVnUnitComboBox diameterCombo;
    CVnComboBox nameCombo;
    CVnToolTip toolTip;
    int sort = 1;
    int variant = 0;
    int visibility = 0;
    CString helpPath, whatsThisHelpPath;
    CVnStatic diameterLabel, nameLabel, steelgradeLabel;
    CString diameterLabelText, nameLabelText, steelgradeLabelText;
    CVnRebarSteelGrade* currentSteelgrade = nullptr;
    CVnRebarSteelGradeCatalog* catalog = nullptr;
    bool fixedDiameter = false;
    bool nameMode = false;
    bool imperialNames = false;
    bool metricNames = false;
    std::list<std::wstring> diameterItems, nameItems, steelgradeItems;
    std::map<std::wstring, std::list<std::wstring>> diametersBySteelgrade;
    // The fixed-diameter mark of each cached family. Taken from the cache with its diameters, so
    // that the mark is always that of the family shown: the mark of the family read last (the
    // last one of a whole steel-grade fill) would turn another family's 8 mm into 8 m.
    std::map<std::wstring, bool> fixedBySteelgrade;

    DECLARE_MESSAGE_MAP()

private:
    // One of the three combos with its item list: the three families of operations share
    // their bodies through it and differ only where Kind says.
    enum class Kind { Diameter, Name, Steelgrade };
    struct Side {
        Kind kind;
        CComboBox& combo;
        std::list<std::wstring>& items;
    };
    Side side(Kind kind);
    Side firstSide();
    CVnStatic& firstLabel();
    void setStrings(Side s, CStringList& strings);
    void addString(Side s, const CString& text);
    void getStrings(Side s, CStringList& strings);
    void getCurSel(Side s, CString& text);
    int findShown(Side s, const CString& rawText);
    int selectText(Side s, const CString& text);
    int selectIndex(Side s, int nIndex);
    void setSelectText(Side s, const CString& text);
    void deleteAt(Side s, UINT nIndex);
    void deleteText(Side s, const CString& text);
    void resetContent(Side s);
    void getSelectText(Side s, CString& text);
    void addToolTip(Side s, const CString& text);
    void sortCombo(Side s);
    void refillFirstCombo(const CString& family);
    // The confirmed family's handling, shared by CBN_SELENDOK and CBN_EDITUPDATE.
    void onFamilyConfirmed(bool redraw);
    void InsertElementDiameter(POSITION pos, CStringList& list, CString text);
    void InsertElementName(POSITION pos, CStringList& list, CString text);
    void InsertElementSteelGrade(POSITION pos, CStringList& list, CString text);
    void FormatDisplayString(CString& text);
    void UnFormatDisplayString(CString& text);
    void createCombo(Side s, const CRect& rect, HFONT font, int height);
    // byVisibility: hidden labels take no room (after SetVisibleLabels); otherwise every label
    // takes the size of its text.
    void relayout(bool byVisibility);
    void layoutSteelgradeAlone();
    void notifyParent(UINT message, WPARAM wParam, LPARAM lParam);
};
