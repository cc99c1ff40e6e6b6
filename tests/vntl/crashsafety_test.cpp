// What a detailer keeps when the program dies in the middle of saving a catalogue, or when the
// disk fills up while it writes: the file on disk is always one whole saved state, never a mix.
//
// A child process opens a realistic catalogue through the container and saves it again and
// again, stamping a new counter into the definition record and into the first and last bar of
// every family before each save; the parent kills it at a random moment and then checks what
// is on disk. The seed of the random moments is printed; REBAR_CRASH_SEED=<seed> replays the
// same moments, as fractions of a save (the time a save takes varies from run to run), and
// REBAR_CRASH_TRIALS=<n> changes the number of kills.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "support/childreport.h"
#include "support/sqlfixture.h"
#include "vntl/vntlmdbcontainer.h"
#include "win/utf8.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kFamilies = 20;
constexpr int kBarsPerFamily = 30;
const char kCatalogueName[] = "catalogue.mdb";
// What the store names its temporary file: the catalogue's name, this, and a unique suffix.
const char kTemporaryInfix[] = ".saving-";
// The lock file that saves take beside the catalogue; it stays there.
const char kLockName[] = "catalogue.mdb.lock";

// A catalogue as the product ships them, about 100 KB: 20 families of 30 bars.
const fs::path kCatalogueScript = fs::path(VNTL_FIXTURES) / "crash_catalogue.sql";

// The counter stamps of one saved state: the definition record's comment and the leg length
// of the first and last bar of every family.
bool stamp(VNTLMdbContainer& container, long counter) {
    CStringArray comment;
    comment.Add(CString((L"save " + std::to_wstring(counter)).c_str()));
    if (!container.setColumnAsString(L"Definition", L"Def_comment", comment)) return false;
    VNTLMdbContainer::Row marker;
    marker[L"LegLength"] = COleVariant(static_cast<double>(counter));
    for (int f = 1; f <= kFamilies; ++f) {
        CString family;
        family.Format(L"B500 F%02d", f);
        if (!container.setTableLine(family, 0, marker) ||
            !container.setTableLine(family, kBarsPerFamily - 1, marker))
            return false;
    }
    return true;
}

// Every table, column and cell of the file except the stamps, as text, read with SQLite itself
// so that the check does not rest on the code under test; the stamps' counters go to `stamps`.
std::string contentWithoutStamps(const fs::path& file, std::vector<long>* stamps = nullptr) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return "cannot open";
    }
    std::vector<std::string> tables;
    sqlite3_stmt* list = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid", -1,
                       &list, nullptr);
    while (sqlite3_step(list) == SQLITE_ROW)
        tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(list, 0)));
    sqlite3_finalize(list);
    std::string all;
    for (const std::string& table : tables) {
        all += "[" + table + "]";
        sqlite3_stmt* rows = nullptr;
        const std::string sql = "SELECT * FROM \"" + table + "\" ORDER BY rowid";
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &rows, nullptr) != SQLITE_OK) {
            all += "unreadable";
            continue;
        }
        const bool family = table.rfind("B500 F", 0) == 0;
        for (int row = 0; sqlite3_step(rows) == SQLITE_ROW; ++row) {
            for (int col = 0; col < sqlite3_column_count(rows); ++col) {
                const std::string name = sqlite3_column_name(rows, col);
                const auto* cell = reinterpret_cast<const char*>(sqlite3_column_text(rows, col));
                const std::string text = cell ? cell : "";
                const bool comment = table == "Definition" && name == "Def_comment";
                if (comment ||
                    (family && name == "LegLength" && (row == 0 || row == kBarsPerFamily - 1))) {
                    const bool counted = !comment || text.rfind("save ", 0) == 0;
                    if (stamps)
                        stamps->push_back(counted ? std::atol(text.c_str() + 5 * comment) : -1);
                    all += "*|";
                } else {
                    all += text + '|';
                }
            }
            all += '\n';
        }
        sqlite3_finalize(rows);
    }
    sqlite3_close(db);
    return all;
}

// What the file on disk holds: the counter every stamp agrees on, or a description of why
// there is none (a file that does not open, other content changed, stamps that disagree).
struct DiskState {
    bool consistent = false;
    long counter = -1;
    std::string problem;
};

