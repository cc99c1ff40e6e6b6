#include "vntl/tablestore.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "support/sqlfixture.h"

namespace {

namespace fs = std::filesystem;
using vntl::Cell;
using vntl::Row;

const std::wstring kBars = L"Bars B500";
const std::wstring kHooks = L"Hooks ÖNORM B 4200/7";

using testsupport::readFile;

// Runs tests/vntl/fixtures/<sql> into a new database file named `name` in `folder`.
fs::path build(const testsupport::TempFolder& folder, const std::string& sql,
               const std::string& name = "catalogue.mdb") {
    const fs::path target = folder / name;
    testsupport::buildDatabaseFromFile(target, fs::path(VNTL_FIXTURES) / sql);
    return target;
}

std::vector<Cell> column(vntl::TableStore& store, const std::wstring& table,
                         const std::wstring& col) {
    std::vector<Cell> cells;
    EXPECT_TRUE(store.column(table, col, cells)) << store.lastError();
    return cells;
}

std::vector<Cell> texts(std::initializer_list<const wchar_t*> values) {
    std::vector<Cell> cells;
    for (const wchar_t* value : values) cells.emplace_back(std::wstring(value));
    return cells;
}

// Every table, column and cell, in the store's orders, as one comparable value.
std::vector<std::vector<std::vector<Cell>>> dump(vntl::TableStore& store) {
    std::vector<std::vector<std::vector<Cell>>> all;
    std::vector<std::wstring> tables;
    EXPECT_TRUE(store.tables(tables));
    for (const auto& table : tables) {
        std::vector<std::wstring> cols;
        EXPECT_TRUE(store.columns(table, cols));
        auto& cells = all.emplace_back();
        cells.push_back(texts({table.c_str()}));
        for (const auto& col : cols) {
            cells.push_back(texts({col.c_str()}));
            cells.push_back(column(store, table, col));
        }
    }
    return all;
}

// A store opened on a file built from catalogue.sql, in a folder of the test's own.
class TableStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(store.open(file.wstring())); }

    testsupport::TempFolder scratch;
    const fs::path file = build(scratch, "catalogue.sql");
    vntl::TableStore store;
};

TEST_F(TableStore, ReadsTablesColumnsAndRowsInStoredOrder) {
    std::vector<std::wstring> tables;
    ASSERT_TRUE(store.tables(tables));
    EXPECT_EQ(tables, (std::vector<std::wstring>{L"Units", kBars, kHooks}));

    std::vector<std::wstring> cols;
    ASSERT_TRUE(store.columns(kBars, cols));
    EXPECT_EQ(cols, (std::vector<std::wstring>{L"Name", L"Diameter", L"Mass", L"Note"}));
    int rows = 0, count = 0;
    ASSERT_TRUE(store.counts(kBars, rows, count));
    EXPECT_EQ(rows, 4);
    EXPECT_EQ(count, 4);

    // Row-id order, whatever order the rows were inserted in; two columns pair up by index.
    EXPECT_EQ(column(store, kBars, L"Name"), texts({L"D8", L"D10", L"D12", L"D14"}));
    EXPECT_EQ(column(store, kBars, L"Diameter"), (std::vector<Cell>{8.0, 10.0, 12.0, 14.0}));
    EXPECT_EQ(column(store, L"Units", L"Def_type"), (std::vector<Cell>{1LL, 2LL, 3LL}));

    // Empty cells stay empty, in columns and in rows, and a row names every column.
    EXPECT_EQ(column(store, kBars, L"Note"),
              (std::vector<Cell>{L"smallest", {}, {}, std::wstring(L"Übergröße")}));
    Row row;
    ASSERT_TRUE(store.row(kBars, 1, row));
    EXPECT_EQ(row, (Row{{L"Name", L"D10"}, {L"Diameter", 10.0}, {L"Mass", 0.617}, {L"Note", {}}}));

    EXPECT_FALSE(store.row(kBars, 4, row));
    EXPECT_NE(store.lastError().find(L"out of range"), std::wstring::npos);
    EXPECT_FALSE(store.row(kBars, -1, row));
    EXPECT_FALSE(store.columns(L"Bars", cols));
    EXPECT_NE(store.lastError().find(L"Bars"), std::wstring::npos);
    std::vector<Cell> cells;
    EXPECT_FALSE(store.column(kBars, L"Weight", cells));
    EXPECT_NE(store.lastError().find(L"Weight"), std::wstring::npos);
}

