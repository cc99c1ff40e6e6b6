#pragma once

// Whether SQLite will read a catalogue's schema, decided without making it parse every
// statement. Private to the store.
//
// SQLite parses the statement of every table the first time a database is queried and refuses
// the whole database when one does not read. A catalogue holds hundreds of tables made by the
// same few statements, differing only in the table's name: each distinct statement is parsed
// once, and what SQLite checks beyond the statement (the name it makes agrees with the row's,
// no name twice) is checked here. Anything this check does not know answers "unsure", and the
// caller lets SQLite parse the schema itself.

#include <span>

#include "vntl/pagecheck.h"

namespace vntl::schemacheck {

// True when every row is a table that SQLite is sure to load; false when unsure, never when
// the schema is sound but unusual.
bool surelyLoads(std::span<const pagecheck::SchemaRow> schema, std::uint32_t schemaFormat);

}  // namespace vntl::schemacheck
