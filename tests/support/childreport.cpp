#include "support/childreport.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

namespace testsupport {

std::optional<std::wstring> reportFromChild(const std::function<std::wstring()>& body) {
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        // A leading mark tells a report, even an empty one, from a child that died silently.
        const std::wstring report = L"R" + body();
        const auto* bytes = reinterpret_cast<const char*>(report.data());
        std::size_t left = report.size() * sizeof(wchar_t);
        for (ssize_t wrote; left > 0 && (wrote = ::write(channel[1], bytes, left)) > 0;)
            bytes += wrote, left -= static_cast<std::size_t>(wrote);
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string received;
    char buffer[512];
    for (ssize_t got; child > 0 && (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        received.append(buffer, static_cast<std::size_t>(got));
    ::close(channel[0]);
    if (child < 0 || ::waitpid(child, nullptr, 0) != child) return std::nullopt;
    std::wstring report(received.size() / sizeof(wchar_t), L'\0');
    std::memcpy(report.data(), received.data(), report.size() * sizeof(wchar_t));
    if (report.empty() || report[0] != L'R') return std::nullopt;
    return report.substr(1);
}

}  // namespace testsupport
