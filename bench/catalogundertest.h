// One catalogue file as both contenders see it: the module's catalogue object in a drawing of
// its own, and the plain SQLite code on an in-memory copy of the same file. Also the fixed
// look-up sequences the benchmarks walk, built here so that no text is made inside a timed
// loop.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cad/hostsession.h"
#include "plaincatalog.h"
#include "rebar/vnrebarsteelgradecatalog.h"

namespace bench {

// A family or bar name in the form each contender takes it.
struct Name {
    std::wstring wide;  // the module's const wchar_t*
    std::string utf8;   // SQLite's bound text
};

struct Lookup {
    Name family;
    Name bar;
};

// The module's catalogue with the steps of its look-ups opened up, so each can be timed alone.
class ProbeCatalog : public CVnRebarSteelGradeCatalog {
public:
    using CVnRebarSteelGradeCatalog::ImportSteelgrade;
    using CVnRebarSteelGradeCatalog::InternalFindSteelgrade;
};

// A bar row as the module's look-up leaves it, ready for the conversion step.
struct FoundRow {
    CString table;
    CVnRebarSteelGradeCatalog::Row row;
};

class CatalogUnderTest {
public:
    // Look-ups in each sequence; a power of two so the loops wrap with a mask.
    static constexpr std::size_t kLookups = 4096;
    // Look-ups of one drawing regeneration: every bar of a large drawing asked for once.
    static constexpr std::size_t kRegeneration = 10000;

    // Opens a drawing bound to `file` (it becomes the current one) and both contenders on it,
    // then checks that they agree on every look-up; throws when a contender cannot start.
    CatalogUnderTest(const std::filesystem::path& file, const std::wstring& drawing);
    ~CatalogUnderTest();

    // The module keeps its units per current drawing: each benchmark makes its own current.
    void makeCurrent() const;

    ProbeCatalog& module() { return *m_module; }
    PlainSqliteCatalog& plain() { return *m_plain; }
    const std::vector<Lookup>& lookups() const { return m_lookups; }
    // The look-ups of one regeneration, drawn like lookups() but from a seed of their own.
    const std::vector<Lookup>& regeneration() const { return m_regeneration; }
    const std::vector<Name>& families() const { return m_families; }
    // The row of each look-up, in the same order.
    const std::vector<FoundRow>& rows() const { return m_rows; }
    // Empty when both contenders gave the same answers; otherwise what differed first.
    const std::string& disagreement() const { return m_disagreement; }

private:
    std::string compareBar(const Lookup& lookup);
    std::string compareFamily(const Name& family);
    std::string compareDiameters(const Name& family);

    cadhost::DocumentId m_document;
    std::unique_ptr<ProbeCatalog> m_module;
    std::unique_ptr<PlainSqliteCatalog> m_plain;
    std::vector<Name> m_families;
    std::vector<Lookup> m_lookups;
    std::vector<Lookup> m_regeneration;
    std::vector<FoundRow> m_rows;
    std::string m_disagreement;
};

}  // namespace bench
