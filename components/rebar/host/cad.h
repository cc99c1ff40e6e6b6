// The module's view of the CAD host: the working database, opening its objects, the current
// document, and the drawing's catalogue containers.
#pragma once

#include "cad/dbopen.h"
#include "cad/docmanager.h"
#include "cad/document.h"
#include "cad/hostservices.h"
#include "vntl/vntlconfigtools.h"
#include "vntl/vntlmdbcontainer.h"
