// rebarcat render bartype: a picture of the module's bar-type combo filled from the catalogue
// for a design standard, with a family and a diameter (or bar name) selected, and optionally
// with the list of diameters or names dropped open below it.
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>

#include "gdi/png.h"
#include "names.h"
#include "output.h"
#include "rebar/vnbartypesmartcombobox.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "render.h"
#include "session.h"
#include "user/render.h"

namespace rebarcat {

namespace {

constexpr int kWidth = 360, kHeight = 24;
constexpr UINT kControlId = 100;
constexpr int kDiameterComboId = 1101, kNameComboId = 1119;
const char kUsageText[] =
    "rebarcat: usage: rebarcat render bartype --standard S [--family F] [--select D] [--open] "
    "OUT.png\n";

// The control's picture with the dropped list of its first combo, if open, pasted below it
// where the list lies on the screen.
gdi::Surface picture(HWND parent, HWND firstCombo) {
    const gdi::Surface closed = RenderWindow(parent);
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetComboBoxInfo(firstCombo, &info) || !::IsWindowVisible(info.hwndList)) return closed;
    const gdi::Surface list = RenderWindow(info.hwndList);
    RECT at{};
    ::GetWindowRect(info.hwndList, &at);
    ::ScreenToClient(parent, reinterpret_cast<POINT*>(&at));
    gdi::Surface whole(closed.width, std::max(closed.height, int(at.top) + list.height),
                       gdi::PixelFromColor(::GetSysColor(COLOR_BTNFACE)));
    std::copy(closed.pixels.begin(), closed.pixels.end(), whole.pixels.begin());
    for (int y = 0; y < list.height; ++y)
        for (int x = 0; x < list.width && at.left + x < whole.width; ++x)
            whole.at(at.left + x, at.top + y) = list.at(x, y);
    return whole;
}

// Fills the control and makes the selections asked for; an error text when one is not there.
std::string select(CVnBarTypeSmartComboBox& control, const CString& standard,
                   const std::optional<std::string>& family,
                   const std::optional<std::string>& item) {
    control.FillComboSteelgradeFromDatabase(standard);
    if (!family) return item ? "--select needs --family" : "";
    const CString name = resolveFamily(*control.GetSteelgradeCatalog(), *family);
    if (control.SetCurSelSteelgrade(name) != 0)
        return "no family '" + *family + "' follows " + utf8(standard);
    if (!item) return "";
    const bool byName = namesBars(standard);
    const int found =
        byName ? control.SetCurSelName(wide(*item)) : control.SetCurSelDiameter(wide(*item));
    if (found != 0)
        return "the family " + utf8(name) + " has no " + (byName ? "bar " : "diameter ") + *item;
    return "";
}

}  // namespace

int renderBarType(Arguments& arguments, std::ostream& out, std::ostream& err) {
    const auto typedStandard = arguments.option("standard");
    const auto family = arguments.option("family");
    const auto item = arguments.option("select");
    const bool open = arguments.flag("open");
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    const auto& rest = arguments.rest();
    if (rest.size() != 2 || !typedStandard || (open && !family)) {
        err << kUsageText;
        return kUsage;
    }
    HostSession session(std::nullopt);
    if (int status = session.check(err)) return status;
    CString standard;
    {
        CVnRebarSteelGradeCatalog catalog;
        standard = resolveStandard(catalog, *session.container(), *typedStandard);
    }
    // The control reads the project's standard when its window is made.
    VnProjectSettings::SetCurrentStandard(standard);
    CVnBarTypeSmartComboBox::RegisterWndClass(AfxGetInstanceHandle());

    CWnd parent;
    parent.CreateEx(0, nullptr, L"rebarcat", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr,
                    nullptr);
    // The window owns the control and deletes it when destroyed with its parent.
    auto* control = new CVnBarTypeSmartComboBox;
    control->Create(L"", L"", L"\u00D8", L"Steel grade");
    std::string problem = "the control cannot be made";
    bool written = false, found = false;
    if (control->CreateEx(0, L"CVNBARTYPESMARTCOMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                          CRect(0, 0, kWidth, kHeight), &parent, kControlId)) {
        const bool byName = namesBars(standard);
        // The name combo's label has no text until the host gives it one.
        if (byName) control->SetLabels(L"\u00D8", L"Bar", L"Steel grade");
        problem = select(*control, standard, family, item);
        HWND first = ::GetDlgItem(control->m_hWnd, byName ? kNameComboId : kDiameterComboId);
        if (open && problem.empty()) ::SendMessageW(first, CB_SHOWDROPDOWN, TRUE, 0);
        found = problem.empty();
        if (found) {
            written = gdi::WritePng(picture(parent.m_hWnd, first), rest[1]);
            if (!written) problem = "cannot write " + rest[1];
        }
    }
    parent.DestroyWindow();
    AfxDeleteTempMap();
    if (!written) {
        err << "rebarcat: " << problem << "\n";
        return found ? kUsage : kNotFound;
    }
    out << "wrote " << rest[1] << "\n";
    return kSuccess;
}

}  // namespace rebarcat
