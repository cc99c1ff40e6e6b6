#include <cstdlib>
#include <filesystem>
#include <string>

#include "user/shlobj.h"
#include "win/diagnostics.h"
#include "win/utf8.h"

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string FolderOf(int csidl) {
    std::string home = Environment("HOME");
    if (csidl == CSIDL_PERSONAL) {
        if (home.empty()) return "";
        std::error_code error;
        std::string documents = home + "/Documents";
        return std::filesystem::is_directory(documents, error) ? documents : home;
    }
    if (csidl == CSIDL_APPDATA) {
        std::string config = Environment("XDG_CONFIG_HOME");
        return !config.empty() ? config : home.empty() ? "" : home + "/.config";
    }
    AfxNotSupported("SHGetFolderPathW for this folder");
}

}  // namespace

HRESULT SHGetFolderPathW(HWND, int csidl, HANDLE, DWORD, LPWSTR pszPath) {
    if (!pszPath) return E_INVALIDARG;
    pszPath[0] = 0;
    std::wstring path = Utf8ToWide(FolderOf(csidl & 0xFF));
    if (path.empty() || path.size() >= MAX_PATH) return E_FAIL;
    path.copy(pszPath, path.size());
    pszPath[path.size()] = 0;
    return S_OK;
}
