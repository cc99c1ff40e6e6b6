#include "support/sqlfixture.h"

#include <sqlite3.h>

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace testsupport {

TempFolder::TempFolder() {
    std::random_device random;
    m_path = std::filesystem::temp_directory_path() /
             ("rebar-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

std::set<std::string> TempFolder::listing() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
        names.insert(entry.path().filename().string());
    return names;
}

void buildDatabase(const std::filesystem::path& file, const std::string& sql) {
    std::filesystem::remove(file);
    sqlite3* db = nullptr;
    if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot create " + file.string());
    }
    // A fixture is rebuilt for every test: no journal and no flushes, one transaction.
    std::string script =
        "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;\n" + sql + "\nCOMMIT;";
    char* error = nullptr;
    int rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error);
    std::string message = error ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("fixture SQL failed: " + message);
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

void buildDatabaseFromFile(const std::filesystem::path& file, const std::filesystem::path& script) {
    buildDatabase(file, readFile(script));
}

}  // namespace testsupport