DiskState readDisk(const fs::path& file, const std::string& baseline) {
    VNTLMdbContainer container;
    if (!container.Initialize(CString(file.c_str())))
        return {false, -1,
                "the file does not open: " + WideToUtf8(container.getLastError().GetString())};
    std::vector<long> stamps;
    if (contentWithoutStamps(file, &stamps) != baseline)
        return {false, -1, "cells other than the stamps changed"};
    std::string counters;
    for (long stamp : stamps) counters += " " + std::to_string(stamp);
    if (stamps.size() != 1 + 2 * kFamilies || stamps.front() < 0 ||
        std::count(stamps.begin(), stamps.end(), stamps.front()) != std::ssize(stamps))
        return {false, -1, "the stamps disagree:" + counters};
    return {true, stamps.front(), ""};
}

// What the saving child tells the parent: ready, starting save n, finished save n, failed.
struct Message {
    char kind;
    long counter;
};

// The child: opens the catalogue and saves it forever, each save with the next counter. It
// never returns; only SIGKILL (or a failure, reported first) ends it.
[[noreturn]] void saveForever(const fs::path& file, long counter, int channel) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive a parent that failed on its own
    // Messages this small reach the pipe whole or not at all.
    const auto tell = [&](char kind) {
        const Message message{kind, counter};
        if (::write(channel, &message, sizeof message) != sizeof message) ::_exit(4);
    };
    const auto fail = [&] {
        tell('F');
        ::_exit(3);
    };
    VNTLMdbContainer container;
    if (!container.Initialize(CString(file.c_str()))) fail();
    tell('R');
    for (;;) {
        ++counter;
        tell('S');
        if (!stamp(container, counter) || !container.SaveDatabase(0)) fail();
        tell('D');
    }
}

// The next message of the children, waiting for it until `deadline`; false when none came.
bool nextMessage(int channel, Clock::time_point deadline, Message& message) {
    for (;;) {
        if (::read(channel, &message, sizeof message) == sizeof message) return true;
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero()) return false;
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        const timespec timeout{static_cast<time_t>(ns / 1000000000),
                               static_cast<long>(ns % 1000000000)};
        pollfd wait{channel, POLLIN, 0};
        ::ppoll(&wait, 1, &timeout, nullptr);
    }
}

// A positive number set in the environment, or `otherwise`.
std::uint64_t fromEnvironment(const char* name, std::uint64_t otherwise) {
    const char* given = std::getenv(name);
    const std::uint64_t number = given != nullptr ? std::strtoull(given, nullptr, 10) : 0;
    return number > 0 ? number : otherwise;
}

// How long one stamp-and-save takes here, measured on a copy of the catalogue.
Clock::duration savePeriod(const fs::path& catalogue, const fs::path& scratch) {
    fs::copy_file(catalogue, scratch, fs::copy_options::overwrite_existing);
    VNTLMdbContainer container;
    EXPECT_TRUE(container.Initialize(CString(scratch.c_str())));
    constexpr int kRounds = 8;
    const auto start = Clock::now();
    for (int round = 1; round <= kRounds; ++round)
        EXPECT_TRUE(stamp(container, round) && container.SaveDatabase(0));
    const auto period = (Clock::now() - start) / kRounds;
    fs::remove(scratch);
    fs::remove(scratch.string() + ".lock");
    return period;
}

// What the parent learns from the saving child's messages.
struct ChildReport {
    long lastSaved;    // the last save the child finished
    long lastStarted;  // the last save the child began
    bool failed = false;
    Clock::duration saveTime{};  // the last stamp-and-save seen whole, zero if none
    Clock::time_point started{};

    void take(const Message& message, Clock::time_point now) {
        if (message.kind == 'S') {
            lastStarted = message.counter;
            started = now;
        } else if (message.kind == 'D') {
            lastSaved = message.counter;
            if (started != Clock::time_point{}) saveTime = now - started;
        } else if (message.kind == 'F') {
            failed = true;
        }
    }
};