TEST_F(TableStore, FindsRowsByTextIgnoringCaseInEveryScriptAndByNumberExactly) {
    Row row;
    EXPECT_EQ(store.findRow(kBars, L"Name", std::wstring(L"d12"), row), 2);
    EXPECT_EQ(row.at(L"Mass"), Cell(0.888));
    EXPECT_EQ(store.findRow(kBars, L"Note", std::wstring(L"ÜBERGRÖßE"), row), 3);
    EXPECT_EQ(store.findRow(kHooks, L"Name", std::wstring(L"écrou"), row), 1);
    EXPECT_EQ(store.findRow(kHooks, L"Name", std::wstring(L"АРМАТУРА"), row), 2);
    EXPECT_EQ(row.at(L"Länge / d"), Cell());
    EXPECT_EQ(store.findRow(kHooks, L"Name", std::wstring(L"öSE"), row), 3);

    // Near misses are not matches, and say why.
    EXPECT_EQ(store.findRow(kBars, L"Name", std::wstring(L"D1"), row), -1);
    EXPECT_NE(store.lastError().find(L"D1"), std::wstring::npos);
    EXPECT_EQ(store.findRow(kHooks, L"Name", std::wstring(L"Ose"), row), -1);
    EXPECT_EQ(store.findRow(kBars, L"Name ", std::wstring(L"D8"), row), -1);

    // Numbers match exactly, never across text and number: an integer finds a real cell of
    // equal value and a real finds an integer cell.
    EXPECT_EQ(store.findRow(L"Units", L"Factor", 10LL, row), 1);
    EXPECT_EQ(row.at(L"Name"), Cell(L"cm"));
    EXPECT_EQ(store.findRow(L"Units", L"Factor", 1000.0, row), 2);
    EXPECT_EQ(store.findRow(L"Units", L"Def_type", 2.0, row), 1);
    EXPECT_EQ(store.findRow(kBars, L"Mass", 0.617, row), 1);

    EXPECT_EQ(store.findRow(L"Units", L"Factor", 10.000001, row), -1);
    EXPECT_EQ(store.findRow(L"Units", L"Def_type", 2.5, row), -1);
    EXPECT_EQ(store.findRow(L"Units", L"Def_type", std::wstring(L"2"), row), -1);
    EXPECT_EQ(store.findRow(L"Units", L"Code", 500LL, row), -1);
    EXPECT_EQ(store.findRow(L"Units", L"Code", std::wstring(L"500"), row), 0);
    EXPECT_EQ(store.findRow(L"Units", L"Code", Cell(), row), 2);
}

TEST_F(TableStore, QuotesNamesAndBindsValues) {
    std::vector<std::wstring> cols;
    ASSERT_TRUE(store.columns(kHooks, cols));
    EXPECT_EQ(cols,
              (std::vector<std::wstring>{L"Name", L"Angle \"deg\"", L"Länge / d", L"Def_type"}));
    EXPECT_EQ(column(store, kHooks, L"Angle \"deg\""),
              (std::vector<Cell>{180.0, 135.0, Cell(), 90.0}));

    // Names match ignoring case in every script, as texts do.
    EXPECT_EQ(column(store, L"hooks öNORM b 4200/7", L"LÄNGE / D").size(), 4U);

    ASSERT_TRUE(store.setRow(kHooks, 2, Row{{L"Angle \"deg\"", 45.0}, {L"Länge / d", 12.5}}));
    Row row;
    ASSERT_TRUE(store.row(kHooks, 2, row));
    EXPECT_EQ(row.at(L"Angle \"deg\""), Cell(45.0));
    EXPECT_EQ(row.at(L"Länge / d"), Cell(12.5));

    // A value that looks like SQL is stored as written, and nothing else happens.
    const std::wstring hostile = L"x'); DROP TABLE \"Units\"; --";
    ASSERT_TRUE(store.addRow(kHooks, Row{{L"Name", hostile}}, L"Name"));
    EXPECT_EQ(store.findRow(kHooks, L"Name", hostile, row), 4);
    std::vector<std::wstring> tables;
    ASSERT_TRUE(store.tables(tables));
    EXPECT_EQ(tables.size(), 3U);
}

