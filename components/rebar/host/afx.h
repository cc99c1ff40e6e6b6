// The module's view of the Windows and MFC platform. Module code includes the platform only
// through the headers of this folder, so that another build can point them elsewhere.
#pragma once

#include "win/arrays.h"
#include "win/crt.h"
#include "win/cstring.h"
#include "win/diagnostics.h"
#include "win/guid.h"
#include "win/module.h"
#include "win/strcoll.h"
#include "win/variant.h"
#include "win/windef.h"
