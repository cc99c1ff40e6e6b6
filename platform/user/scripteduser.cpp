// The scripted user's steps, answers, records and failures.
#include "user/scripteduser.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "user/desktop.h"
#include "win/utf8.h"

namespace user {

namespace {

// Whether a pop-up menu window is visible among the top-level windows.
bool MenuWindowVisible() {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        wchar_t cls[8] = {};
        GetClassNameW(w, cls, 8);
        if (std::wstring(cls) == L"#32768" && IsWindowVisible(w)) return true;
    }
    return false;
}

// The buttons each message box type offers; the first one is what an unscripted box returns.
std::vector<int> ButtonsOf(UINT style) {
    switch (style & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return {IDCANCEL, IDOK};
        case MB_ABORTRETRYIGNORE:
            return {IDABORT, IDRETRY, IDIGNORE};
        case MB_YESNOCANCEL:
            return {IDCANCEL, IDYES, IDNO};
        case MB_YESNO:
            return {IDNO, IDYES};
        case MB_RETRYCANCEL:
            return {IDCANCEL, IDRETRY};
        case MB_CANCELTRYCONTINUE:
            return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
        default:
            return {IDOK};
    }
}

std::string Quote(const std::wstring& text) {
    return detail::Join("\"", WideToUtf8(text), "\"");
}

}  // namespace

ScriptedUser& ScriptedUser::Get() {
    static ScriptedUser user;
    return user;
}

void ScriptedUser::Later(std::string what, Step step) {
    steps_.emplace_back(std::move(what), std::move(step));
}

bool ScriptedUser::RunNextStep() {
    if (steps_.empty()) return false;
    Step step = std::move(steps_.front().second);
    steps_.erase(steps_.begin());
    step(*this);
    return true;
}

void ScriptedUser::AnswerMessageBox(int button) {
    messageBoxAnswers_.push_back(button);
}
void ScriptedUser::AnswerFileDialog(std::wstring path) {
    fileAnswers_.emplace_back(true, std::move(path));
}
void ScriptedUser::CancelFileDialog() {
    fileAnswers_.emplace_back(false, std::wstring());
}
void ScriptedUser::AnswerPopupMenu(UINT id) {
    menuAnswers_.push_back(id);
}
void ScriptedUser::CancelPopupMenu() {
    menuAnswers_.push_back(0);
}

int ScriptedUser::AskMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style) {
    MessageBoxRecord record{owner, text ? text : L"", caption ? caption : L"Error", style, 0};
    std::vector<int> buttons = ButtonsOf(style);
    record.answer = buttons.front();
    if (messageBoxAnswers_.empty()) {
        Fail(detail::Join("a message box nobody expected: ", Quote(record.caption), " ",
                          Quote(record.text)));
    } else {
        int answer = messageBoxAnswers_.front();
        messageBoxAnswers_.erase(messageBoxAnswers_.begin());
        if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end()) {
            Fail(detail::Join("the scripted answer ", std::to_string(answer),
                              " is not a button of message box ", Quote(record.text)));
        } else {
            record.answer = answer;
        }
    }
    messageBoxes_.push_back(record);
    return record.answer;
}

bool ScriptedUser::AskFileDialog(FileDialogRecord record, std::wstring& path) {
    if (fileAnswers_.empty()) {
        Fail(detail::Join("a file dialog nobody expected: ", Quote(record.title)));
        fileDialogs_.push_back(std::move(record));
        return false;
    }
    auto [chosen, answer] = fileAnswers_.front();
    fileAnswers_.erase(fileAnswers_.begin());
    record.answer = answer;
    fileDialogs_.push_back(std::move(record));
    path = answer;
    return chosen;
}

UINT ScriptedUser::ChoosePopupMenuItem(HMENU menu, UINT flags, int x, int y, HWND owner) {
    PopupMenuRecord record{menu, flags, POINT{x, y}, owner, 0, MenuWindowVisible()};
    if (menuAnswers_.empty()) {
        Fail("a pop-up menu nobody expected");
    } else {
        record.answer = menuAnswers_.front();
        menuAnswers_.erase(menuAnswers_.begin());
    }
    popupMenus_.push_back(record);
    return record.answer;
}

void ScriptedUser::RecordHelp(HelpRecord record) {
    helpCalls_.push_back(std::move(record));
}
void ScriptedUser::RecordShellExecute(ShellRecord record) {
    shellExecutions_.push_back(std::move(record));
}
void ScriptedUser::RecordBeep(UINT type) {
    beeps_.push_back(type);
}

void ScriptedUser::SetFailureHandler(FailureHandler handler) {
    failure_ = std::move(handler);
}

void ScriptedUser::Fail(const std::string& message) {
    if (failure_) {
        failure_(message);
        return;
    }
    std::fprintf(stderr, "scripted user: %s\n", message.c_str());
    std::fflush(stderr);
    std::abort();
}

template <class T>
void ScriptedUser::reportUnused(const std::vector<T>& queue, const char* what) {
    if (!queue.empty())
        Fail(detail::Join(std::to_string(queue.size()), " ", what,
                          " left unused at the end of the script"));
}

void ScriptedUser::Finish() {
    for (const auto& step : steps_)
        Fail(detail::Join("script step \"", step.first, "\" was never run"));
    reportUnused(messageBoxAnswers_, "message box answer(s)");
    reportUnused(fileAnswers_, "file dialog answer(s)");
    reportUnused(menuAnswers_, "pop-up menu answer(s)");
    steps_.clear();
    messageBoxAnswers_.clear();
    fileAnswers_.clear();
    menuAnswers_.clear();
    messageBoxes_.clear();
    fileDialogs_.clear();
    popupMenus_.clear();
    helpCalls_.clear();
    shellExecutions_.clear();
    beeps_.clear();
}

}  // namespace user
