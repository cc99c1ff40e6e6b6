#include "support/childreport.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

namespace testsupport {

std::wstring readChildReport(int fd, pid_t child) {
    std::string received;
    char buffer[512];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        received.append(buffer, static_cast<std::size_t>(got));
    ::close(fd);
    int status = 0;
    ::waitpid(child, &status, 0);
    std::wstring report(received.size() / sizeof(wchar_t), L'\0');
    std::memcpy(report.data(), received.data(), report.size() * sizeof(wchar_t));
    return report;
}

}  // namespace testsupport
