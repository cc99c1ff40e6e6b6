#include "vntl/vntlmdbcontainer.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "vntl/cellmatch.h"
#include "vntl/loadedfile.h"
#include "vntl/tablestore.h"
#include "vntl/varianttools.h"

ACRX_NO_CONS_DEFINE_MEMBERS(VNTLMdbContainer, AcDbObject)

namespace {

std::wstring_view view(const CString& s) {
    return std::wstring_view(s.GetString(), static_cast<std::size_t>(s.GetLength()));
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
    for (const auto& [column, value] : row) cells[StdText(column)] = toCell(value);
    return cells;
}

// The integer a numeric column read gives for a cell already read as a double.
DWORD toDWord(double value) {
    // A number beyond the integers (or none at all) has no integer value: it reads as 0,
    // as an empty cell does, instead of as whatever an out-of-range conversion gives.
    constexpr double kIntegerLimit = 9223372036854775808.0;  // 2^63
    if (!(value > -kIntegerLimit && value < kIntegerLimit)) value = 0.0;
    return static_cast<DWORD>(static_cast<long long>(value));
}

// Appends copies of `values` to an MFC array in one growth rather than one per element.
template <class Array, class Value>
void appendAll(Array& array, const std::vector<Value>& values) {
    if (values.empty()) return;
    const INT_PTR base = array.GetSize();
    array.SetSize(base + static_cast<INT_PTR>(values.size()));
    std::copy(values.begin(), values.end(), array.GetData() + base);
}

// Kept data is found by the names exactly as callers spell them; the store alone decides which
// table or column a spelling means, when the entry is first filled.
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::wstring_view name) const noexcept {
        return std::hash<std::wstring_view>{}(name);
    }
};
struct NameEqual {
    using is_transparent = void;
    bool operator()(std::wstring_view a, std::wstring_view b) const noexcept { return a == b; }
};
template <class Value>
using ByName = std::unordered_map<std::wstring, Value, NameHash, NameEqual>;

}  // namespace

// One column's cells as the store read them, and what the column reads and searches need,
// each made the first time it is asked for.
struct VNTLMdbContainer::DecodedColumn {
    std::vector<vntl::Cell> cells;
    std::optional<std::vector<CString>> texts;
    std::optional<std::vector<double>> numbers;
    // For each text cell's match key, the first row holding it.
    std::optional<ByName<std::size_t>> firstByText;

    const std::vector<CString>& asTexts() {
        if (!texts) {
            std::vector<CString> decoded;
            decoded.reserve(cells.size());
            for (const auto& cell : cells) decoded.push_back(VariantToString(toVariant(cell)));
            texts = std::move(decoded);
        }
        return *texts;
    }

    const std::vector<double>& asNumbers() {
        if (!numbers) {
            std::vector<double> decoded;
            decoded.reserve(cells.size());
            for (const auto& cell : cells) decoded.push_back(VariantToDouble(toVariant(cell)));
            numbers = std::move(decoded);
        }
        return *numbers;
    }

    // The first row whose cell matches `value` by the store's rules, or none.
    std::optional<std::size_t> find(const vntl::Cell& value) {
        if (const auto* sought = std::get_if<std::wstring>(&value)) {
            // Only text cells match a text, and two texts match exactly when their keys are
            // equal: one look-up instead of a walk over every cell.
            if (!firstByText) {
                ByName<std::size_t> index;
                for (std::size_t i = 0; i < cells.size(); ++i)
                    if (const auto* cell = std::get_if<std::wstring>(&cells[i]))
                        index.try_emplace(vntl::textMatchKey(*cell), i);
                firstByText = std::move(index);
            }
            auto found = firstByText->find(vntl::textMatchKey(*sought));
            if (found == firstByText->end()) return std::nullopt;
            if (vntl::cellMatchesValue(cells[found->second], value)) return found->second;
        }
        for (std::size_t i = 0; i < cells.size(); ++i)
            if (vntl::cellMatchesValue(cells[i], value)) return i;
        return std::nullopt;
    }
};

