// The tool tip control ("tooltips_class32"): tools (window parts or whole windows) with their
// texts, and a pop-up that shows the text of the tool under the mouse. Internal to the
// windowing library.
#pragma once

#include <string>
#include <vector>

#include "user/controls/controlwindow.h"

namespace user::controls {

class ToolTip : public ControlWindow {
public:
    using ControlWindow::ControlWindow;
    ~ToolTip() override;
    LRESULT onMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // A mouse message of a tool's window, relayed (TTM_RELAYEVENT) or seen through TTF_SUBCLASS.
    void relay(const MSG& msg);

private:
    struct Tool {
        UINT flags = 0;
        HWND hwnd = nullptr;
        UINT_PTR id = 0;
        RECT rect{};
        std::wstring text;
        bool textCallback = false;
        LPARAM lParam = 0;
    };

    LRESULT onToolMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    Tool toolFrom(const TOOLINFOW& info) const;
    void fillInfo(const Tool& tool, TOOLINFOW& info) const;
    int findTool(const TOOLINFOW* info) const;
    int toolAt(const MSG& msg) const;
    void show(int index, POINT screen);
    void hide();
    void setSubclassed(const Tool& tool, bool on);
    void paint(HDC dc) override;

    std::vector<Tool> m_tools;
    int m_current = -1;
    bool m_active = true;
    int m_maxWidth = -1;
};

}  // namespace user::controls
