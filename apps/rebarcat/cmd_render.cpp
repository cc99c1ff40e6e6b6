// rebarcat render: pictures of the module's controls drawn by the software GDI, so that people
// can look at them. This file draws the extended button in one state (or all of them side by
// side) and sends the other kinds to their own files.
#include <array>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cli.h"
#include "output.h"
#include "rebar/vnbuttonex.h"
#include "render.h"
#include "user/render.h"
#include "user/scripteduser.h"

namespace rebarcat {

namespace {

const std::array<const char*, 6> kStates = {"normal",  "hover",    "pressed",
                                            "focused", "disabled", "checked"};
constexpr int kButtonWidth = 110, kButtonHeight = 40, kMargin = 10;
constexpr int kIconSize = 16;
constexpr int kLabelHeight = 16;

// A 16 x 16 icon of a ribbed reinforcing bar lying across, the rest transparent.
HICON makeBarIcon() {
    std::vector<std::uint32_t> color(kIconSize * kIconSize, 0);
    // Monochrome rows of 16 bits, pixel 0 in the top bit of the first byte; a set bit is clear.
    std::vector<BYTE> mask(kIconSize * 2, 0xFF);
    for (int y = 5; y <= 10; ++y) {
        for (int x = 1; x < kIconSize - 1; ++x) {
            const bool rib = (x + y) % 4 == 0;
            const bool edge = y == 5 || y == 10;
            color[y * kIconSize + x] = rib ? 0x00B0B8C0 : edge ? 0x00303840 : 0x00687078;
        }
        mask[y * 2] = 0x80;
        mask[y * 2 + 1] = 0x01;
    }
    HBITMAP hColor = ::CreateBitmap(kIconSize, kIconSize, 1, 32, color.data());
    HBITMAP hMask = ::CreateBitmap(kIconSize, kIconSize, 1, 1, mask.data());
    ICONINFO info{TRUE, kIconSize / 2, kIconSize / 2, hMask, hColor};
    HICON icon = ::CreateIconIndirect(&info);
    ::DeleteObject(hColor);
    ::DeleteObject(hMask);
    return icon;
}

struct Sample {
    std::string state;
    std::unique_ptr<CVnButtonEx> button;
};

std::unique_ptr<CVnButtonEx> makeButton(CWnd& parent, int index, const std::string& state,
                                        int align, bool flat) {
    const DWORD type = state == "checked" ? BS_CHECKBOX : BS_PUSHBUTTON;
    HWND hwnd = ::CreateWindowExW(0, WC_BUTTONW, L"Bars", WS_CHILD | WS_VISIBLE | WS_TABSTOP | type,
                                  kMargin + index * (kButtonWidth + kMargin), kMargin, kButtonWidth,
                                  kButtonHeight, parent.m_hWnd,
                                  reinterpret_cast<HMENU>(INT_PTR(100 + index)), nullptr, nullptr);
    auto button = std::make_unique<CVnButtonEx>();
    button->SubclassWindow(hwnd);
    button->SetIcon(makeBarIcon());
    button->SetAlign(BYTE(align), FALSE);
    button->SetFlat(flat, FALSE);
    button->SetCheck(1, FALSE);
    return button;
}

// Puts each sample in its state; disabling comes first because it moves the focus on.
void applyStates(std::vector<Sample>& samples) {
    for (const char* order : {"disabled", "focused", "pressed", "hover"}) {
        for (Sample& sample : samples) {
            if (sample.state != order) continue;
            CVnButtonEx& button = *sample.button;
            if (sample.state == "disabled") button.EnableWindow(FALSE);
            if (sample.state == "focused") button.SetFocus();
            if (sample.state == "pressed") button.SendMessage(BM_SETSTATE, TRUE);
            if (sample.state == "hover") user::ScriptedUser::Get().MoveOver(button.m_hWnd);
        }
    }
}

// The state's name under its button, so that a picture of several states reads on its own.
void addLabel(CWnd& parent, int index, const std::string& state) {
    const std::wstring text(state.begin(), state.end());
    HWND label =
        ::CreateWindowExW(0, WC_STATICW, text.c_str(), WS_CHILD | WS_VISIBLE | SS_CENTER,
                          kMargin + index * (kButtonWidth + kMargin), kMargin + kButtonHeight + 4,
                          kButtonWidth, kLabelHeight, parent.m_hWnd, nullptr, nullptr, nullptr);
    ::SendMessageW(label, WM_SETFONT, WPARAM(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

bool validState(const std::string& state) {
    if (state == "all") return true;
    for (const char* known : kStates)
        if (state == known) return true;
    return false;
}

}  // namespace

int renderButton(Arguments& arguments, std::ostream& out, std::ostream& err) {
    const std::string state = arguments.option("state").value_or("normal");
    const std::string align = arguments.option("align").value_or("0");
    const std::string flat = arguments.option("flat").value_or("1");
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    const auto& rest = arguments.rest();
    if (rest.size() != 2 || rest[0] != "button" || !validState(state) ||
        (align != "0" && align != "1" && align != "2") || (flat != "0" && flat != "1")) {
        err << "rebarcat: usage: rebarcat render button --state "
               "normal|hover|pressed|focused|disabled|checked|all [--align 0|1|2] "
               "[--flat 0|1] OUT.png\n";
        return kUsage;
    }
    std::vector<std::string> states;
    if (state == "all")
        states.assign(kStates.begin(), kStates.end());
    else
        states.push_back(state);

    CWnd parent;
    const bool labelled = states.size() > 1;
    const int width = kMargin + int(states.size()) * (kButtonWidth + kMargin);
    const int height = kButtonHeight + 2 * kMargin + (labelled ? kLabelHeight + 4 : 0);
    parent.CreateEx(0, nullptr, L"rebarcat", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr,
                    nullptr);
    std::vector<Sample> samples;
    for (std::size_t i = 0; i < states.size(); ++i) {
        samples.push_back(
            {states[i], makeButton(parent, int(i), states[i], std::stoi(align), flat == "1")});
        if (labelled) addLabel(parent, int(i), states[i]);
    }
    applyStates(samples);
    const bool written = RenderWindowToPng(parent.m_hWnd, rest[1].c_str());
    user::ScriptedUser::Get().MoveAway();
    samples.clear();
    return finishPicture(parent, written, rest[1], out, err);
}

int finishPicture(CWnd& parent, bool written, const std::string& path, std::ostream& out,
                  std::ostream& err) {
    parent.DestroyWindow();
    AfxDeleteTempMap();
    if (!written) {
        err << "rebarcat: cannot write " << path << "\n";
        return kUsage;
    }
    out << "wrote " << path << "\n";
    return kSuccess;
}

namespace {

// The kind of control is the first word after "render", before any option.
int runRender(Arguments& arguments, std::ostream& out, std::ostream& err) {
    const std::string kind = arguments.rest().empty() ? "" : arguments.rest().front();
    if (kind == "bartype") return renderBarType(arguments, out, err);
    if (kind == "baredit") return renderBarEdit(arguments, out, err);
    if (kind == "grid") return renderGrid(arguments, out, err);
    return renderButton(arguments, out, err);
}

}  // namespace

Command renderCommand() {
    return {"render", "render button|bartype|baredit|grid [OPTIONS] OUT.png",
            "Draw one of the module's controls as a PNG picture.",
            "  button   the extended button:\n"
            "    --state  normal, hover, pressed, focused, disabled, checked, or all of them side\n"
            "             by side (default normal)\n"
            "    --align  the icon left of (0, default), above (1) or right of (2) the caption\n"
            "    --flat   1 (default) for the flat look, 0 for the raised one\n"
            "  bartype  the bar-type combo, filled from the catalogue:\n"
            "    --standard S  the design standard (ACI and CSA A23 list bar names)\n"
            "    --family F    the steel grade selected\n"
            "    --select D    the diameter (or bar name) selected in that family\n"
            "    --open        the list of diameters or names dropped open\n"
            "  baredit  the bar smart edit:\n"
            "    --diameter D  the bar's diameter, e.g. 12mm\n"
            "    --value V     the length shown, e.g. 120mm; also as a multiple of D\n"
            "    --unit U      mm (default) or in, the unit the value is shown in\n"
            "    --edge        the client-edge look (one line between the fields)\n"
            "    --disabled    both fields disabled\n"
            "  grid FAMILY  the steel-grade editor's grid of a family's bars:\n"
            "    --relative    mandrels as multiples of the nominal diameter\n"
            "  OUT.png  the picture to write\n",
            runRender};
}

}  // namespace rebarcat