// Whole rows, as the by-index and by-value reads hand them out: every column of the table in
// the order the store hands a row over (its row map's order), keyed as the row map is keyed.
// The cells are laid out row after row, so putting one row together reads one stretch of
// memory however many tables are kept; the keys are shared by every table that has the column.
struct VNTLMdbContainer::RowLayout {
    std::vector<const CString*> keys;
    std::vector<COleVariant> cells;  // row i holds cells [i * keys.size(), (i + 1) * keys.size())
    std::size_t rows = 0;
    // The keys come out strictly ascending, so an empty row map can be filled at its end.
    bool ascending = true;

    void fill(std::size_t index, Row& row) const {
        const COleVariant* cell = cells.data() + index * keys.size();
        if (row.empty() && ascending) {
            for (const CString* key : keys) row.emplace_hint(row.end(), *key, *cell++);
        } else {
            for (const CString* key : keys) row[*key] = *cell++;
        }
    }
};

struct VNTLMdbContainer::DecodedTable {
    std::optional<std::vector<CString>> columnNames;
    std::optional<std::pair<int, int>> counts;
    ByName<std::unique_ptr<DecodedColumn>> columns;
    std::optional<RowLayout> layout;
};

struct VNTLMdbContainer::Cache {
    std::uint64_t revision = 0;
    std::optional<std::vector<CString>> tables;
    ByName<std::unique_ptr<DecodedTable>> byTable;
    ByName<CString> rowKeys;  // one key per column name, shared by the row layouts

    const CString* rowKey(const std::wstring& name) {
        auto found = rowKeys.find(name);
        if (found == rowKeys.end()) found = rowKeys.emplace(name, CString(name.c_str())).first;
        return &found->second;
    }
};

struct VNTLMdbContainer::MissedLookup {
    std::wstring table;
    std::wstring column;
    vntl::Cell value;
};

VNTLMdbContainer::VNTLMdbContainer() : m_store(std::make_unique<vntl::TableStore>()) {}

VNTLMdbContainer::~VNTLMdbContainer() = default;

// Every call records its outcome, so getLastError() speaks of the latest failure only.
bool VNTLMdbContainer::stored(bool ok) {
    m_missed.reset();
    m_lastError = m_store->lastError().c_str();
    return ok;
}

bool VNTLMdbContainer::served() {
    m_missed.reset();
    m_lastError.Empty();
    return true;
}

VNTLMdbContainer::Cache& VNTLMdbContainer::cache() {
    if (!m_cache || m_cache->revision != m_store->revision()) {
        m_cache = std::make_unique<Cache>();
        m_cache->revision = m_store->revision();
    }
    return *m_cache;
}

VNTLMdbContainer::DecodedTable* VNTLMdbContainer::keptTable(const CString& table) {
    auto& byTable = cache().byTable;
    auto found = byTable.find(view(table));
    return found == byTable.end() ? nullptr : found->second.get();
}

VNTLMdbContainer::DecodedTable& VNTLMdbContainer::keptTableForFilling(const CString& table) {
    auto& entry = cache().byTable[StdText(table)];
    if (!entry) entry = std::make_unique<DecodedTable>();
    return *entry;
}

// The column names of the table, from the store on first use; null when it refuses them (its
// reason is then in the store's lastError()).
const std::vector<CString>* VNTLMdbContainer::columnNames(const CString& table) {
    if (DecodedTable* kept = keptTable(table); kept && kept->columnNames)
        return &*kept->columnNames;
    std::vector<std::wstring> names;
    if (!m_store->columns(StdText(table), names)) return nullptr;
    std::vector<CString> decoded;
    decoded.reserve(names.size());
    for (const auto& name : names) decoded.emplace_back(name.c_str());
    return &keptTableForFilling(table).columnNames.emplace(std::move(decoded));
}