TEST_F(TableStore, EditsShowAtOnceAndReachTheFileOnlyOnSave) {
    const std::string before = readFile(file);

    ASSERT_TRUE(store.setColumn(kBars, L"Mass", {0.4, 0.62, Cell(), 1.2}));
    EXPECT_EQ(column(store, kBars, L"Mass"), (std::vector<Cell>{0.4, 0.62, Cell(), 1.2}));

    // setRow overwrites only the cells it names and ignores names of no column.
    ASSERT_TRUE(store.setRow(kBars, 0, Row{{L"note", L"eight"}, {L"Colour", L"red"}}));
    Row row;
    ASSERT_TRUE(store.row(kBars, 0, row));
    EXPECT_EQ(row,
              (Row{{L"Name", L"D8"}, {L"Diameter", 8.0}, {L"Mass", 0.4}, {L"Note", L"eight"}}));

    // addRow appends; columns it does not name are empty.
    ASSERT_TRUE(store.addRow(kBars, Row{{L"Name", L"D16"}, {L"Diameter", 16LL}}, L"Name"));
    EXPECT_EQ(column(store, kBars, L"Name"), texts({L"D8", L"D10", L"D12", L"D14", L"D16"}));
    ASSERT_TRUE(store.row(kBars, 4, row));
    EXPECT_EQ(row, (Row{{L"Name", L"D16"}, {L"Diameter", 16.0}, {L"Mass", {}}, {L"Note", {}}}));

    // deleteRows removes every matching row, whatever the case of the text.
    ASSERT_TRUE(store.addRow(kBars, Row{{L"Name", L"d10"}}, L"Name"));
    ASSERT_TRUE(store.deleteRows(kBars, L"Name", std::wstring(L"D10")));
    EXPECT_EQ(column(store, kBars, L"Name"), texts({L"D8", L"D12", L"D14", L"D16"}));
    EXPECT_EQ(column(store, kBars, L"Mass"), (std::vector<Cell>{0.4, Cell(), 1.2, Cell()}));

    EXPECT_EQ(readFile(file), before);
    ASSERT_TRUE(store.save());
    vntl::TableStore reopened;
    ASSERT_TRUE(reopened.open(file.wstring()));
    EXPECT_EQ(dump(reopened), dump(store));
}

TEST_F(TableStore, RefusedEditsChangeNothing) {
    const auto before = dump(store);

    EXPECT_FALSE(store.setColumn(kBars, L"Mass", {1.0, 2.0, 3.0}));
    EXPECT_NE(store.lastError().find(L"4 rows"), std::wstring::npos);
    EXPECT_FALSE(store.setColumn(kBars, L"Mass", {1.0, 2.0, 3.0, 4.0, 5.0}));
    EXPECT_FALSE(store.setRow(kBars, 4, Row{{L"Name", L"D99"}}));
    EXPECT_FALSE(store.addRow(kBars, Row{{L"Diameter", 20.0}}, L"Name"));
    EXPECT_NE(store.lastError().find(L"Name"), std::wstring::npos);
    EXPECT_FALSE(store.addRow(kBars, Row{{L"Name", L""}, {L"Diameter", 20.0}}, L"Name"));
    EXPECT_FALSE(store.addRow(kBars, Row{{L"Name", Cell()}}, L"Name"));
    EXPECT_FALSE(store.addRow(kBars, Row{{L"Name", L"D20"}}, L"Key"));
    EXPECT_FALSE(store.deleteRows(kBars, L"Name", std::wstring(L"D99")));
    EXPECT_FALSE(store.deleteRows(kBars, L"Diameter", std::wstring(L"8")));
    EXPECT_FALSE(store.lastError().empty());

    EXPECT_EQ(dump(store), before);
}