TEST(CrashSafety, AKillAtAnyMomentOfASaveLeavesOneWholeSavedState) {
    testsupport::TempFolder folder;
    const fs::path file = folder.path() / kCatalogueName;
    ASSERT_NO_FATAL_FAILURE(testsupport::buildDatabaseFromFile(file, kCatalogueScript));
    ASSERT_GT(fs::file_size(file), 80u * 1024) << "the catalogue should be realistic in size";
    const std::string baseline = contentWithoutStamps(file);
    // The children's messages come through one pipe, read without blocking.
    int channel[2];
    ASSERT_EQ(::pipe2(channel, O_CLOEXEC), 0);
    ::fcntl(channel[0], F_SETFL, O_NONBLOCK);
    // How long a save takes: measured here first, then on the children's own saves, which
    // run slower on a busy machine or under a sanitizer.
    Clock::duration period = savePeriod(file, folder.path() / "calibration.mdb");

    std::random_device device;
    const std::uint64_t seed =
        fromEnvironment("REBAR_CRASH_SEED", (std::uint64_t{device()} << 32) | device());
    const auto trials = static_cast<int>(fromEnvironment("REBAR_CRASH_TRIALS", 200));
    std::cout << "[ crash    ] seed " << seed << " (REBAR_CRASH_SEED), " << trials
              << " kills, a catalogue of " << fs::file_size(file) << " bytes, one save takes "
              << std::chrono::duration_cast<std::chrono::microseconds>(period).count() << " us"
              << std::endl;
    RecordProperty("seed", std::to_string(seed));
    std::mt19937_64 random(seed);
    // A kill lands anywhere in the first two saves after the catalogue is open; saves follow
    // each other without pause, so every moment of a save is equally likely.
    std::uniform_real_distribution<double> fractionOfTwoSaves(0.0, 2.0);

    long onDisk = 0;  // the counter of the state the file holds
    int killedWhileWriting = 0;
    for (int trial = 0; trial < trials; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial) + " of seed " + std::to_string(seed));
        const auto delay =
            std::chrono::duration_cast<Clock::duration>(period * fractionOfTwoSaves(random));
        const std::set<std::string> before = folder.listing();

        const pid_t child = ::fork();
        if (child == 0) saveForever(file, onDisk, channel[1]);
        ASSERT_GT(child, 0);
        ChildReport report{onDisk, onDisk};
        Message message{};
        // Opening takes a moment; a child that has not opened within half a minute is stuck.
        const bool ready =
            nextMessage(channel[0], Clock::now() + std::chrono::seconds(30), message) &&
            message.kind == 'R';
        // Then the kill comes at the chosen moment, the child's messages being noted meanwhile.
        const auto deadline = Clock::now() + delay;
        while (ready && nextMessage(channel[0], deadline, message))
            report.take(message, Clock::now());
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (report.saveTime != Clock::duration::zero()) period = (3 * period + report.saveTime) / 4;

        // The rest of what the child said, to know which states it saved and was saving.
        while (::read(channel[0], &message, sizeof message) == sizeof message)
            report.take(message, Clock::now());
        ASSERT_TRUE(ready && !report.failed) << "the child could not open or save the catalogue";
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        const DiskState state = readDisk(file, baseline);
        ASSERT_TRUE(state.consistent)
            << state.problem << " (killed after "
            << std::chrono::duration_cast<std::chrono::microseconds>(delay).count() << " us)";
        // The last finished save, or the one under way when its rename had just happened.
        ASSERT_TRUE(state.counter == report.lastSaved || state.counter == report.lastStarted)
            << "the file holds save " << state.counter << "; the child finished save "
            << report.lastSaved << " and was saving " << report.lastStarted;
        onDisk = state.counter;

        // A kill between creating the temporary file and renaming it leaves that file behind.
        // It never takes the catalogue's place: the catalogue above opened whole beside it.
        const std::set<std::string> after = folder.listing();
        for (const std::string& name : after) {
            if (name == kCatalogueName || name == kLockName || before.count(name) != 0) continue;
            ASSERT_EQ(name.rfind(std::string(kCatalogueName) + kTemporaryInfix, 0), 0u)
                << "unexpected file " << name;
            ASSERT_NE(name.substr(name.size() - 4), ".mdb")
                << "a leftover must not look like a catalogue to the file dialog";
            ++killedWhileWriting;
        }
    }

    ::close(channel[0]);
    ::close(channel[1]);
    const std::size_t leftovers = folder.listing().size() - 2;  // beside catalogue and lock
    std::cout << "[ crash    ] " << killedWhileWriting << " of " << trials
              << " kills hit a save between its temporary file and its rename" << std::endl;
    // The kills must have reached the writing itself, or the test proves nothing.
    EXPECT_GT(killedWhileWriting, 0);
    // Each child's first save removed what the child killed before it had left behind.
    EXPECT_LE(leftovers, 1u) << "a save removes the temporary files of killed saves";
}

