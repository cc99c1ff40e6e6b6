// The subclassing behind TTF_SUBCLASS.
#include "user/controls/tooltipsubclass.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "user/controls/tooltip.h"

namespace user::controls {

namespace {

struct Watch {
    WNDPROC original = nullptr;
    std::vector<HWND> toolTips;
};

std::unordered_map<HWND, Watch>& watches() {
    static std::unordered_map<HWND, Watch> table;
    return table;
}

bool isMouseMessage(UINT msg) {
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || msg == WM_MOUSELEAVE;
}

LRESULT CALLBACK watchingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto found = watches().find(hwnd);
    if (found == watches().end()) return DefWindowProcW(hwnd, msg, wParam, lParam);
    WNDPROC original = found->second.original;
    if (isMouseMessage(msg)) {
        MSG relayed{hwnd, msg, wParam, lParam, 0, {}};
        std::vector<HWND> toolTips = found->second.toolTips;  // a relay may change the table
        for (HWND toolTip : toolTips) {
            if (ToolTip* tip = controlOf<ToolTip>(toolTip)) tip->relay(relayed);
        }
    }
    LRESULT result = CallWindowProcW(original, hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) watches().erase(hwnd);
    return result;
}

}  // namespace

void watchMouseOf(HWND watched, HWND toolTip) {
    if (!IsWindow(watched)) return;
    auto [entry, added] = watches().try_emplace(watched);
    if (added) {
        entry->second.original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(watched, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&watchingProc)));
    }
    entry->second.toolTips.push_back(toolTip);
}

void stopWatchingMouseOf(HWND watched, HWND toolTip) {
    auto found = watches().find(watched);
    if (found == watches().end()) return;
    std::vector<HWND>& toolTips = found->second.toolTips;
    auto last = std::find(toolTips.begin(), toolTips.end(), toolTip);
    if (last != toolTips.end()) toolTips.erase(last);
    if (!toolTips.empty()) return;
    // Whoever subclassed the window after us keeps our procedure in the chain, as a pass-through.
    bool stillFirst =
        GetWindowLongPtrW(watched, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&watchingProc);
    if (!stillFirst) return;
    SetWindowLongPtrW(watched, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(found->second.original));
    watches().erase(found);
}

}  // namespace user::controls
