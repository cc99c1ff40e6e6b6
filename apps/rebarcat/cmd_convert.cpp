// rebarcat convert: any catalogue rebarcat can read, above all a genuine Access file (which is
// read-only here), written as a catalogue file of our own.
#include <filesystem>
#include <ostream>

#include "cli.h"
#include "output.h"
#include "vntl/tablestore.h"
#include "win/utf8.h"

namespace rebarcat {

namespace {

namespace fs = std::filesystem;

std::string counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string reason(const vntl::TableStore& store) {
    return WideToUtf8(store.lastError());
}

// The tables of the catalogue at `file` with their row counts, as a table with a heading.
bool listTables(vntl::TableStore& store, std::vector<TableRow>& rows, std::size_t& total) {
    std::vector<std::wstring> tables;
    if (!store.tables(tables)) return false;
    rows = {{"table", "rows"}};
    total = 0;
    for (const auto& table : tables) {
        int count = 0, columns = 0;
        if (!store.counts(table, count, columns)) return false;
        rows.push_back({WideToUtf8(table), std::to_string(count)});
        total += static_cast<std::size_t>(count);
    }
    return true;
}

int runConvert(Arguments& arguments, std::ostream& out, std::ostream& err) {
    const bool force = arguments.flag("force");
    if (int status = checkNoMoreOptions(arguments, err)) return status;
    if (arguments.rest().size() != 2) {
        err << "rebarcat: convert takes the catalogue to read and the file to write\n";
        return kUsage;
    }
    const std::string& input = arguments.rest()[0];
    const std::string& output = arguments.rest()[1];

    vntl::TableStore store;
    if (!store.open(Utf8ToWide(input))) {
        err << "rebarcat: cannot read " << input << ": " << reason(store) << "\n";
        return kUsage;
    }
    std::error_code ignored;
    if (fs::equivalent(input, output, ignored)) {
        err << "rebarcat: " << output << " is the catalogue being converted; name another file\n";
        return kUsage;
    }
    if (!force && (fs::exists(output, ignored) || fs::is_symlink(output, ignored))) {
        err << "rebarcat: " << output << " already exists; add --force to replace it\n";
        return kUsage;
    }
    if (!store.saveAs(Utf8ToWide(output))) {
        err << "rebarcat: " << reason(store) << "\n";
        return kUsage;
    }

    // What is reported is read back from the new file, so it says what the file holds.
    vntl::TableStore written;
    std::vector<TableRow> rows;
    std::size_t total = 0;
    if (!written.open(Utf8ToWide(output)) || !listTables(written, rows, total)) {
        err << "rebarcat: the new file " << output << " cannot be read back: " << reason(written)
            << "\n";
        return kUsage;
    }
    printTable(rows, out);
    out << "copied " << counted(rows.size() - 1, "table", "tables") << ", "
        << counted(total, "row", "rows") << " to " << output << "\n";
    return kSuccess;
}

}  // namespace

Command convertCommand() {
    return {"convert", "convert IN OUT [--force]",
            "Write a catalogue (also a read-only Access file) as a catalogue file.",
            "  IN       the catalogue to read: a catalogue file or a genuine Access file\n"
            "  OUT      the catalogue file to write; written whole or not at all\n"
            "  --force  replace OUT if it exists (without it an existing OUT is refused)\n",
            runConvert};
}

}  // namespace rebarcat
