// The system's shared cursors and icons (IDC_*, IDI_*): small drawings of their own, distinct
// from one another, standing for the pictures of the Windows theme.
#pragma once

#include "gdi/gditypes.h"

namespace gdi {

// Null for an id the system has no image for.
HICON systemImage(LPCWSTR id, bool icon);

}  // namespace gdi
