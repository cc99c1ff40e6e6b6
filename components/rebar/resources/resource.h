// Resource ids of the module.
#pragma once

// Prompt ids of the module's string table (texts in rebar_strings.cpp).
#define IDS_REBAR_FIRST 12001
#define IDS_REBAR_LAST 12052