// What a save answered in a forked child whose files may not grow beyond `limit` bytes: what a
// full disk does to a write, at a point of the write that the limit chooses. With `retry`, the
// child then lifts the limit, as freeing space would, and saves again with the same container.
struct SaveOutcome {
    bool ok = false;
    std::wstring reason;
    bool retryOk = false;
};

std::optional<SaveOutcome> saveWithFileSizeLimit(VNTLMdbContainer& container, rlim_t limit,
                                                 bool retry = false) {
    const auto report = testsupport::reportFromChild([&]() -> std::wstring {
        rlimit size{};
        // Without SIGXFSZ ignored the write would kill the process instead of failing.
        if (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::getrlimit(RLIMIT_FSIZE, &size) != 0)
            return L"S";
        const rlim_t lifted = std::exchange(size.rlim_cur, limit);
        if (::setrlimit(RLIMIT_FSIZE, &size) != 0) return L"S";
        const bool ok = container.SaveDatabase(0);
        const std::wstring reason = container.getLastError().GetString();
        size.rlim_cur = lifted;
        const bool retryOk =
            retry && ::setrlimit(RLIMIT_FSIZE, &size) == 0 && container.SaveDatabase(0);
        return std::wstring(ok ? L"1" : L"0") + (retryOk ? L"1" : L"0") + reason;
    });
    if (!report || report->size() < 2 || (*report)[0] == L'S') return std::nullopt;
    return SaveOutcome{(*report)[0] == L'1', report->substr(2), (*report)[1] == L'1'};
}

TEST(CrashSafety, ASaveThatRunsOutOfSpaceFailsSaysWhyAndKeepsThePreviousFile) {
    testsupport::TempFolder folder;
    const fs::path file = folder.path() / kCatalogueName;
    ASSERT_NO_FATAL_FAILURE(testsupport::buildDatabaseFromFile(file, kCatalogueScript));
    const std::string before = testsupport::readFile(file);
    const auto size = static_cast<rlim_t>(before.size());
    const std::string baseline = contentWithoutStamps(file);

    VNTLMdbContainer container;
    ASSERT_TRUE(container.Initialize(CString(file.c_str())));
    ASSERT_TRUE(stamp(container, 1));

    // The space runs out before the first byte, inside the first page, at a page boundary, in
    // the middle of the file and on its very last byte.
    const rlim_t limits[] = {0, 1, 100, 4095, 4096, 8192, size / 2, size - 4096, size - 1};
    for (const rlim_t limit : limits) {
        SCOPED_TRACE("file size limit " + std::to_string(limit) + " of " + std::to_string(size));
        const auto outcome = saveWithFileSizeLimit(container, limit);
        ASSERT_TRUE(outcome) << "the child could not limit its file size";
        EXPECT_FALSE(outcome->ok);
        // The reason says what failed, on which file and why.
        for (const std::wstring& part :
             {std::wstring(L"cannot save the catalogue \""), file.filename().wstring() + L"\": ",
              std::wstring(L"File too large")})
            EXPECT_NE(outcome->reason.find(part), std::wstring::npos)
                << WideToUtf8(outcome->reason);
        EXPECT_TRUE(testsupport::readFile(file) == before) << "the previous file changed";
        EXPECT_EQ(folder.listing(), (std::set<std::string>{kCatalogueName, kLockName}))
            << "the failed save left its temporary file";
    }

    // A failed save costs the session nothing: once there is room again, the same container
    // saves the edits it held.
    const auto again = saveWithFileSizeLimit(container, size / 2, true);
    ASSERT_TRUE(again);
    EXPECT_FALSE(again->ok);
    EXPECT_TRUE(again->retryOk);
    const DiskState resaved = readDisk(file, baseline);
    EXPECT_TRUE(resaved.consistent) << resaved.problem;
    EXPECT_EQ(resaved.counter, 1);
    EXPECT_EQ(folder.listing(), (std::set<std::string>{kCatalogueName, kLockName}));
}

}  // namespace
