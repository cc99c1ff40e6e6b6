// The module's own instance handle, set when the library is attached and cleared when it is
// detached. Code that loads this module's resources (string table, dialog templates, bitmaps,
// icons) passes it on.
#pragma once

#include "rebar/host/afx.h"

namespace rebar {
HINSTANCE moduleInstance();
}
