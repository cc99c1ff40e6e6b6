#pragma once

// The check a catalogue file passes before it is served: the structure of the whole database,
// read straight from the file's bytes in one pass over its pages. Private to the store.
//
// Every b-tree named by the schema is walked from its root: each page must be a b-tree page of
// the tree's kind, its cells must lie inside the page, every page number must be in the file,
// no page may be reached twice, and each table row's record header must agree with its size.
// Together with the free list, the trees must account for every page of the file. This is the
// structure SQLite's own quick check verifies, without decoding each value of each row, which
// costs a catalogue ten times more than copying it.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vntl::pagecheck {

enum class Verdict {
    sound,
    damaged,
    unsupported,  // a layout the walk does not know (auto-vacuum, WAL); SQLite must judge
};

// A row of the schema table, its texts as stored (UTF-8); valid while it is handed over.
struct SchemaRow {
    std::string_view type, name, tableName, sql;
    bool plain = false;     // every text a text and the root page an integer, as SQLite writes them
    bool internal = false;  // one of SQLite's own tables ("sqlite_sequence", "sqlite_stat1")
};
using SchemaSink = std::function<void(const SchemaRow&)>;

struct Result {
    Verdict verdict = Verdict::sound;
    std::wstring reason;               // why the file is damaged or not walked
    std::vector<std::wstring> tables;  // when sound: the user tables, in schema order
    std::uint32_t schemaFormat = 0;    // the header's schema format number
};

// `image` is the whole file; its header was already found sound (size, page size, magic).
// `schema`, when given, is handed each row of the schema table in order as the walk meets it.
Result checkImage(std::span<const unsigned char> image, const SchemaSink& schema = {});

}  // namespace vntl::pagecheck
