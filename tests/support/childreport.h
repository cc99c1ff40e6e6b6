// Reading back what a forked child of a test wrote to a pipe, for tests that put limits or
// identities on a child so they stay out of the test process.
#pragma once

#include <sys/types.h>

#include <string>

namespace testsupport {

// Everything the child wrote to the pipe's read end `fd` until it closed its end, as wide
// characters; closes `fd` and reaps `child`.
std::wstring readChildReport(int fd, pid_t child);

}  // namespace testsupport
