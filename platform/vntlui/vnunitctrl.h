// The maker's unit field: an edit control that holds one value in SI and shows it in a unit
// (CVnUnit), reading back what a person types ("12", "1.5 m", "4 3/4\"", "1'-6").
//
// The value lives in the object; the text is a view of it. Two exchanges move between them:
//  - the field's own UpdateData: FALSE shows the value, TRUE reads the text quietly (a text
//    that does not read, or a value outside the range, leaves the value as it was and returns
//    FALSE, because a composite control asks it at every keystroke);
//  - DDX_UnitCtrl in a dialog's DoDataExchange: the same, but a refused text is a failed
//    exchange, told to the person in a message box with the focus back on the field.
// Text the field sets itself (showing a value, clearing, hiding) is the program's doing, so the
// parent hears no EN_UPDATE or EN_CHANGE for it, as MFC's UpdateData locks such notifications
// out; what the person types is notified as usual.
//
// Phi display (SetPhiEnabled): the value is a multiple of a bar diameter rather than a length.
// It is shown as a plain number with the unit's decimals (two for units shown in fractions),
// then a blank and the phi sign ("10.0 Ø" for millimetres). The sign is string nIDS_PhiSign of
// the module whose instance is handed over, "Ø" (U+00D8) when that module has none: the same
// sign the bar-type combo writes before diameters. Text read back may carry the sign or not.
//
// ClearControl empties the field and marks its value not given: GetValueSI then returns
// kNotGivenValue until a value is set or typed. A field left empty since then saves as not
// given; a field whose value was given and that the person emptied is refused like bad text.
//
// SetVisibility(0) hides the value without losing it: the field shows nothing, GetValueSI still
// returns the value, and exchanges keep it while the field stays empty. Typing a value in the
// hidden field makes it visible again; SetVisibility(1) shows the value once more (unless the
// person has typed in the field meanwhile, whose text then stays).
//
// A read-only field keeps its stored value when saved: its text is a rounded view of it that
// the person could not change.
//
// While the field handles a keystroke, showing the value leaves the text alone: a parent that
// reacts to EN_UPDATE by reloading its fields must not rewrite "4 3" under the caret before
// the person has typed "/4".
#pragma once

#include "vntl/vnunit.h"
#include "vntlui/vnedit.h"

class CDataExchange;
class CVnUnitCtrl;

void DDX_UnitCtrl(CDataExchange* pDX, int nIDC, CVnUnitCtrl& rControl, LPCTSTR lpszFormat);

class CVnUnitCtrl : public CVnEdit {
    DECLARE_DYNAMIC(CVnUnitCtrl)
public:
    // The value of a field whose value is not given, as the catalogue writes it.
    static constexpr double kNotGivenValue = -1.7976931348623157e+150;
    // The string the phi display looks for in the module handed to SetPhiEnabled.
    static constexpr UINT nIDS_PhiSign = 12061;

    // nEditType 1 is the single-line value field, the only kind this kit provides.
    explicit CVnUnitCtrl(int nEditType = 1);

    // Attaches the object to the parent's edit control nID (unless it already has a window),
    // takes the unit and the accepted range [dMinSI, dMaxSI], and shows dValueSI.
    BOOL SetDefaultValues(CWnd* pParentWnd, UINT nID, double dValueSI, const CVnUnit& unit,
                          double dMinSI, double dMaxSI);
    // The initial value, shown at once.
    void SetValueSI(double dValueSI);
    // A later change: stored now, shown by the next load exchange (UpdateData(FALSE)).
    void ModifyValueSI(double dValueSI);
    double GetValueSI() const;
    const CVnUnit& GetUnit() const { return m_unit; }

    // nEnable 1 shows the value as a multiple of a diameter with the phi sign, taken from the
    // module hInstance (the caller has made it the resource module); 0 shows it in the unit.
    void SetPhiEnabled(int nEnable, HINSTANCE hInstance);
    int GetPhiEnabled() const { return m_phi ? 1 : 0; }

    void ClearControl();
    void SetVisibility(int nVisibility);
    int GetVisibility() const { return m_visible ? 1 : 0; }

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    friend void DDX_UnitCtrl(CDataExchange*, int, CVnUnitCtrl&, LPCTSTR);

    // What the field's text says when an exchange reads it.
    enum class Reading { Kept, Value, BadText, OutOfRange };

    CString FormatValue() const;
    void ShowValue();
    void SetTextQuietly(const CString& text);
    Reading ReadText(double& dValueSI) const;
    bool ParseText(const CString& text, double& dValueSI) const;
    // Applies a reading to the value; true unless the text was refused.
    bool Store(Reading reading, double dValueSI);
    CString RefusalMessage(Reading reading) const;
    CString Describe(double dValueSI) const;

    CVnUnit m_unit;
    double m_value = 0.0;
    double m_min = 0.0;
    double m_max = 0.0;
    CString m_format = L"%.*f";
    CString m_phiSign;
    bool m_given = true;
    bool m_visible = true;
    bool m_phi = false;
    bool m_settingText = false;
    int m_keystrokes = 0;  // keystrokes being handled now
};
