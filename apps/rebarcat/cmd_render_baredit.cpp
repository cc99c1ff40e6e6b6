// rebarcat render baredit: a picture of the module's bar smart edit holding a value for a bar
// of a given diameter, in millimetres or inches, with either of its two looks.
#include <ostream>
#include <string>

#include "output.h"
#include "rebar/vnbarsmartedit.h"
#include "render.h"
#include "user/render.h"

namespace rebarcat {

namespace {

constexpr int kEditWidth = 160, kEditHeight = 22, kMargin = 10;
constexpr UINT kEditId = 100;
const char kUsageText[] =
    "rebarcat: usage: rebarcat render baredit --diameter D --value V [--unit mm|in] [--edge] "
    "[--disabled] OUT.png\n";

// A length typed as a person would type it in the display unit ("12", "12mm", "0.5 in");
// false when it does not read or is not above zero.
bool readLength(const CVnUnit& unit, const std::string& text, double& valueSI) {
    int error = 0;
    valueSI = unit.String2Double(CString(text.c_str()), &error, 1);
    return error == 0 && valueSI > 0.0;
}

}  // namespace

int renderBarEdit(Arguments& arguments, std::ostream& out, std::ostream& err) {
    const std::string diameterText = arguments.option("diameter").value_or("");
    const std::string valueText = arguments.option("value").value_or("");
    const std::string unitName = arguments.option("unit").value_or("mm");
    const bool edge = arguments.flag("edge");
    const bool disabled = arguments.flag("disabled");
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    const auto& rest = arguments.rest();
    CVnUnitManager units;
    units.SetMetric(unitName != "in");
    const CVnUnit& length = *units.GetVisUnit(1);
    double diameter = 0.0, value = 0.0;
    if (rest.size() != 2 || (unitName != "mm" && unitName != "in") ||
        !readLength(length, diameterText, diameter) || !readLength(length, valueText, value)) {
        err << kUsageText;
        return kUsage;
    }

    CWnd parent;
    parent.CreateEx(0, nullptr, L"rebarcat", WS_POPUP | WS_VISIBLE, 0, 0, kEditWidth + 2 * kMargin,
                    kEditHeight + 2 * kMargin, nullptr, nullptr);
    CVnBarSmartEdit::RegisterWndClass(AfxGetInstanceHandle());
    // The window owns the control and deletes it when destroyed with its parent.
    auto* edit = new CVnBarSmartEdit;
    edit->SetUnitManager(&units);
    const bool created = edit->CreateEx(
        edge ? WS_EX_CLIENTEDGE : 0, L"CVNBARSMARTEDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
        CRect(kMargin, kMargin, kMargin + kEditWidth, kMargin + kEditHeight), &parent, kEditId);
    bool written = false;
    if (created) {
        edit->SetPhiDiameterValue(diameter);
        edit->SetEditCtrlValue(value);
        if (disabled) edit->EnableWindow(FALSE);
        written = RenderWindowToPng(parent.m_hWnd, rest[1].c_str());
    }
    return finishPicture(parent, written, rest[1], out, err);
}

}  // namespace rebarcat
