// The kinds of picture that "rebarcat render" draws, one function per control. Each takes the
// words after "render" (the kind first) and writes the PNG named last.
#pragma once

#include <iosfwd>
#include <string>

#include "afx/afxwin.h"
#include "cli.h"

namespace rebarcat {

// Destroys the window a picture was drawn from (with the controls on it) and says whether the
// picture was written to `path`; the exit code.
int finishPicture(CWnd& parent, bool written, const std::string& path, std::ostream& out,
                  std::ostream& err);

int renderButton(Arguments& arguments, std::ostream& out, std::ostream& err);
int renderBarType(Arguments& arguments, std::ostream& out, std::ostream& err);
int renderBarEdit(Arguments& arguments, std::ostream& out, std::ostream& err);
int renderGrid(Arguments& arguments, std::ostream& out, std::ostream& err);

}  // namespace rebarcat
