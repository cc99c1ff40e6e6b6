// The person in front of the screen. Not Win32: every human act (mouse, keyboard, typing, list
// picks, menu choices) enters through this one object, and every human answer (message boxes,
// file dialogs, pop-up menus) comes from it. Help calls, shell executions and beeps are recorded
// here so tests can assert what the user would have seen.
//
// Acts run now (Click, Type, ...: each one feeds the input path and then pumps the queue) or
// later: Later() queues a step that a modal loop runs when its queue is empty, the way a person
// acts only once a dialog is up. Answers are queued per kind and used by the next question of
// that kind. Anything unexpected is a failure reported through the failure handler: a question
// with no answer queued, a modal loop left waiting when the steps run out (the dialog is then
// ended with IDCANCEL so nothing hangs), and steps or answers still unused at Finish().
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "user/winuser.h"

namespace user {

// Modifier keys held during an act.
enum Modifiers : UINT { kNone = 0, kShift = 1, kCtrl = 2, kAlt = 4 };

struct MessageBoxRecord {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT style;
    int answer;
};

struct FileDialogRecord {
    bool save;
    std::wstring filter;  // the double-null-terminated list with each '\0' shown as '|'
    DWORD filterIndex;
    DWORD flags;
    std::wstring initialDir;
    std::wstring title;
    std::wstring defExt;
    std::wstring answer;  // empty when cancelled
};

struct PopupMenuRecord {
    HMENU menu;
    UINT flags;
    POINT pt;
    HWND owner;
    UINT answer;
    bool menuWindowShown = false;  // a "#32768" window was on the screen when asked
};

struct HelpRecord {
    std::wstring call;  // e.g. L"WinHelp", or the toolkit function that asked for help
    UINT command;
    std::wstring topic;
    ULONG_PTR data;
};

struct ShellRecord {
    std::wstring verb;
    std::wstring file;
    std::wstring parameters;
    std::wstring directory;
    int show;
    ULONG mask = 0;  // SHELLEXECUTEINFOW::fMask; 0 for ShellExecuteW
};

class ScriptedUser {
public:
    using Step = std::function<void(ScriptedUser&)>;
    using FailureHandler = std::function<void(const std::string&)>;

    static ScriptedUser& Get();

    // Acts, run now. Points are client coordinates of the window named; a window alone means
    // the centre of its client area.
    void Click(HWND w);
    void ClickAt(HWND w, POINT client);
    void ClickScreen(POINT screen);
    void RightClick(HWND w);
    void DoubleClick(HWND w);
    void ClickControl(int id);  // a control of the active window
    void MoveOver(HWND w);
    void MoveTo(POINT screen);
    void MoveAway();
    void KeyDown(UINT vk);
    void KeyUp(UINT vk);
    void Press(UINT vk, UINT modifiers = kNone);
    void Type(const std::wstring& text);
    // Opens the combo's list with its drop button and clicks the item, as a person does.
    void PickComboItem(HWND combo, int index);
    // Dispatches queued messages until the queue is empty, through the pre-translate hook.
    void PumpMessages();

    // Steps for modal loops.
    void Later(std::string what, Step step);
    // Runs the next step; false when there is none.
    bool RunNextStep();

    // Answers to questions still to come.
    void AnswerMessageBox(int button);
    void AnswerFileDialog(std::wstring path);
    void CancelFileDialog();
    void AnswerPopupMenu(UINT id);
    void CancelPopupMenu();

    // The questions, asked by the layer's own functions (MessageBoxW, GetOpenFileNameW, ...).
    int AskMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style);
    // Returns the chosen path, or false for a cancel.
    bool AskFileDialog(FileDialogRecord record, std::wstring& path);
    // The command id chosen in a pop-up menu (0 for none), as TrackPopupMenuEx returns it.
    UINT ChoosePopupMenuItem(HMENU menu, UINT flags, int x, int y, HWND owner);

    void RecordHelp(HelpRecord record);
    void RecordShellExecute(ShellRecord record);
    void RecordBeep(UINT type);

    const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
    const std::vector<FileDialogRecord>& FileDialogs() const { return fileDialogs_; }
    const std::vector<PopupMenuRecord>& PopupMenus() const { return popupMenus_; }
    const std::vector<HelpRecord>& HelpCalls() const { return helpCalls_; }
    const std::vector<ShellRecord>& ShellExecutions() const { return shellExecutions_; }
    const std::vector<UINT>& Beeps() const { return beeps_; }

    // Failures go to the handler (a test fixture installs one that fails the test); without one
    // they are written to stderr and the process stops.
    void SetFailureHandler(FailureHandler handler);
    void Fail(const std::string& message);
    // Reports unused steps and answers, then forgets the script and the records.
    void Finish();

private:
    ScriptedUser() = default;
    void pressModifiers(UINT modifiers, bool down);
    template <class T>
    void reportUnused(const std::vector<T>& queue, const char* what);

    std::vector<std::pair<std::string, Step>> steps_;
    std::vector<int> messageBoxAnswers_;
    std::vector<std::pair<bool, std::wstring>> fileAnswers_;
    std::vector<UINT> menuAnswers_;
    std::vector<MessageBoxRecord> messageBoxes_;
    std::vector<FileDialogRecord> fileDialogs_;
    std::vector<PopupMenuRecord> popupMenus_;
    std::vector<HelpRecord> helpCalls_;
    std::vector<ShellRecord> shellExecutions_;
    std::vector<UINT> beeps_;
    FailureHandler failure_;
};

}  // namespace user
