// Saving never loses someone else's edits and never takes a file from its owner: a catalogue
// changed behind a loaded container is not overwritten, a read-only or foreign file is not
// replaced, and a replaced file keeps its owner, group and permissions.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "support/childreport.h"
#include "support/cstring_printer.h"
#include "support/sqlfixture.h"
#include "vntl/cataloguelock.h"
#include "vntl/vntlmdbcontainer.h"
#include "win/utf8.h"

namespace {

namespace fs = std::filesystem;

const wchar_t kDefinition[] = L"Definition";
// What another program stamps when it changes the catalogue.
const char kOtherVersion[] = "{0THER000-0000-4000-8000-000000000002}";

std::string lastError(const VNTLMdbContainer& container) {
    return WideToUtf8(container.getLastError().GetString());
}

// The one cell of a definition column.
CString cell(VNTLMdbContainer& container, const wchar_t* column) {
    CStringArray values;
    return container.getColumnAsString(kDefinition, column, values) && values.GetSize() == 1
               ? values[0]
               : CString(L"(unreadable)");
}

bool setCell(VNTLMdbContainer& container, const wchar_t* column, const wchar_t* value) {
    CStringArray values;
    values.Add(value);
    return container.setColumnAsString(kDefinition, column, values);
}

// A catalogue file and a container serving it, holding one unsaved edit of its own.
class SaveSafety : public ::testing::Test {
protected:
    void SetUp() override { start(); }
    void start() {
        fs::remove(file());
        testsupport::buildDatabaseFromFile(file(), fs::path(VNTL_FIXTURES) / "crash_catalogue.sql");
        ASSERT_TRUE(m_container.Initialize(path()));
        ASSERT_TRUE(setCell(m_container, L"Def_comment", L"edited here"));
    }
    fs::path file() const { return m_folder / "Bars.mdb"; }
    CString path() const { return CString(file().c_str()); }

    // The save is refused with `reason` and the file stays byte for byte as it was.
    void expectRefused(const std::string& reason) {
        const bool existed = fs::exists(file());
        const std::string before = existed ? testsupport::readFile(file()) : "";
        EXPECT_FALSE(m_container.SaveDatabase(0));
        EXPECT_NE(lastError(m_container).find(reason), std::string::npos) << lastError(m_container);
        EXPECT_EQ(fs::exists(file()), existed);
        EXPECT_EQ(existed ? testsupport::readFile(file()) : "", before) << "byte for byte";
        EXPECT_EQ(cell(m_container, L"Def_comment"), L"edited here") << "the edit is kept";
    }

