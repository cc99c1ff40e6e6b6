// Attaching a catalogue file and saving it, as the editor dialog does on OK, beside SQLite's own
// way of copying one database file into a new one.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "cad/hostsession.h"
#include "rebar/vnrebarsteelgradecatalog.h"
#include "vntl/vntlmdbcontainer.h"

namespace bench {

// How the plain copy reaches the disk. `sameAsTheStore`: no journal and no syncs while SQLite
// writes, then one fsync of the new file and one of its folder, which is exactly what the
// catalogue's save does around its own copy. `sqliteDefaults`: SQLite's default rollback
// journal and synchronous=FULL, for reference.
enum class SyncPolicy { sameAsTheStore, sqliteDefaults };

// Copies the database file `source` into a new file `target` (removed first if it exists) with
// sqlite3_backup, the whole database in one step. Throws with SQLite's message on failure.
void backupToNewFile(const std::filesystem::path& source, const std::filesystem::path& target,
                     SyncPolicy policy);

// Reads the database file `source` into a new in-memory database with sqlite3_backup, then
// closes both: SQLite's own way of holding a file's content in memory, as the store does.
void backupIntoMemory(const std::filesystem::path& source);

// A catalogue object in a drawing of its own, on its own copy of a catalogue file, so that
// re-attaching and saving it never disturbs the caches the look-up benchmarks run on.
class SaveUnderTest {
public:
    // Copies `file` to `copy` and opens a drawing bound to the copy; throws when the catalogue
    // cannot open it.
    SaveUnderTest(const std::filesystem::path& file, const std::filesystem::path& copy,
                  const std::wstring& drawing);
    ~SaveUnderTest();

    void makeCurrent() const;
    CVnRebarSteelGradeCatalog& module() { return *m_module; }
    // The drawing's container, to time attaching the file apart from refilling the units.
    VNTLMdbContainer& container() { return *m_module->container(); }
    const CString& path() const { return m_path; }

private:
    class Probe : public CVnRebarSteelGradeCatalog {
    public:
        VNTLMdbContainer* container() { return m_pMdbContainer; }
    };

    cadhost::DocumentId m_document;
    CString m_path;
    std::unique_ptr<Probe> m_module;
};

}  // namespace bench
