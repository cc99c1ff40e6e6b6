// The module's view of the maker's grid layer and the grid component beneath it: the grid,
// its transfers, controller, column descriptors and cell exchanges.
#pragma once

#include "grid/gxgridhandlewnd.h"
#include "grid/gxgridparam.h"
#include "grid/vncelldataexchangestring.h"
#include "grid/vncelldataexchangeunit.h"
#include "grid/vngridcontroller.h"
#include "grid/vngridcore.h"
#include "grid/vngridtransfer.h"
