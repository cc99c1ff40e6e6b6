// The table container keeps what it decoded until the catalogue changes. These tests make sure
// a reader never sees a stale answer: after a change through any write path, or after another
// file was attached, every read path answers exactly as a container that never read before; and
// answers served from what was kept (values, failures, reasons, matches) are the store's own.
#include "vntl/vntlmdbcontainer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "support/cstring_printer.h"
#include "support/sqlfixture.h"
#include "vntl/tablestore.h"
#include "vntl/varianttools.h"
#include "win/utf8.h"

namespace {

namespace fs = std::filesystem;

const wchar_t kBars[] = L"Bars B500";

// A catalogue file built from tests/vntl/fixtures/<sql>, in a folder of the test's own.
class Folder : public testsupport::TempFolder {
public:
    CString build(const std::string& name, const std::string& sql) const {
        testsupport::buildDatabaseFromFile(*this / name, fs::path(VNTL_FIXTURES) / sql);
        return CString((*this / name).c_str());
    }
};

std::string utf8(const CString& s) {
    return WideToUtf8(s.GetString());
}

// A cell with its type, so that 12 and "12" and an empty cell stay apart.
std::string describe(const COleVariant& value) {
    switch (value.vt) {
        case VT_EMPTY:
            return "empty";
        case VT_BSTR:
            return "text:" + utf8(VariantToString(value));
        case VT_I4:
            return "long:" + utf8(VariantToString(value));
        default:
            return "number:" + utf8(VariantToString(value));
    }
}

std::string describe(const VNTLMdbContainer::Row& row) {
    std::string text = "{";
    for (const auto& [column, value] : row) text += utf8(column) + "=" + describe(value) + ";";
    return text + "}";
}

std::string outcome(bool ok, VNTLMdbContainer& container) {
    return ok ? "ok " : "failed (" + utf8(container.getLastError()) + ") ";
}

// The values sought by value in every column: present and absent, texts in other cases,
// numbers as integers and reals, and the empty value.
std::vector<COleVariant> probes() {
    std::vector<COleVariant> values;
    for (const wchar_t* text :
         {L"D12", L"d12", L"\u00D6SE", L"\u00F6se", L"D16", L"8.5", L"12", L"nothing", L"D20", L""})
        values.emplace_back(text);
    for (double number : {12.0, 16.0, 90.0, 12.0000001}) values.emplace_back(number);
    values.emplace_back(static_cast<LONG>(12));
    values.emplace_back(static_cast<LONG>(7));
    values.emplace_back();
    return values;
}

// Everything each read path answers about the attached catalogue, by read path. The tables
// read are those the container lists, and one it does not have.
std::map<std::string, std::string> readEverything(VNTLMdbContainer& container) {
    std::map<std::string, std::string> seen;
    CStringArray tables;
    seen["getTableList"] = outcome(container.getTableList(tables), container);
    std::vector<CString> names;
    for (INT_PTR t = 0; t < tables.GetSize(); ++t) {
        seen["getTableList"] += utf8(tables[t]) + "|";
        names.push_back(tables[t]);
    }
    names.emplace_back(L"No such table");
    for (const CString& table : names) {
        const std::string at = "[" + utf8(table) + "]";
        CStringArray columns;
        seen["getTableFiends"] += at + outcome(container.getTableFiends(table, columns), container);
        int rows = 0, count = 0;
        const bool counted = container.getTableLinesColumnsCount(table, rows, count);
        seen["getTableLinesColumnsCount"] +=
            at + outcome(counted, container) + std::to_string(rows) + "x" + std::to_string(count);
        std::vector<CString> columnNames;
        for (INT_PTR c = 0; c < columns.GetSize(); ++c) {
            seen["getTableFiends"] += utf8(columns[c]) + "|";
            columnNames.push_back(columns[c]);
        }
        columnNames.emplace_back(L"No such column");
        for (const CString& column : columnNames) {
            const std::string in = at + "[" + utf8(column) + "]";
            CStringArray texts;
            std::vector<double> numbers;
            CDWordArray integers;
            seen["getColumnAsString"] +=
                in + outcome(container.getColumnAsString(table, column, texts), container);
            for (INT_PTR i = 0; i < texts.GetSize(); ++i)
                seen["getColumnAsString"] += utf8(texts[i]) + "|";
            seen["getColumnAsDouble"] +=
                in + outcome(container.getColumnAsDouble(table, column, numbers), container);
            for (double number : numbers) seen["getColumnAsDouble"] += std::to_string(number) + "|";
            seen["getColumnAsLong"] +=
                in + outcome(container.getColumnAsLong(table, column, integers), container);
            for (INT_PTR i = 0; i < integers.GetSize(); ++i)
                seen["getColumnAsLong"] += std::to_string(integers[i]) + "|";
            for (const COleVariant& value : probes()) {
                VNTLMdbContainer::Row row;
                const int index = container.getTableLine(table, column, value, row);
                seen["getTableLine by value"] += in + describe(value) + "->" +
                                                 std::to_string(index) + " " +
                                                 outcome(index >= 0, container) + describe(row);
            }
        }
        for (int index = -1; index <= rows; ++index) {
            VNTLMdbContainer::Row row;
            const bool read = container.getTableLine(table, index, row);
            seen["getTableLine by index"] +=
                at + std::to_string(index) + outcome(read, container) + describe(row);
        }
    }
    return seen;
}

// One way of changing what the container serves, and the read paths that must see it.
struct Write {
    std::string name;
    std::function<bool(VNTLMdbContainer&, const CString& otherFile)> apply;
    std::set<std::string> changes;
};

// Failed expectations name the write rather than dump its bytes.
void PrintTo(const Write& write, std::ostream* os) {
    *os << write.name;
}

const std::set<std::string> kCellReads = {"getColumnAsString", "getColumnAsDouble",
                                          "getColumnAsLong", "getTableLine by index",
                                          "getTableLine by value"};

std::set<std::string> cellReadsAnd(std::set<std::string> more) {
    more.insert(kCellReads.begin(), kCellReads.end());
    return more;
}

std::vector<Write> writes() {
    return {
        {"setColumnAsString",
         [](VNTLMdbContainer& container, const CString&) {
             CStringArray names;
             for (const wchar_t* name : {L"8.5", L"D16", L"\u00F6SE", L"12", L"D12"})
                 names.Add(name);
             return container.setColumnAsString(kBars, L"Name", names);
         },
         kCellReads},
        {"setTableLine",
         [](VNTLMdbContainer& container, const CString&) {
             return container.setTableLine(kBars, 1,
                                           {{L"Name", COleVariant(L"D16")},
                                            {L"Diameter", COleVariant(16.0)},
                                            {L"Count", COleVariant(static_cast<LONG>(7))},
                                            {L"Not a column", COleVariant(L"ignored")}});
         },
         kCellReads},
        {"addLine",
         [](VNTLMdbContainer& container, const CString&) {
             return container.addLine(
                 kBars, {{L"Name", COleVariant(L"D16")}, {L"Diameter", COleVariant(16.0)}},
                 L"Name");
         },
         cellReadsAnd({"getTableLinesColumnsCount"})},
        {"deleteLine",
         [](VNTLMdbContainer& container, const CString&) {
             return container.deleteLine(kBars, L"Name", COleVariant(L"d12"));
         },
         cellReadsAnd({"getTableLinesColumnsCount"})},
        {"InitializeOfAnotherFile",
         [](VNTLMdbContainer& container, const CString& otherFile) {
             return container.Initialize(otherFile);
         },
         cellReadsAnd({"getTableList", "getTableFiends", "getTableLinesColumnsCount"})},
    };
}

class ContainerCache : public testing::TestWithParam<Write> {
protected:
    Folder folder;
    CString file = folder.build("catalogue.mdb", "container_catalogue.sql");
    CString otherFile = folder.build("other.mdb", "container_other.sql");
};

TEST_P(ContainerCache, AWriteIsSeenByTheNextReadOfEveryReadPath) {
    const Write& write = GetParam();
    VNTLMdbContainer warm;
    ASSERT_TRUE(warm.Initialize(file));
    const auto before = readEverything(warm);  // everything is kept from here on
    ASSERT_TRUE(write.apply(warm, otherFile)) << utf8(warm.getLastError());
    const auto after = readEverything(warm);

    // The same change on a container that had read nothing before it.
    VNTLMdbContainer cold;
    ASSERT_TRUE(cold.Initialize(file));
    ASSERT_TRUE(write.apply(cold, otherFile));
    const auto fresh = readEverything(cold);

    ASSERT_EQ(after.size(), fresh.size());
    for (const auto& [read, answer] : after) {
        EXPECT_EQ(answer, fresh.at(read)) << read << " after " << write.name;
        if (write.changes.count(read))
            EXPECT_NE(answer, before.at(read)) << read << " did not see " << write.name;
        else
            EXPECT_EQ(answer, before.at(read)) << read << " changed by " << write.name;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWritePath, ContainerCache, testing::ValuesIn(writes()),
                         [](const testing::TestParamInfo<Write>& info) { return info.param.name; });

class KeptAnswers : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(container.Initialize(file));
        ASSERT_TRUE(store.open(std::wstring(file.GetString())));
        readEverything(container);  // every answer below comes from what was kept
    }