// The column's cells, from the store on first use; null when it refuses them.
VNTLMdbContainer::DecodedColumn* VNTLMdbContainer::decodedColumn(const CString& table,
                                                                 const CString& column) {
    if (DecodedTable* kept = keptTable(table)) {
        auto found = kept->columns.find(view(column));
        if (found != kept->columns.end()) return found->second.get();
    }
    auto decoded = std::make_unique<DecodedColumn>();
    if (!m_store->column(StdText(table), StdText(column), decoded->cells)) return nullptr;
    auto& slot = keptTableForFilling(table).columns[StdText(column)];
    slot = std::move(decoded);
    return slot.get();
}

// Every row of the table, laid out for putting rows together; null when the store refuses any
// of it.
const VNTLMdbContainer::RowLayout* VNTLMdbContainer::rowLayout(const CString& table) {
    if (DecodedTable* kept = keptTable(table); kept && kept->layout) return &*kept->layout;
    // The names as the store keys a row (a CString key stops at an embedded null; the store's
    // do not), in the order of the store's row map, which is the order the row takes them in.
    std::vector<std::wstring> order;
    if (!m_store->columns(StdText(table), order)) return nullptr;
    std::sort(order.begin(), order.end());
    std::vector<const DecodedColumn*> columns;
    RowLayout layout;
    for (const std::wstring& name : order) {
        const DecodedColumn* column =
            decodedColumn(table, CString(name.c_str(), static_cast<int>(name.size())));
        if (!column) return nullptr;
        if (columns.empty()) layout.rows = column->cells.size();
        if (column->cells.size() != layout.rows) return nullptr;  // never pair cells unevenly
        columns.push_back(column);
        const CString* key = cache().rowKey(name);
        if (!layout.keys.empty() && !(*layout.keys.back() < *key)) layout.ascending = false;
        layout.keys.push_back(key);
    }
    layout.cells.reserve(layout.rows * columns.size());
    for (std::size_t row = 0; row < layout.rows; ++row)
        for (const DecodedColumn* column : columns)
            layout.cells.push_back(toVariant(column->cells[row]));
    return &keptTableForFilling(table).layout.emplace(std::move(layout));
}

bool VNTLMdbContainer::Initialize(const CString& path) {
    auto loading = std::make_unique<vntl::LoadedFile>(StdText(path));
    if (!stored(m_store->open(StdText(path)))) return false;
    m_loadedFile = std::move(loading);
    return true;
}

CString VNTLMdbContainer::getName() const {
    return CString(m_store->path().c_str());
}

bool VNTLMdbContainer::getTableList(CStringArray& tables) {
    Cache& kept = cache();
    if (!kept.tables) {
        std::vector<std::wstring> names;
        if (!stored(m_store->tables(names))) return false;
        std::vector<CString> decoded;
        decoded.reserve(names.size());
        for (const auto& name : names) decoded.emplace_back(name.c_str());
        kept.tables = std::move(decoded);
    }
    appendAll(tables, *kept.tables);
    return served();
}

bool VNTLMdbContainer::getTableFiends(const CString& table, CStringArray& columns) {
    const std::vector<CString>* names = columnNames(table);
    if (!names) return stored(false);
    appendAll(columns, *names);
    return served();
}

bool VNTLMdbContainer::getTableLinesColumnsCount(const CString& table, int& rows, int& columns) {
    if (DecodedTable* kept = keptTable(table); kept && kept->counts) {
        rows = kept->counts->first;
        columns = kept->counts->second;
        return served();
    }
    int rowCount = 0;
    int columnCount = 0;
    if (!stored(m_store->counts(StdText(table), rowCount, columnCount))) return false;
    keptTableForFilling(table).counts.emplace(rowCount, columnCount);
    rows = rowCount;
    columns = columnCount;
    return true;
}

bool VNTLMdbContainer::getColumnAsString(const CString& table, const CString& column,
                                         CStringArray& values) {
    DecodedColumn* decoded = decodedColumn(table, column);
    if (!decoded) return stored(false);
    appendAll(values, decoded->asTexts());
    return served();
}