    testsupport::TempFolder m_folder;
    VNTLMdbContainer m_container;
};

void writeInPlace(const fs::path& file) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    const std::string update = R"(UPDATE "Definition" SET "Def_editorname" = 'other program', )"
                               R"("Def_version" = ')" +
                               std::string(kOtherVersion) + "'";
    EXPECT_EQ(sqlite3_exec(db, update.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

}  // namespace

TEST_F(SaveSafety, AFileChangedBehindTheContainerIsNotOverwrittenUntilItIsLoadedAgain) {
    struct Case {
        const char* change;
        std::function<void()> apply;
    };
    const Case cases[] = {
        {"another container saved it",
         [&] {
             VNTLMdbContainer other;
             ASSERT_TRUE(other.Initialize(path()));
             ASSERT_TRUE(setCell(other, L"Def_editorname", L"other program"));
             ASSERT_TRUE(setCell(other, L"Def_version", Utf8ToWide(kOtherVersion).c_str()));
             ASSERT_TRUE(other.SaveDatabase(0)) << lastError(other);
         }},
        {"a program wrote into it", [&] { writeInPlace(file()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        start();
        c.apply();
        // The refusal says what the file holds now.
        expectRefused("was changed by another program since it was loaded (it now holds version " +
                      std::string(kOtherVersion) + " of 2024/05/02");
        // Loaded again, the edit applied again, the catalogue holds both programs' edits, and
        // the container's own saves do not count as changes by another program.
        ASSERT_TRUE(m_container.Initialize(path()));
        ASSERT_TRUE(setCell(m_container, L"Def_comment", L"edited here"));
        ASSERT_TRUE(m_container.SaveDatabase(0)) << lastError(m_container);
        ASSERT_TRUE(setCell(m_container, L"Def_type", L"7"));
        ASSERT_TRUE(m_container.SaveDatabase(0)) << lastError(m_container);
        VNTLMdbContainer reader;
        ASSERT_TRUE(reader.Initialize(path()));
        EXPECT_EQ(cell(reader, L"Def_editorname"), L"other program");
        EXPECT_EQ(cell(reader, L"Def_comment"), L"edited here");
        EXPECT_EQ(cell(reader, L"Def_type"), L"7");
    }
}

TEST_F(SaveSafety, ARemovedFileIsNotMadeAgain) {
    fs::remove(file());
    expectRefused("no longer exists");
}

TEST_F(SaveSafety, ASaveKeepsTheFilesOwnerGroupAndPermissions) {
    // Only an administrator may give a file to another user; anyone may pick one of their groups.
    const bool administrator = ::geteuid() == 0;
    gid_t groups[64];
    const int count = ::getgroups(64, groups);
    const gid_t group = administrator ? 65534 : count > 0 ? groups[count - 1] : ::getegid();
    const uid_t owner = administrator ? 65534 : ::geteuid();
    for (mode_t mode : {0600, 0640, 0664, 0606, 02660}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chown(file().c_str(), owner, group), 0);
        ASSERT_EQ(::chmod(file().c_str(), mode), 0);
        ASSERT_TRUE(m_container.SaveDatabase(0)) << lastError(m_container);
        struct stat saved {};
        ASSERT_EQ(::stat(file().c_str(), &saved), 0);
        EXPECT_EQ(saved.st_mode & 07777, mode);
        EXPECT_EQ(saved.st_uid, owner);
        EXPECT_EQ(saved.st_gid, group);
    }
}

TEST_F(SaveSafety, AFileReadOnlyForTheUserIsNotReplacedThoughItsFolderIsWritable) {
    for (mode_t mode : {0444, 0400, 0555}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chmod(file().c_str(), mode), 0);
        expectRefused("is read-only for");
    }
}

TEST_F(SaveSafety, AnotherUsersFileIsNotTakenFromThemByASave) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs a second user, which only root can become";
    ASSERT_EQ(::chmod(file().c_str(), 0666), 0);
    fs::permissions(m_folder.path(), fs::perms::all);
    const std::string before = testsupport::readFile(file());
    auto reason = testsupport::reportFromChild([&]() -> std::wstring {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) return L"cannot become nobody";
        return m_container.SaveDatabase(0) ? L"saved" : m_container.getLastError().GetString();
    });
    ASSERT_TRUE(reason);
    EXPECT_NE(reason->find(L"it belongs to root"), std::wstring::npos) << *reason;
    EXPECT_EQ(testsupport::readFile(file()), before);
}

TEST_F(SaveSafety, AHeldLockMakesOthersWaitAndTheyNameTheFileWhenTheyGiveUp) {
    // Another program's lock: the lock file locked through a descriptor of its own.
    const std::string lockFile = vntl::CatalogueLock::lockFile(path().GetString());
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    struct flock region {};
    region.l_type = F_WRLCK;
    ASSERT_EQ(::fcntl(fd, F_OFD_SETLK, &region), 0);
    vntl::CatalogueLock refused = vntl::CatalogueLock::acquire(path().GetString(), {});
    EXPECT_FALSE(refused.ok());
    EXPECT_NE(refused.note().find(L"\"" + file().wstring() + L"\" is being changed by another"),
              std::wstring::npos)
        << refused.note();
    ::close(fd);
}
