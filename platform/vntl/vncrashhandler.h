// Reports a failure that a guarded function absorbed: where it was caught, what was thrown
// and which trace entries were open. Each report is appended to the crash log, a text file
// the user can send to support, and kept in memory for the host (and tests) to inspect.
#pragma once

#include <string>
#include <vector>

struct CVnCrashReport {
    std::wstring sourceFile;
    int line = 0;
    std::wstring what;                // the exception's message, when it carried one
    std::vector<std::wstring> trace;  // open trace entries, outermost first
    std::wstring time;                // local time, "YYYY-MM-DD HH:MM:SS"
};

class CVnCrashHandler {
public:
    // Reports at once; the object itself holds nothing afterwards. Call it inside a catch
    // block so that the exception in flight can be described.
    CVnCrashHandler(const wchar_t* sourceFile, int line);
    ~CVnCrashHandler() = default;
    CVnCrashHandler(const CVnCrashHandler&) = delete;
    CVnCrashHandler& operator=(const CVnCrashHandler&) = delete;

    static const std::vector<CVnCrashReport>& reports();
    static void clearReports();

    // The crash log: VNTL_CRASH_LOG if set, else $XDG_STATE_HOME/vntl/crash.log, else
    // ~/.local/state/vntl/crash.log. An empty path keeps reports in memory only.
    static std::string logPath();
    static void setLogPath(const std::string& path);
};
