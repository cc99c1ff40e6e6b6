// Genuine Access files, read through the table store as users open them: what the store serves
// must be what the mdbtools exporter prints of the same file, cell for cell; the file itself is
// never written; and a damaged one is refused with a reason, without harm to this process.
#include "vntl/accessimport.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/cstring_printer.h"
#include "support/sqlfixture.h"
#include "vntl/sqlitedb.h"
#include "vntl/tablestore.h"
#include "vntl/vntlmdbcontainer.h"
#include "win/utf8.h"

namespace {

namespace fs = std::filesystem;
using vntl::Cell;
using vntl::Row;
using vntl::TableStore;

const fs::path kSamples = VNTL_ACCESS_SAMPLES;
const char kJet3[] = "testV1997.mdb";             // Access 97: four tables, every number type
const char kJet4[] = "testUnicodeCompV2003.mdb";  // Access 2003: compressed Unicode texts

#define REQUIRE_SAMPLES()                                                     \
    ASSERT_TRUE(fs::exists(kSamples / kJet3) && fs::exists(kSamples / kJet4)) \
        << "the sample Access files are not at " << kSamples.string()

using testsupport::readFile;

std::wstring wide(const fs::path& file) {
    return Utf8ToWide(file.string());
}

// Writable copies of the samples, in a folder of the test's own.
class Scratch : public testsupport::TempFolder {
public:
    // A copy of a sample, with `change` applied to its bytes.
    fs::path copy(const char* sample, const std::string& name,
                  const std::function<void(std::string&)>& change = {}) const {
        std::string bytes = readFile(kSamples / sample);
        if (change) change(bytes);
        testsupport::writeFile(*this / name, bytes);
        return *this / name;
    }
};

struct Field {
    std::string text;
    bool quoted = false;
};
using Record = std::vector<Field>;

std::string shellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::optional<std::string> output(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    std::string text;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, got);
    const int status = ::pclose(pipe);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return text;
}

// The exporter's CSV: fields in double quotes may hold commas, doubled quotes and line breaks.
std::vector<Record> parseCsv(const std::string& text) {
    std::vector<Record> records;
    Record record;
    Field field;
    bool inQuotes = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes) {
            if (c != '"') {
                field.text += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field.text += '"';
                ++i;
            } else {
                inQuotes = false;
            }
        } else if (c == '"') {
            inQuotes = field.quoted = true;
        } else if (c == ',' || c == '\n') {
            record.push_back(std::exchange(field, Field{}));
            if (c == '\n') records.push_back(std::exchange(record, Record{}));
        } else {
            field.text += c;
        }
    }
    return records;
}

std::optional<std::vector<Record>> exported(const fs::path& file, const std::string& table) {
    auto text = output("mdb-export -D '%Y-%m-%d' -T '%Y-%m-%d %H:%M:%S' " +
                       shellQuoted(file.string()) + " " + shellQuoted(table) + " 2>/dev/null");
    if (!text) return std::nullopt;
    return parseCsv(*text);
}

std::optional<std::vector<std::string>> exportedTables(const fs::path& file) {
    auto text = output("mdb-tables -1 " + shellQuoted(file.string()) + " 2>/dev/null");
    if (!text) return std::nullopt;
    std::vector<std::string> names;
    std::istringstream lines(*text);
    for (std::string name; std::getline(lines, name);) names.push_back(name);
    return names;
}

// A cell against the exporter's field: empty is empty, quoted is text, the rest are numbers,
// which it prints with 15 significant digits.
::testing::AssertionResult sameCell(const Cell& cell, const Field& field) {
    if (field.text.empty())
        return ::testing::AssertionResult(cell.index() == 0) << "expected an empty cell";
    if (field.quoted)
        return ::testing::AssertionResult(cell == Cell(Utf8ToWide(field.text)))
               << "expected the text \"" << field.text << "\"";
    double expected = 0;
    const char* end = field.text.data() + field.text.size();
    if (std::from_chars(field.text.data(), end, expected).ptr != end)
        return ::testing::AssertionFailure() << "mdb-export printed " << field.text;
    const auto* integer = std::get_if<long long>(&cell);
    const auto* real = std::get_if<double>(&cell);
    if (integer == nullptr && real == nullptr)
        return ::testing::AssertionFailure() << "expected the number " << field.text;
    const double value = integer != nullptr ? static_cast<double>(*integer) : *real;
    return ::testing::AssertionResult(std::fabs(value - expected) <=
                                      1e-12 * std::max(1.0, std::fabs(expected)))
           << "expected " << field.text << ", read " << value;
}

