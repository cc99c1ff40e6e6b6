// Names as people type them: family, bar and standard names resolved to the catalogue's own
// spelling, ignoring letter case in every script, before the catalogue is asked. The
// catalogue itself keeps its exact keys (its units, for one, are found by the exact family).
#pragma once

#include <string>
#include <vector>

#include "rebar/vnrebarsteelgradecatalog.h"

class VNTLMdbContainer;

namespace rebarcat {

// A name as the catalogue spells it: its own spelling when it has the name in some letter
// case (an exact match first), otherwise the name as typed.
CString resolveFamily(CVnRebarSteelGradeCatalog& catalog, const std::string& typed);
CString resolveBar(CVnRebarSteelGradeCatalog& catalog, const CString& family,
                   const std::string& typed);
CString resolveStandard(CVnRebarSteelGradeCatalog& catalog, VNTLMdbContainer& container,
                        const std::string& typed);

// One design standard of a catalogue: the families that follow it and whether the catalogue
// holds its hook table.
struct StandardEntry {
    CString name;
    std::vector<CString> families;
    bool hookTable = false;
};
// Every standard a family follows (in family order), then those with only a hook table.
std::vector<StandardEntry> catalogueStandards(CVnRebarSteelGradeCatalog& catalog,
                                              VNTLMdbContainer& container);

// Whether the standard designates bars by name ("5" for #5, "15" for 15M).
bool namesBars(const CString& standard);

}  // namespace rebarcat
