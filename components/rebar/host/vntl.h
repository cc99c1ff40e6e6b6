// The module's view of the maker's shared libraries: prompts, tracing, crash reports and
// resource overrides, variant conversions.
#pragma once

#include "vntl/varianttools.h"
#include "vntl/vncrashhandler.h"
#include "vntl/vnlogentry.h"
#include "vntl/vnprojectsettings.h"
#include "vntl/vnprompts.h"
#include "vntl/vntlwrapperunitmanager.h"
#include "vntl/vntoolsresoverride.h"
#include "vntl/vnunit.h"
#include "vntl/vnunitmanager.h"
