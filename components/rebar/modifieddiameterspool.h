// The nominal diameters of which families were changed through a catalogue object. The host
// asks it after an edit session which bars it must revisit in the drawing.
#pragma once

#include <map>
#include <set>

#include "rebar/host/afx.h"
#include "rebar/rebarapi.h"

class REBAR_API CModifiedDiametersPool {
public:
    CModifiedDiametersPool() = default;
    CModifiedDiametersPool(const CModifiedDiametersPool&) = default;
    CModifiedDiametersPool& operator=(const CModifiedDiametersPool&) = default;
    virtual ~CModifiedDiametersPool() = default;

    // True from the first AddNominalDiameter on; nothing resets it.
    bool isModified();
    // Records the pair, compared later exactly as given (case and spelling of the diameter
    // text matter: the catalogue passes the family upper-cased and the diameter as "%.0f").
    bool AddNominalDiameter(const CString& family, const CString& diameter);
    bool FindNominalDiameter(const CString& family, const CString& diameter);
    // Removes nothing and answers false: a diameter once changed stays changed for the host.
    bool DeleteNominalDiameter(const CString& family, const CString& diameter);

private:
    bool FindFamily(const CString& family);
    bool AddFamily(const CString& family);

    std::map<CString, std::set<CString>> m_families;
    bool m_bModified = false;
};
