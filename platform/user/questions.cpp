// The calls a person answers or that start something outside the program: message boxes, file
// dialogs, help and shell executions. They go to the scripted user.
#include <algorithm>
#include <string>

#include "user/commdlg.h"
#include "user/scripteduser.h"
#include "user/shellapi.h"

namespace {

DWORD g_commDlgError = 0;

// A filter list is pairs of strings ended by an empty one; it is recorded with '|' between them.
std::wstring FilterText(LPCWSTR filter) {
    std::wstring text;
    for (LPCWSTR p = filter; p && *p; p += std::wcslen(p) + 1) {
        if (!text.empty()) text += L'|';
        text += p;
    }
    return text;
}

std::wstring Or(LPCWSTR s) {
    return s ? s : L"";
}

BOOL AskFile(LPOPENFILENAMEW ofn, bool save) {
    g_commDlgError = 0;
    if (!ofn || ofn->lStructSize != sizeof(OPENFILENAMEW)) {
        g_commDlgError = CDERR_STRUCTSIZE;
        return FALSE;
    }
    user::FileDialogRecord record{save,
                                  FilterText(ofn->lpstrFilter),
                                  ofn->nFilterIndex,
                                  ofn->Flags,
                                  Or(ofn->lpstrInitialDir),
                                  Or(ofn->lpstrTitle),
                                  Or(ofn->lpstrDefExt),
                                  L""};
    std::wstring path;
    if (!user::ScriptedUser::Get().AskFileDialog(std::move(record), path)) return FALSE;
    if (!ofn->lpstrFile || path.size() + 1 > ofn->nMaxFile) {
        g_commDlgError = FNERR_BUFFERTOOSMALL;
        return FALSE;
    }
    std::copy(path.c_str(), path.c_str() + path.size() + 1, ofn->lpstrFile);
    std::size_t slash = path.find_last_of(L"\\/");
    std::size_t name = slash == std::wstring::npos ? 0 : slash + 1;
    std::size_t dot = path.find_last_of(L'.');
    ofn->nFileOffset = static_cast<WORD>(name);
    ofn->nFileExtension = static_cast<WORD>(dot == std::wstring::npos || dot < name ? 0 : dot + 1);
    if (ofn->lpstrFileTitle && ofn->nMaxFileTitle > 0) {
        std::wstring title = path.substr(name).substr(0, ofn->nMaxFileTitle - 1);
        std::copy(title.c_str(), title.c_str() + title.size() + 1, ofn->lpstrFileTitle);
    }
    return TRUE;
}

}  // namespace

int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
    return user::ScriptedUser::Get().AskMessageBox(hWnd, lpText, lpCaption, uType);
}

BOOL WinHelpW(HWND, LPCWSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) {
    user::ScriptedUser::Get().RecordHelp({L"WinHelp", uCommand, Or(lpszHelp), dwData});
    return TRUE;
}

BOOL GetOpenFileNameW(LPOPENFILENAMEW lpofn) {
    return AskFile(lpofn, false);
}
BOOL GetSaveFileNameW(LPOPENFILENAMEW lpofn) {
    return AskFile(lpofn, true);
}
DWORD CommDlgExtendedError() {
    return g_commDlgError;
}

namespace {
// Values above 32 mean success, as ShellExecute's documented return.
HINSTANCE RecordShell(user::ShellRecord record) {
    user::ScriptedUser::Get().RecordShellExecute(std::move(record));
    return reinterpret_cast<HINSTANCE>(static_cast<UINT_PTR>(42));
}
}  // namespace

HINSTANCE ShellExecuteW(HWND, LPCWSTR lpOperation, LPCWSTR lpFile, LPCWSTR lpParameters,
                        LPCWSTR lpDirectory, int nShowCmd) {
    return RecordShell({Or(lpOperation), Or(lpFile), Or(lpParameters), Or(lpDirectory), nShowCmd});
}

BOOL ShellExecuteExW(SHELLEXECUTEINFOW* pExecInfo) {
    if (!pExecInfo || pExecInfo->cbSize != sizeof(SHELLEXECUTEINFOW)) return FALSE;
    pExecInfo->hInstApp =
        RecordShell({Or(pExecInfo->lpVerb), Or(pExecInfo->lpFile), Or(pExecInfo->lpParameters),
                     Or(pExecInfo->lpDirectory), pExecInfo->nShow, pExecInfo->fMask});
    pExecInfo->hProcess = nullptr;
    return TRUE;
}