void expectServesWhatMdbExportPrints(const fs::path& file) {
    SCOPED_TRACE(file.filename().string());
    const auto names = exportedTables(file);
    if (!names) GTEST_SKIP() << "mdb-tables is not installed";
    TableStore store;
    ASSERT_TRUE(store.open(wide(file))) << WideToUtf8(store.lastError());
    std::vector<std::wstring> tables;
    ASSERT_TRUE(store.tables(tables));
    std::vector<std::string> served;
    for (const auto& table : tables) served.push_back(WideToUtf8(table));
    EXPECT_EQ(served, *names) << "the user tables, in the file's order";

    for (const std::string& name : *names) {
        SCOPED_TRACE(name);
        const auto records = exported(file, name);
        ASSERT_TRUE(records && !records->empty()) << "mdb-export cannot export the table";
        std::vector<std::wstring> columns;
        ASSERT_TRUE(store.columns(Utf8ToWide(name), columns));
        std::vector<std::string> heading;
        for (const auto& column : columns) heading.push_back(WideToUtf8(column));
        std::vector<std::string> exportedHeading;
        for (const Field& field : records->front()) exportedHeading.push_back(field.text);
        EXPECT_EQ(heading, exportedHeading) << "the columns, in their declared order";

        int rows = -1, cols = -1;
        ASSERT_TRUE(store.counts(Utf8ToWide(name), rows, cols));
        ASSERT_EQ(static_cast<std::size_t>(rows), records->size() - 1);
        for (int r = 0; r < rows; ++r) {
            Row row;
            ASSERT_TRUE(store.row(Utf8ToWide(name), r, row));
            const Record& fields = (*records)[r + 1];
            ASSERT_EQ(fields.size(), columns.size());
            for (std::size_t c = 0; c < columns.size(); ++c)
                EXPECT_TRUE(sameCell(row.at(columns[c]), fields[c]))
                    << "row " << r << ", column " << heading[c];
        }
    }
}

// Row 2 of Table1 with the null flags of B (text), F (Double) and H (Currency) cleared: the
// null mask is the last two bytes of the row, at 65494 in the file, one bit per column.
fs::path withEmptyCells(const Scratch& scratch) {
    return scratch.copy(kJet3, "Empty cells.mdb", [](std::string& bytes) {
        ASSERT_EQ(static_cast<unsigned char>(bytes.at(65494)), 0xFFu);
        bytes[65494] = static_cast<char>(0xFF & ~(0x02 | 0x20 | 0x80));
    });
}

// Cells Access holds as null are served as empty; how they read through the container is the
// container's own.
TEST(AccessImport, ServesEveryTableColumnAndRowAsMdbExportPrintsThem) {
    REQUIRE_SAMPLES();
    Scratch scratch;
    expectServesWhatMdbExportPrints(kSamples / kJet3);
    expectServesWhatMdbExportPrints(kSamples / kJet4);
    expectServesWhatMdbExportPrints(withEmptyCells(scratch));
}

// A Double keeps its bits: libmdb's text of 0.1 + 0.2 has too few digits to give it back.
TEST(AccessImport, DoublesKeepEveryBitThatWasStored) {
    REQUIRE_SAMPLES();
    Scratch scratch;
    const double stored = 444.555, exact = 0.1 + 0.2;
    const fs::path file = scratch.copy(kJet3, "Exact.mdb", [&](std::string& bytes) {
        const auto at = bytes.find(std::string(reinterpret_cast<const char*>(&stored), 8));
        ASSERT_NE(at, std::string::npos);
        bytes.replace(at, 8, reinterpret_cast<const char*>(&exact), 8);
    });
    TableStore store;
    ASSERT_TRUE(store.open(wide(file))) << WideToUtf8(store.lastError());
    Row row;
    ASSERT_TRUE(store.row(L"Table1", 1, row));
    EXPECT_EQ(row[L"F"], Cell(exact));
}

TEST(AccessImport, EditsStayInMemoryAndSaveIsRefusedLeavingTheFileAsItWas) {
    REQUIRE_SAMPLES();
    Scratch scratch;
    const fs::path file = scratch.copy(kJet3, "Catalogue.mdb");
    const std::string before = readFile(file);
    VNTLMdbContainer container;
    ASSERT_TRUE(container.Initialize(CString(wide(file).c_str())));
    VNTLMdbContainer::Row changed = {{L"B", COleVariant(L"changed")}};
    ASSERT_TRUE(container.setTableLine(L"Table1", 0, changed));
    ASSERT_TRUE(container.addLine(L"Table3", {{L"a", COleVariant(static_cast<LONG>(7))}}, L"a"));

    EXPECT_FALSE(container.SaveDatabase(0));
    const std::wstring reason = container.getLastError().GetString();
    for (const std::wstring& part : {std::wstring(L"is an Access file, which is read-only here"),
                                     std::wstring(L"rebarcat convert"), wide(file)})
        EXPECT_NE(reason.find(part), std::wstring::npos) << WideToUtf8(reason);
    EXPECT_EQ(readFile(file), before);
    EXPECT_EQ(scratch.listing(), std::set<std::string>{"Catalogue.mdb"}) << "no file left behind";

    CStringArray texts;
    ASSERT_TRUE(container.getColumnAsString(L"Table1", L"B", texts));
    EXPECT_EQ(texts[0], L"changed") << "the edit is still served";
}