    Folder folder;
    CString file = folder.build("catalogue.mdb", "container_catalogue.sql");
    VNTLMdbContainer container;
    vntl::TableStore store;
};

TEST_F(KeptAnswers, LookUpsByValueMatchAsTheStoreDoes) {
    struct Probe {
        const wchar_t* column;
        COleVariant value;
        vntl::Cell cell;
    };
    const Probe cases[] = {
        {L"Name", COleVariant(L"d12"), std::wstring(L"d12")},            // first of two, any case
        {L"Name", COleVariant(L"\u00F6SE"), std::wstring(L"\u00F6SE")},  // Unicode case folding
        {L"Name", COleVariant(L"D8 "), std::wstring(L"D8 ")},            // blanks count
        {L"Name", COleVariant(12.0), 12.0},                              // a number is no text
        {L"Diameter", COleVariant(L"12"), std::wstring(L"12")},          // a text is no number
        {L"Diameter", COleVariant(static_cast<LONG>(12)), 12LL},         // 12 is 12.0
        {L"Diameter", COleVariant(12.0000001), 12.0000001},              // numbers are exact
        {L"Count", COleVariant(3.0), 3.0},                               // integer cells too
        {L"Note", COleVariant(), std::monostate{}},                      // empty finds empty
        {L"Note", COleVariant(L""), std::wstring()},                     // an empty text does not
        {L"NAME", COleVariant(L"D10"), std::wstring(L"D10")},            // names as SQLite's
        {L"Missing", COleVariant(L"D10"), std::wstring(L"D10")},
    };
    for (const Probe& probe : cases) {
        VNTLMdbContainer::Row row;
        vntl::Row storeRow;
        const int index = container.getTableLine(kBars, probe.column, probe.value, row);
        SCOPED_TRACE(utf8(probe.column) + " " + describe(probe.value));
        EXPECT_EQ(index, store.findRow(kBars, probe.column, probe.cell, storeRow));
        EXPECT_EQ(std::wstring(container.getLastError().GetString()), store.lastError());
        EXPECT_EQ(row.empty(), index < 0);
    }
}