bool VNTLMdbContainer::getColumnAsDouble(const CString& table, const CString& column,
                                         std::vector<double>& values) {
    DecodedColumn* decoded = decodedColumn(table, column);
    if (!decoded) return stored(false);
    const std::vector<double>& numbers = decoded->asNumbers();
    values.insert(values.end(), numbers.begin(), numbers.end());
    return served();
}

bool VNTLMdbContainer::getColumnAsLong(const CString& table, const CString& column,
                                       CDWordArray& values) {
    DecodedColumn* decoded = decodedColumn(table, column);
    if (!decoded) return stored(false);
    const std::vector<double>& numbers = decoded->asNumbers();
    std::vector<DWORD> integers(numbers.size());
    std::transform(numbers.begin(), numbers.end(), integers.begin(), toDWord);
    appendAll(values, integers);
    return served();
}

bool VNTLMdbContainer::setColumnAsString(const CString& table, const CString& column,
                                         const CStringArray& values) {
    std::vector<vntl::Cell> cells;
    for (INT_PTR i = 0; i < values.GetSize(); ++i) cells.emplace_back(StdText(values[i]));
    return stored(m_store->setColumn(StdText(table), StdText(column), cells));
}

bool VNTLMdbContainer::getTableLine(const CString& table, int index, Row& row) {
    const RowLayout* layout = rowLayout(table);
    if (layout && index >= 0 && static_cast<std::size_t>(index) < layout->rows) {
        layout->fill(static_cast<std::size_t>(index), row);
        return served();
    }
    // Out of range, or a table the store will not lay out: the store answers, with its reason.
    vntl::Row cells;
    if (!stored(m_store->row(StdText(table), index, cells))) return false;
    toRow(cells, row);
    return true;
}

int VNTLMdbContainer::getTableLine(const CString& table, const CString& column,
                                   const COleVariant& value, Row& row) {
    const vntl::Cell sought = toCell(value);
    DecodedColumn* decoded = decodedColumn(table, column);
    const RowLayout* layout = decoded ? rowLayout(table) : nullptr;
    if (!layout) {
        vntl::Row cells;
        const int index = m_store->findRow(StdText(table), StdText(column), sought, cells);
        stored(index >= 0);
        if (index >= 0) toRow(cells, row);
        return index;
    }
    if (const auto found = decoded->find(sought)) {
        layout->fill(*found, row);
        served();
        return static_cast<int>(*found);
    }
    // Walking every family for a bar misses in most of them; the reason is worded only when
    // someone asks for it.
    served();
    m_missed =
        std::make_unique<MissedLookup>(MissedLookup{StdText(table), StdText(column), sought});
    return -1;
}

bool VNTLMdbContainer::setTableLine(const CString& table, int index, const Row& row) {
    return stored(m_store->setRow(StdText(table), index, toCells(row)));
}

bool VNTLMdbContainer::addLine(const CString& table, const Row& row, const CString& keyColumn) {
    return stored(m_store->addRow(StdText(table), toCells(row), StdText(keyColumn)));
}

bool VNTLMdbContainer::deleteLine(const CString& table, const CString& column,
                                  const COleVariant& value) {
    return stored(m_store->deleteRows(StdText(table), StdText(column), toCell(value)));
}

bool VNTLMdbContainer::SaveDatabase(unsigned long /*flags*/) {
    if (!m_loadedFile) return stored(m_store->save());  // nothing loaded: the store says so
    std::wstring refusal;
    const bool saved = m_loadedFile->save([this] { return m_store->save(); }, refusal);
    if (refusal.empty()) return stored(saved);
    m_missed.reset();
    m_lastError = refusal.c_str();
    return false;
}

CString VNTLMdbContainer::getLastError() const {
    if (m_missed) {
        // Nothing has changed since the miss: any call in between would have dropped it.
        vntl::Row ignored;
        static_cast<void>(
            m_store->findRow(m_missed->table, m_missed->column, m_missed->value, ignored));
        m_lastError = m_store->lastError().c_str();
        m_missed.reset();
    }
    return m_lastError;
}
