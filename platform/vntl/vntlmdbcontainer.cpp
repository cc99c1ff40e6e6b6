#include "vntl/vntlmdbcontainer.h"

#include <limits>

#include "vntl/tablestore.h"
#include "vntl/varianttools.h"

ACRX_NO_CONS_DEFINE_MEMBERS(VNTLMdbContainer, AcDbObject)

namespace {

std::wstring text(const CString& s) {
    return std::wstring(s.GetString(), s.GetLength());
}

COleVariant toVariant(const vntl::Cell& cell) {
    if (auto integer = std::get_if<long long>(&cell)) {
        if (*integer >= std::numeric_limits<LONG>::min() &&
            *integer <= std::numeric_limits<LONG>::max())
            return COleVariant(static_cast<LONG>(*integer));
        return COleVariant(static_cast<double>(*integer));
    }
    if (auto real = std::get_if<double>(&cell)) return COleVariant(*real);
    if (auto string = std::get_if<std::wstring>(&cell)) return COleVariant(string->c_str());
    return COleVariant();
}

vntl::Cell toCell(const VARIANT& value) {
    switch (value.vt) {
        case VT_BSTR:
            return std::wstring(value.bstrVal ? value.bstrVal : L"");
        case VT_R8:
            return value.dblVal;
        case VT_R4:
            return static_cast<double>(value.fltVal);
        case VT_I4:
            return static_cast<long long>(value.lVal);
        case VT_I2:
            return static_cast<long long>(value.iVal);
        case VT_I8:
            return static_cast<long long>(value.llVal);
        case VT_UI1:
            return static_cast<long long>(value.bVal);
        case VT_BOOL:
            return static_cast<long long>(value.boolVal ? 1 : 0);
        default:
            return std::monostate{};
    }
}

void toRow(const vntl::Row& cells, VNTLMdbContainer::Row& row) {
    for (const auto& [column, cell] : cells) row[CString(column.c_str())] = toVariant(cell);
}

vntl::Row toCells(const VNTLMdbContainer::Row& row) {
    vntl::Row cells;
    for (const auto& [column, value] : row) cells[text(column)] = toCell(value);
    return cells;
}

}  // namespace

VNTLMdbContainer::VNTLMdbContainer() : m_store(std::make_unique<vntl::TableStore>()) {}

VNTLMdbContainer::~VNTLMdbContainer() = default;

// Every call records its outcome, so getLastError() speaks of the latest failure only.
#define VNTL_RESULT(expression)                     \
    [&] {                                           \
        auto ok = (expression);                     \
        m_lastError = m_store->lastError().c_str(); \
        return ok;                                  \
    }()

bool VNTLMdbContainer::Initialize(const CString& path) {
    return VNTL_RESULT(m_store->open(text(path)));
}

CString VNTLMdbContainer::getName() const {
    return CString(m_store->path().c_str());
}

bool VNTLMdbContainer::getTableList(CStringArray& tables) {
    std::vector<std::wstring> names;
    if (!VNTL_RESULT(m_store->tables(names))) return false;
    for (const auto& name : names) tables.Add(name.c_str());
    return true;
}

bool VNTLMdbContainer::getTableFiends(const CString& table, CStringArray& columns) {
    std::vector<std::wstring> names;
    if (!VNTL_RESULT(m_store->columns(text(table), names))) return false;
    for (const auto& name : names) columns.Add(name.c_str());
    return true;
}

bool VNTLMdbContainer::getTableLinesColumnsCount(const CString& table, int& rows, int& columns) {
    return VNTL_RESULT(m_store->counts(text(table), rows, columns));
}

bool VNTLMdbContainer::getColumnAsString(const CString& table, const CString& column,
                                         CStringArray& values) {
    std::vector<vntl::Cell> cells;
    if (!VNTL_RESULT(m_store->column(text(table), text(column), cells))) return false;
    for (const auto& cell : cells) values.Add(VariantToString(toVariant(cell)));
    return true;
}

bool VNTLMdbContainer::getColumnAsDouble(const CString& table, const CString& column,
                                         std::vector<double>& values) {
    std::vector<vntl::Cell> cells;
    if (!VNTL_RESULT(m_store->column(text(table), text(column), cells))) return false;
    for (const auto& cell : cells) values.push_back(VariantToDouble(toVariant(cell)));
    return true;
}

bool VNTLMdbContainer::getColumnAsLong(const CString& table, const CString& column,
                                       CDWordArray& values) {
    std::vector<vntl::Cell> cells;
    if (!VNTL_RESULT(m_store->column(text(table), text(column), cells))) return false;
    for (const auto& cell : cells) {
        double value = VariantToDouble(toVariant(cell));
        values.Add(static_cast<DWORD>(static_cast<long long>(value)));
    }
    return true;
}

bool VNTLMdbContainer::setColumnAsString(const CString& table, const CString& column,
                                         const CStringArray& values) {
    std::vector<vntl::Cell> cells;
    for (INT_PTR i = 0; i < values.GetSize(); ++i) cells.emplace_back(text(values[i]));
    return VNTL_RESULT(m_store->setColumn(text(table), text(column), cells));
}

bool VNTLMdbContainer::getTableLine(const CString& table, int index, Row& row) {
    vntl::Row cells;
    if (!VNTL_RESULT(m_store->row(text(table), index, cells))) return false;
    toRow(cells, row);
    return true;
}

int VNTLMdbContainer::getTableLine(const CString& table, const CString& column,
                                   const COleVariant& value, Row& row) {
    vntl::Row cells;
    int index = VNTL_RESULT(m_store->findRow(text(table), text(column), toCell(value), cells));
    if (index >= 0) toRow(cells, row);
    return index;
}

bool VNTLMdbContainer::setTableLine(const CString& table, int index, const Row& row) {
    return VNTL_RESULT(m_store->setRow(text(table), index, toCells(row)));
}

bool VNTLMdbContainer::addLine(const CString& table, const Row& row, const CString& keyColumn) {
    return VNTL_RESULT(m_store->addRow(text(table), toCells(row), text(keyColumn)));
}

bool VNTLMdbContainer::deleteLine(const CString& table, const CString& column,
                                  const COleVariant& value) {
    return VNTL_RESULT(m_store->deleteRows(text(table), text(column), toCell(value)));
}

bool VNTLMdbContainer::SaveDatabase(unsigned long /*flags*/) {
    return VNTL_RESULT(m_store->save());
}

CString VNTLMdbContainer::getLastError() const {
    return m_lastError;
}