// The process ids of this process's children that are still around, zombies included.
std::set<std::string> children() {
    std::set<std::string> found;
    std::ifstream list("/proc/self/task/" + std::to_string(::getpid()) + "/children");
    for (std::string pid; list >> pid;) found.insert(pid);
    return found;
}

// That a refused file leaves the store serving what it had is the store's own.
TEST(AccessImport, DamagedFilesAreRefusedWithAReasonAndNoReaderIsLeftBehind) {
    REQUIRE_SAMPLES();
    Scratch scratch;
    TableStore store;
    const auto before = children();

    auto cut = [](std::size_t size) { return [size](std::string& bytes) { bytes.resize(size); }; };
    auto set = [](std::size_t offset, char value) {
        return [=](std::string& bytes) { bytes.at(offset) = value; };
    };
    auto zeroPage = [](std::size_t page, std::size_t pageSize) {
        return
            [=](std::string& bytes) { bytes.replace(page * pageSize, pageSize, pageSize, '\0'); };
    };
    const std::vector<fs::path> damaged = {
        scratch.copy(kJet3, "header only.mdb", cut(100)),
        scratch.copy(kJet3, "first page.mdb", cut(2048)),
        scratch.copy(kJet3, "half.mdb", cut(59295)),
        scratch.copy(kJet3, "no catalogue.mdb", zeroPage(2, 2048)),
        // A row of the table list that libmdb cannot read and would pass over.
        scratch.copy(kJet3, "list short of a row.mdb", set(38843, 127)),
        scratch.copy(kJet3, "no table definition.mdb", zeroPage(29, 2048)),
        scratch.copy(kJet3, "no rows.mdb", zeroPage(31, 2048)),
        scratch.copy(kJet4, "cut jet4.mdb", cut(16384)),
        scratch.copy(kJet4, "no table definition jet4.mdb", zeroPage(53, 4096)),
        scratch.copy(kJet4, "no rows jet4.mdb", zeroPage(55, 4096)),
    };
    for (const fs::path& file : damaged) {
        SCOPED_TRACE(file.filename().string());
        EXPECT_FALSE(store.open(wide(file)));
        const std::wstring& reason = store.lastError();
        EXPECT_TRUE(reason.find(L"damaged") != std::wstring::npos ||
                    reason.find(L"holds no tables") != std::wstring::npos ||
                    reason.find(L"cannot be read") != std::wstring::npos)
            << WideToUtf8(reason);
        EXPECT_NE(reason.find(wide(file)), std::wstring::npos) << WideToUtf8(reason);
    }
    EXPECT_EQ(children(), before) << "every reader was reaped";
}

// One byte of the column properties (offset 95071, 9 -> 0) sends libmdb round a loop for ever,
// allocating as it goes, while it lists the tables; the reader is stopped when its time is up.
// (Some other damaged bytes there make libmdb read memory it never filled, so whether it loops
// depends on what that memory held: not this one.)
TEST(AccessImport, AReaderThatNeverFinishesIsStoppedAndLeavesNothingBehind) {
    REQUIRE_SAMPLES();
    Scratch scratch;
    const fs::path file = scratch.copy(kJet3, "Stalls.mdb", [](std::string& bytes) {
        ASSERT_EQ(bytes.at(95071), 9);
        bytes[95071] = 0;
    });
    const auto before = children();
    vntl::sqlite::Database db = vntl::sqlite::Database::memory();
    try {
        vntl::access::importTablesIsolated(file.string(), db, std::chrono::milliseconds(500));
        ADD_FAILURE() << "the stalled reader was not stopped";
    } catch (const vntl::access::Error& error) {
        EXPECT_NE(std::string(error.what()).find("damaged"), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("did not finish"), std::string::npos);
    }
    EXPECT_EQ(children(), before);
    auto tables = db.prepare("SELECT count(*) FROM sqlite_master");
    ASSERT_TRUE(tables.step());
    EXPECT_EQ(tables.columnInt64(0), 0) << "nothing half-read reaches the database";
}

TEST(AccessImport, ReadsInProcessAsInTheHelperAndRefusesAnotherCharacterSet) {
    REQUIRE_SAMPLES();
    vntl::sqlite::Database db = vntl::sqlite::Database::memory();
    ASSERT_NO_THROW(vntl::access::importTables((kSamples / kJet4).string(), db));
    auto text = db.prepare("SELECT Unicode FROM \"Table\" WHERE ID = 3");
    ASSERT_TRUE(text.step());
    EXPECT_EQ(text.columnText(0), L"Мир");

    // The helper always reads UTF-8, whatever the user's mdbtools setting says.
    ::setenv("MDBICONV", "ISO-8859-1", 1);
    vntl::sqlite::Database other = vntl::sqlite::Database::memory();
    EXPECT_THROW(vntl::access::importTables((kSamples / kJet4).string(), other),
                 vntl::access::Error);
    TableStore store;
    EXPECT_TRUE(store.open(wide(kSamples / kJet4))) << WideToUtf8(store.lastError());
    ::unsetenv("MDBICONV");
}

}  // namespace
