// Running part of a test in a forked child, so that the limits or identities it takes stay
// out of the test process, and reading back what the child reported.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace testsupport {

// Runs `body` in a forked child and returns the text it returned, or nothing when the child
// could not be started or ended without reporting.
std::optional<std::wstring> reportFromChild(const std::function<std::wstring()>& body);

}  // namespace testsupport
