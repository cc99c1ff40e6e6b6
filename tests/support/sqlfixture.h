// Catalogue files for tests, built from SQL text so that a fixture says in a few lines what a
// file holds, without going through the code under test.
#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace testsupport {

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    // The names of the entries in the folder: what a user would find beside a catalogue.
    std::set<std::string> listing() const;

private:
    std::filesystem::path m_path;
};

// Runs the SQL script into a new database file at `file`; throws with SQLite's message.
void buildDatabase(const std::filesystem::path& file, const std::string& sql);
// The same with the script read from a file.
void buildDatabaseFromFile(const std::filesystem::path& file, const std::filesystem::path& script);
std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& bytes);

}  // namespace testsupport