TEST_F(KeptAnswers, RowsKeepWhatTheCallerHadInTheMap) {
    VNTLMdbContainer::Row row;
    row[L"Name"] = COleVariant(L"stale");
    row[L"Caller's own"] = COleVariant(1.5);
    ASSERT_TRUE(container.getTableLine(kBars, 3, row));
    EXPECT_TRUE(container.getLastError().IsEmpty()) << "a success clears the last failure";
    EXPECT_EQ(describe(row),
              "{Caller's own=number:1.5;Count=long:4;Diameter=number:14;Name=text:Öse;"
              "Note=text:Übergröße;}");
}

TEST_F(KeptAnswers, RefusedChangesAndFilesLeaveEverythingAsItWas) {
    const auto before = readEverything(container);
    CStringArray tooFew;
    tooFew.Add(L"D1");
    EXPECT_FALSE(container.setColumnAsString(kBars, L"Name", tooFew));
    EXPECT_FALSE(container.addLine(kBars, {{L"Diameter", COleVariant(20.0)}}, L"Name"));
    EXPECT_FALSE(container.deleteLine(kBars, L"Name", COleVariant(L"D99")));
    EXPECT_FALSE(container.Initialize(CString(L"/no/such/folder/catalogue.mdb")));
    EXPECT_EQ(readEverything(container), before);
}

TEST(ContainerNames, TableAndColumnNamesMatchIgnoringCaseInEveryScript) {
    Folder folder;
    VNTLMdbContainer container;
    ASSERT_TRUE(container.Initialize(folder.build("Cyrillic.mdb", "container_cyrillic.sql")));
    ASSERT_TRUE(container.addLine(L"АРМАТУРА А500С",
                                  {{L"NAME", COleVariant(L"14")}, {L"ДИАМЕТР", COleVariant(14.0)}},
                                  L"name"))
        << utf8(container.getLastError());
    std::vector<double> diameters;
    ASSERT_TRUE(container.getColumnAsDouble(L"арматура а500с", L"диаметр", diameters));
    EXPECT_EQ(diameters, (std::vector<double>{12.0, 14.0}));
}

// Found by fuzz_catalog: an integer column read of a cell beyond the integers
// (9223372036854775807 arrives as 2^63, a real too large for any integer) converted it
// regardless, which is undefined. Such a cell now reads as 0, like an empty one.
TEST(FuzzRegressions, IntegerColumnReadsOfNumbersBeyondTheIntegersGiveZero) {
    Folder folder;
    VNTLMdbContainer container;
    ASSERT_TRUE(container.Initialize(folder.build("Fuzz.mdb", "huge_integers.sql")));
    CDWordArray values;
    ASSERT_TRUE(container.getColumnAsLong(L"T", L"N", values));
    EXPECT_EQ(std::vector<DWORD>(values.GetData(), values.GetData() + values.GetSize()),
              (std::vector<DWORD>{0, 0, 0, 7, 0xFFFFFFFFu, 2, 0}));
}

}  // namespace
