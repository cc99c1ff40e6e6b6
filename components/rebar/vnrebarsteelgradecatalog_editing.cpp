// Editing bars: insertion, modification and removal with the host's in-use check. Changes go
// to the container at once; each one it accepts renews the catalogue's date and version.
#include "rebar/host/cad.h"
#include "rebar/vnguard.h"
#include "rebar/vnrebarsteelgradecatalog.h"

#define VN_GUARD_SOURCE L"components\\rebar\\vnrebarsteelgradecatalog_editing.cpp"
#define GUARD(member) VN_GUARD_SITE(CVnRebarSteelGradeCatalog, member)

namespace {

using Getter = double (CVnRebarSteelGrade::*)();

// The bar columns an insertion fills from the record; other columns start at 0.
const std::pair<const wchar_t*, Getter> kInsertedColumns[] = {
    {L"Diameter_Nominal", &CVnRebarSteelGrade::diameterNom},
    {L"Diameter_Real", &CVnRebarSteelGrade::diameterReal},
    {L"Stirrup/Hook", &CVnRebarSteelGrade::etrierCadre},
    {L"Anchor", &CVnRebarSteelGrade::anchor},
    {L"Bend", &CVnRebarSteelGrade::bend},
    {L"LengthAnchor", &CVnRebarSteelGrade::lengthAnchor},
    {L"Weight", &CVnRebarSteelGrade::weight},
    {L"Section", &CVnRebarSteelGrade::surface},
    {L"Perimeter", &CVnRebarSteelGrade::perimeter},
    {L"MinimalEndLeg", &CVnRebarSteelGrade::MinimalEndLeg},
    {L"MinimalInterLeg", &CVnRebarSteelGrade::MinimalInterLeg},
    {L"MinimalStraightBar", &CVnRebarSteelGrade::MinimalStraightBar},
};

// Asks the host whether the bar is in use: the callback given, else the catalogue's own.
// Without either nobody can vouch that the bar is unused, so it counts as in use.
std::vector<bool> askUsage(UsageCallback callback, UsageCallback own, const wchar_t* family,
                           const wchar_t* name) {
    UsageCallback ask = callback ? callback : own;
    if (!ask) return {true};
    return ask(family ? family : L"", {name ? name : L""});
}

}  // namespace

bool CVnRebarSteelGradeCatalog::RemoveSteelgrade(const wchar_t* name, const wchar_t* family) {
    return rebar::guarded(GUARD(RemoveSteelgrade), [&] {
        CString table;
        Row row;
        bool found = InternalFindSteelgrade(name, family, table, row) != -1;
        if (found && m_pMdbContainer &&
            m_pMdbContainer->deleteLine(table, L"Name", COleVariant(name)))
            UpdateStamp();
        return found;
    });
}

CVnRebarSteelGradeCatalog::DeleteStatus CVnRebarSteelGradeCatalog::RemoveSteelgradeIfUnused(
    const wchar_t* name, const wchar_t* family, UsageCallback callback) {
    return rebar::guarded(GUARD(RemoveSteelgradeIfUnused), [&] {
        CString table;
        Row row;
        if (InternalFindSteelgrade(name, family, table, row) < 0) return NotDeleted;
        std::vector<bool> used = askUsage(callback, m_pfnUsageCallback, family, name);
        if (used.empty()) return Deleted;  // the host answered nothing: nothing to remove
        if (used.front()) return InUse;
        if (m_pMdbContainer && m_pMdbContainer->deleteLine(table, L"Name", COleVariant(name)))
            UpdateStamp();
        return Deleted;
    });
}

CVnRebarSteelGradeCatalog::DeleteStatus CVnRebarSteelGradeCatalog::InvestigateSteelgradeIfUnused(
    const wchar_t* name, const wchar_t* family, UsageCallback callback) {
    return rebar::guarded(GUARD(InvestigateSteelgradeIfUnused), [&] {
        CString table;
        Row row;
        if (InternalFindSteelgrade(name, family, table, row) < 0) return NotDeleted;
        std::vector<bool> used = askUsage(callback, m_pfnUsageCallback, family, name);
        return !used.empty() && used.front() ? InUse : NotDeleted;
    });
}

bool CVnRebarSteelGradeCatalog::ModifySteelgrade(const wchar_t* name, const wchar_t* family,
                                                 CVnRebarSteelGrade* record) {
    return rebar::guarded(GUARD(ModifySteelgrade), [&] {
        CString table;
        Row row;
        int index = InternalFindSteelgrade(name, family, table, row);
        if (index < 0 || !ModifyTableFromSteelgrade(row, index, record)) return false;
        if (m_pMdbContainer && m_pMdbContainer->setTableLine(table, index, row)) UpdateStamp();
        return true;
    });
}

bool CVnRebarSteelGradeCatalog::ModifyTableFromSteelgrade(Row& row, int /*index*/,
                                                          CVnRebarSteelGrade* record) {
    return rebar::guarded(GUARD(ModifyTableFromSteelgrade), [&] {
        if (!record) return false;
        bool changed = false;
        record->Export(row, changed);
        if (changed) {
            CString diameter;
            diameter.Format(L"%.0f", record->diameterNom());
            CString family = record->family();
            m_modifiedDiametersPool.AddNominalDiameter(family.MakeUpper(), diameter.MakeUpper());
        }
        return changed;
    });
}

bool CVnRebarSteelGradeCatalog::InsertSteelgrade(CVnRebarSteelGrade* record, bool ignoreExisting) {
    return rebar::guarded(GUARD(InsertSteelgrade), [&] {
        if (!record || !m_pMdbContainer) return false;
        CString family = record->family();
        CString table;
        Row row;
        bool existing =
            !ignoreExisting && InternalFindSteelgrade(record->name(), family, table, row) != -1;
        if (!existing) {
            table = family;
            CStringArray columns;
            m_pMdbContainer->getTableFiends(table, columns);
            for (INT_PTR i = 0; i < columns.GetSize(); ++i)
                row[columns[i]] = InsertedCell(columns[i], *record);
        }
        if (!ModifyTableFromSteelgrade(row, -1, record)) return false;
        // Reports whether the container took the new row.
        if (!m_pMdbContainer->addLine(table, row, L"Name")) return false;
        UpdateStamp();
        return true;
    });
}

COleVariant CVnRebarSteelGradeCatalog::InsertedCell(const CString& column,
                                                    CVnRebarSteelGrade& record) {
    if (column.CompareNoCase(L"Name") == 0) {
        CString name;
        SubStringReplace(record.name(), L"'", L"''", name);
        return COleVariant(name);
    }
    for (const auto& [barColumn, getter] : kInsertedColumns)
        if (column.CompareNoCase(barColumn) == 0) return COleVariant((record.*getter)());
    return COleVariant(0.0);
}

void CVnRebarSteelGradeCatalog::SubStringReplace(const wchar_t* source, const wchar_t* find,
                                                 const wchar_t* replacement, CString& result) {
    rebar::guarded(GUARD(SubStringReplace), [&] {
        result.Empty();
        std::wstring_view text(source ? source : L"");
        std::wstring_view sought(find ? find : L"");
        if (sought.empty()) {
            result = source;
            return;
        }
        size_t from = 0;
        for (size_t at = text.find(sought); at != std::wstring_view::npos;
             at = text.find(sought, from)) {
            result += CString(text.data() + from, static_cast<int>(at - from));
            result += replacement;
            from = at + sought.size();
        }
        result += CString(text.data() + from, static_cast<int>(text.size() - from));
    });
}
