#include "vntl/vncrashhandler.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>

#include "vntl/vnlogentry.h"
#include "win/utf8.h"

namespace {

std::vector<CVnCrashReport>& allReports() {
    static std::vector<CVnCrashReport> reports;
    return reports;
}

std::optional<std::string>& chosenLogPath() {
    static std::optional<std::string> path;
    return path;
}

std::string defaultLogPath() {
    if (const char* path = std::getenv("VNTL_CRASH_LOG")) return path;
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && *state)
        return std::string(state) + "/vntl/crash.log";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.local/state/vntl/crash.log";
    return {};
}

std::wstring describeCurrentException() {
    try {
        if (auto exception = std::current_exception()) std::rethrow_exception(exception);
    } catch (const std::exception& e) {
        return Utf8ToWide(e.what());
    } catch (...) {
        return L"unknown exception";
    }
    return {};
}

std::wstring localTimeText() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    wchar_t buffer[32];
    std::wcsftime(buffer, 32, L"%Y-%m-%d %H:%M:%S", &local);
    return buffer;
}

void appendToLog(const CVnCrashReport& report) {
    std::string path = CVnCrashHandler::logPath();
    if (path.empty()) return;
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    std::ofstream log(path, std::ios::app);
    if (!log) return;
    log << WideToUtf8(report.time) << " caught at " << WideToUtf8(report.sourceFile) << ":"
        << report.line << ": " << WideToUtf8(report.what) << "\n";
    for (const auto& entry : report.trace) log << "    in " << WideToUtf8(entry) << "\n";
    std::fprintf(stderr, "An internal error was caught at %s:%d; details in %s\n",
                 WideToUtf8(report.sourceFile).c_str(), report.line, path.c_str());
}

}  // namespace

CVnCrashHandler::CVnCrashHandler(const wchar_t* sourceFile, int line) {
    CVnCrashReport report;
    report.sourceFile = sourceFile ? sourceFile : L"";
    report.line = line;
    report.what = describeCurrentException();
    report.trace = CVnLogEntry::openEntries();
    report.time = localTimeText();
    appendToLog(report);
    allReports().push_back(std::move(report));
}

const std::vector<CVnCrashReport>& CVnCrashHandler::reports() {
    return allReports();
}

void CVnCrashHandler::clearReports() {
    allReports().clear();
}

std::string CVnCrashHandler::logPath() {
    return chosenLogPath() ? *chosenLogPath() : defaultLogPath();
}

void CVnCrashHandler::setLogPath(const std::string& path) {
    chosenLogPath() = path;
}