TEST_F(TableStore, RefusesBadFilesAndKeepsServingWhatItHad) {
    vntl::TableStore unopened;
    std::vector<std::wstring> tables;
    EXPECT_FALSE(unopened.tables(tables));
    EXPECT_FALSE(unopened.lastError().empty());
    EXPECT_FALSE(unopened.save());

    const fs::path good = file;
    const auto served = dump(store);
    const std::string bytes = readFile(good);

    std::string access(2048, '\0');
    access.replace(0, 20, std::string("\x00\x01\x00\x00Standard Jet DB\x00", 20));
    testsupport::writeFile(scratch / "access.mdb", access);
    testsupport::writeFile(scratch / "notes.mdb", "Name;Diameter\nD8;8\n");
    testsupport::writeFile(scratch / "empty.mdb", "");
    testsupport::writeFile(scratch / "cut.mdb", bytes.substr(0, bytes.size() - 1000));
    testsupport::writeFile(scratch / "pages-missing.mdb", bytes.substr(0, 2 * 4096));
    std::string garbled = bytes;
    garbled.replace(4096, 200, std::string(200, '\xEE'));
    testsupport::writeFile(scratch / "garbled.mdb", garbled);
    // Whole pages, but a table's statement no longer reads, names another table, a column
    // twice, or its table by a keyword.
    const std::string bare = readFile(build(scratch, "bare_names.sql", "bare.mdb"));
    const auto garble = [&](const char* name, std::string copy, const std::string& from,
                            const std::string& to) {
        testsupport::writeFile(scratch / name, copy.replace(copy.find(from), from.size(), to));
    };
    garble("schema.mdb", bytes, "CREATE TABLE \"Bars B500\"", "CRE@TE TABLE \"Bars B500\"");
    garble("schema-name.mdb", bytes, "CREATE TABLE \"Bars B500\"", "CREATE TABLE \"Bars B501\"");
    garble("schema-column.mdb", bytes, "REAL, \"Mass\"", "REAL, \"Name\"");
    garble("bare-name.mdb", bare, "CREATE TABLE Bars (", "CREATE TABLE Barz (");
    std::string keyword = bare;  // the row and its statement agree on a name SQLite cannot read
    for (auto at = keyword.find("Bars"); at != std::string::npos; at = keyword.find("Bars", at))
        keyword.replace(at, 4, "From");
    testsupport::writeFile(scratch / "bare-keyword.mdb", keyword);
    fs::create_directory(scratch / "folder.mdb");
    build(scratch, "no_tables.sql", "no-tables.mdb");

    const std::pair<const char*, const wchar_t*> cases[] = {
        {"missing.mdb", L"does not exist"},
        {"folder.mdb", L"folder"},
        {"notes.mdb", L"not a catalogue"},
        {"empty.mdb", L"empty"},
        {"cut.mdb", L"damaged"},
        {"pages-missing.mdb", L"damaged"},
        {"garbled.mdb", L"damaged"},
        {"schema.mdb", L"damaged"},
        {"schema-name.mdb", L"damaged"},
        {"schema-column.mdb", L"damaged"},
        {"bare-name.mdb", L"damaged"},
        {"bare-keyword.mdb", L"damaged"},
        {"access.mdb", L"Access"},
        {"no-tables.mdb", L"no tables"},
    };
    for (const auto& [name, reason] : cases) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(store.open((scratch / name).wstring()));
        EXPECT_NE(store.lastError().find(reason), std::wstring::npos) << store.lastError();
        EXPECT_EQ(store.path(), good.wstring());
        EXPECT_EQ(dump(store), served);
    }
    EXPECT_TRUE(store.open((scratch / "bare.mdb").wstring())) << store.lastError();
}

}  // namespace

// A save killed before its rename leaves "<file>.saving-<host>-<pid>-XXXXXX" behind. The next
// save removes those of dead processes on this machine and nothing else.
TEST_F(TableStore, ASaveRemovesTheTemporaryFilesOfKilledSavesOnly) {
    char host[256] = {};
    ASSERT_EQ(::gethostname(host, sizeof host - 1), 0);
    const std::string prefix = file.filename().string() + ".saving-" + host + "-";

    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ASSERT_GT(dead, 0);
    ASSERT_EQ(::waitpid(dead, nullptr, 0), dead);
    const std::set<std::string> kept = {
        prefix + std::to_string(::getppid()) + "-a1b2c3",  // a save under way elsewhere
        file.filename().string() + ".saving-another.host-" + std::to_string(dead) + "-a1b2c3",
        prefix + "not-a-pid",
        "other.mdb.saving-" + std::string(host) + "-" + std::to_string(dead) + "-a1b2c3",
    };
    for (const std::string& name : kept) testsupport::writeFile(scratch / name, "left");
    testsupport::writeFile(scratch / (prefix + std::to_string(dead) + "-a1b2c3"), "abandoned");

    ASSERT_TRUE(store.save());
    std::set<std::string> expected = kept;
    expected.insert(file.filename().string());
    EXPECT_EQ(scratch.listing(), expected);
}
