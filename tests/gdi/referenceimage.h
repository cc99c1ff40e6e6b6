// Reference-image checks for drawing tests: a surface is compared with the committed picture
// `references/<name>.png` of the running suite's source folder (tests run there). On a mismatch
// the test fails and `<name>.out.png` (what was drawn) and `<name>.diff.png` (differing pixels
// in red) are written under the build tree's test-output/<suite folder>/ for a person to look.
// With REBAR_UPDATE_REFERENCES=1 in the environment the references are rewritten instead.
#pragma once

#include <string>

#include "gdi/surface.h"

// Another folder of reference pictures may be given.
void ExpectMatchesReference(const gdi::Surface& surface, const std::string& name,
                            const std::string& referenceDir = "references");
