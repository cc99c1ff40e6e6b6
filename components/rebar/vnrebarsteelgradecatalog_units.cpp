// Units pool and per-document caches: in which unit each family stores each parameter, read
// from the "Units" table once per drawing document and shared by every catalogue object
// while that document is current.
#include <optional>
#include <unordered_map>

#include "rebar/host/cad.h"
#include "rebar/vnguard.h"
#include "rebar/vnrebarsteelgradecatalog.h"

#define VN_GUARD_SOURCE L"components\\rebar\\vnrebarsteelgradecatalog_units.cpp"
#define GUARD(member) VN_GUARD_SITE(CVnRebarSteelGradeCatalog, member)

std::map<AcApDocument*, std::unique_ptr<CVnRebarSteelGradeCatalog::_PerDocMapsStruct>>
    CVnRebarSteelGradeCatalog::m_mapPerDocData;

namespace {

const wchar_t kUnits[] = L"Units";

AcApDocument* currentDocument() {
    return acDocManagerPtr()->curDocument();
}

// The families of the "Units" table, one per row, from its column called "Family" in any case.
void readFamilies(VNTLMdbContainer& container, const CStringArray& columns,
                  CStringArray& families) {
    for (INT_PTR i = 0; i < columns.GetSize(); ++i) {
        if (columns[i].CompareNoCase(L"Family") == 0) {
            container.getColumnAsString(kUnits, columns[i], families);
            return;
        }
    }
}

}  // namespace

bool CVnRebarSteelGradeCatalog::FillUnitsPool(UnitsPool& pool) {
    return rebar::guarded(GUARD(FillUnitsPool), [&] {
        pool.clear();
        CStringArray columns, families;
        if (!m_pMdbContainer || !m_pMdbContainer->getTableFiends(kUnits, columns)) return false;
        readFamilies(*m_pMdbContainer, columns, families);
        // Hundreds of families repeat the same few unit texts ("mm", "kg/m"): each distinct
        // text is parsed once per fill; nullopt marks one that is no unit.
        std::unordered_map<std::wstring, std::optional<CVnUnit>> parsed;
        for (INT_PTR c = 0; c < columns.GetSize(); ++c) {
            CStringArray cells;
            if (!m_pMdbContainer->getColumnAsString(kUnits, columns[c], cells) ||
                cells.GetSize() != families.GetSize())
                continue;
            for (INT_PTR row = 0; row < cells.GetSize(); ++row) {
                if (cells[row].IsEmpty()) continue;
                auto [entry, fresh] = parsed.try_emplace(StdText(cells[row]));
                if (CVnUnit unit;
                    fresh && CVnUnitManager::UnitFromString(cells[row], unit, 1.0) == 0)
                    entry->second = unit;
                if (!entry->second) continue;
                // The first row that names a family wins for each parameter.
                pool[StdText(families[row])].emplace(StdText(columns[c]),
                                                     UNITINFO{*entry->second, {}});
            }
        }
        return !pool.empty();
    });
}

bool CVnRebarSteelGradeCatalog::FillUnitsPool() {
    return rebar::guarded(GUARD(FillUnitsPool), [] { return true; });
}

CVnRebarSteelGradeCatalog::_PerDocMapsStruct* CVnRebarSteelGradeCatalog::getMapsStruct() {
    return rebar::guarded(GUARD(getMapsStruct), [&]() -> _PerDocMapsStruct* {
        AcApDocument* document = currentDocument();
        if (!document) return nullptr;
        auto& maps = m_mapPerDocData[document];
        if (!maps) maps = std::make_unique<_PerDocMapsStruct>();
        return maps.get();
    });
}

CVnRebarSteelGradeCatalog::UnitsPool* CVnRebarSteelGradeCatalog::getMapUnits() {
    return rebar::guarded(GUARD(getMapUnits), [&]() -> UnitsPool* {
        static UnitsPool withoutDocument;
        _PerDocMapsStruct* maps = getMapsStruct();
        if (!maps) return &withoutDocument;
        // An empty or missing "Units" table is read again next time.
        if (!maps->unitsFilled) maps->unitsFilled = FillUnitsPool(maps->mapUnits);
        return &maps->mapUnits;
    });
}

bool CVnRebarSteelGradeCatalog::GetParameterUnit(CString family, CString parameter, CVnUnit& unit,
                                                 double metricsFactor) {
    return rebar::guarded(GUARD(GetParameterUnit), [&] {
        UnitsPool* pool = getMapUnits();
        if (!pool) return false;
        auto units = pool->find(StdText(family));
        if (units == pool->end()) return false;
        auto entry = units->second.find(StdText(parameter));
        if (entry == units->second.end()) return false;
        CVnUnit found = entry->second.unit;
        found.SetMetricsFactor(metricsFactor);
        unit = found;
        return true;
    });
}

void CVnRebarSteelGradeCatalog::SetChangeRule(bool filled) {
    rebar::guarded(GUARD(SetChangeRule), [&] {
        if (_PerDocMapsStruct* maps = getMapsStruct()) maps->rulesFilled = filled;
    });
}

void CVnRebarSteelGradeCatalog::SetChangeRuleName(bool filled) {
    rebar::guarded(GUARD(SetChangeRuleName), [&] {
        if (_PerDocMapsStruct* maps = getMapsStruct()) maps->ruleNamesFilled = filled;
    });
}

CVnRebarSteelGradeCatalog::_PerDocMapsStruct* CVnRebarSteelGradeCatalog::findMapsStruct(
    AcApDocument* document) {
    if (!document) document = currentDocument();
    auto entry = document ? m_mapPerDocData.find(document) : m_mapPerDocData.end();
    return entry == m_mapPerDocData.end() ? nullptr : entry->second.get();
}

void CVnRebarSteelGradeCatalog::clearMaps(AcApDocument* document) {
    rebar::guarded(GUARD(clearMaps), [&] {
        if (_PerDocMapsStruct* maps = findMapsStruct(document)) {
            AcApDocument* key = document ? document : currentDocument();
            maps->mapUnits.clear();
            maps->mapRule.clear();
            maps->mapRuleName.clear();
            m_mapPerDocData.erase(key);
        }
    });
}

void CVnRebarSteelGradeCatalog::clearRuleMap(AcApDocument* document) {
    rebar::guarded(GUARD(clearRuleMap), [&] {
        if (_PerDocMapsStruct* maps = findMapsStruct(document)) {
            maps->mapRule.clear();
            maps->rulesFilled = false;
        }
    });
}

bool CVnRebarSteelGradeCatalog::GetAreMillAndMaxStockLengthValid() {
    return rebar::guarded(GUARD(GetAreMillAndMaxStockLengthValid),
                          [&] { return AreMillAndMaxStockLengthValid; });
}

void CVnRebarSteelGradeCatalog::SetAreMillAndMaxStockLengthValid(bool valid) {
    rebar::guarded(GUARD(SetAreMillAndMaxStockLengthValid),
                   [&] { AreMillAndMaxStockLengthValid = valid; });
}
