// Times the questions the host asks the bar catalogue most (a bar's record by name, a family's
// bar names by diameter, its diameter texts), a drawing regeneration and a bar selector built
// from them, and attaching and saving a catalogue file, on the bundled catalogue and on a large
// generated one, each beside the plain SQLite code a host programmer would otherwise write.
#include <benchmark/benchmark.h>
#include <sys/random.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "catalogfiles.h"
#include "catalogundertest.h"
#include "ratioreporter.h"
#include "savecontenders.h"
#include "win/guid.h"
#include "win/module.h"

namespace {

using bench::CatalogUnderTest;

constexpr double kScale = 1.0;
constexpr std::size_t kMask = CatalogUnderTest::kLookups - 1;

bool skipWhenTheyDisagree(benchmark::State& state, const CatalogUnderTest& catalog) {
    if (catalog.disagreement().empty()) return false;
    state.SkipWithError(("the contenders disagree: " + catalog.disagreement()).c_str());
    return true;
}

void moduleGetSteelgrade(benchmark::State& state, CatalogUnderTest* catalog) {
    if (skipWhenTheyDisagree(state, *catalog)) return;
    catalog->makeCurrent();
    CVnRebarSteelGradeCatalog& module = catalog->module();
    const auto& lookups = catalog->lookups();
    std::size_t next = 0;
    for (auto _ : state) {
        const bench::Lookup& lookup = lookups[next++ & kMask];
        bool found = false;
        CVnRebarSteelGrade record = module.GetSteelgrade(lookup.bar.wide.c_str(),
                                                         lookup.family.wide.c_str(), kScale, found);
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(record);
    }
}

void plainGetSteelgrade(benchmark::State& state, CatalogUnderTest* catalog) {
    if (skipWhenTheyDisagree(state, *catalog)) return;
    bench::PlainSqliteCatalog& plain = catalog->plain();
    const auto& lookups = catalog->lookups();
    std::size_t next = 0;
    for (auto _ : state) {
        const bench::Lookup& lookup = lookups[next++ & kMask];
        bench::BarValues values;
        bool found = plain.bar(lookup.family.utf8, lookup.bar.utf8, kScale, values);
        benchmark::DoNotOptimize(found);
        benchmark::DoNotOptimize(values);
    }
}

void moduleGetFamilySteelgrade(benchmark::State& state, CatalogUnderTest* catalog) {
    if (skipWhenTheyDisagree(state, *catalog)) return;
    catalog->makeCurrent();
    CVnRebarSteelGradeCatalog& module = catalog->module();
    const auto& families = catalog->families();
    std::size_t next = 0;
    for (auto _ : state) {
        const bench::Name& family = families[next++ % families.size()];
        CStringList names;
        bool ok = module.GetFamilySteelgrade(names, family.wide.c_str());
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(names);
    }
}

void plainGetFamilySteelgrade(benchmark::State& state, CatalogUnderTest* catalog) {
    if (skipWhenTheyDisagree(state, *catalog)) return;
    bench::PlainSqliteCatalog& plain = catalog->plain();
    const auto& families = catalog->families();
    std::size_t next = 0;
    for (auto _ : state) {
        const bench::Name& family = families[next++ % families.size()];
        std::vector<std::wstring> names;
        bool ok = plain.namesByDiameter(family.utf8, names);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(names);
    }
}

void moduleGetDiameters(benchmark::State& state, CatalogUnderTest* catalog) {
    if (skipWhenTheyDisagree(state, *catalog)) return;
    catalog->makeCurrent();
    CVnRebarSteelGradeCatalog& module = catalog->module();
    const auto& families = catalog->families();
    std::size_t next = 0;
    for (auto _ : state) {
        const bench::Name& family = families[next++ % families.size()];
        CStringList diameters;
        bool fixedDiameter = false;
        bool ok =
            module.GetDiametersForFamilySteelgrade(diameters, family.wide.c_str(), fixedDiameter);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(diameters);
    }
}

void plainGetDiameters(benchmark::State& state, CatalogUnderTest* catalog) {
    if (skipWhenTheyDisagree(state, *catalog)) return;
    bench::PlainSqliteCatalog& plain = catalog->plain();
    const auto& families = catalog->families();
    std::size_t next = 0;
    for (auto _ : state) {
        const bench::Name& family = families[next++ % families.size()];
        std::vector<std::wstring> diameters;
        bool fixedDiameter = false;
        bool ok = plain.diameterTexts(family.utf8, diameters, fixedDiameter);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(diameters);
    }
}

// A drawing regeneration: every bar of the drawing asks for its record once.
void moduleRegeneration(benchmark::State& state, CatalogUnderTest* catalog) {
    if (skipWhenTheyDisagree(state, *catalog)) return;
    catalog->makeCurrent();
    CVnRebarSteelGradeCatalog& module = catalog->module();
    for (auto _ : state) {
        for (const bench::Lookup& lookup : catalog->regeneration()) {
            bool found = false;
            CVnRebarSteelGrade record = module.GetSteelgrade(
                lookup.bar.wide.c_str(), lookup.family.wide.c_str(), kScale, found);
            benchmark::DoNotOptimize(found);
            benchmark::DoNotOptimize(record);
        }
    }
    state.counters["calls"] = static_cast<double>(catalog->regeneration().size());
}

void plainRegeneration(benchmark::State& state, CatalogUnderTest* catalog) {
    if (skipWhenTheyDisagree(state, *catalog)) return;
    bench::PlainSqliteCatalog& plain = catalog->plain();
    for (auto _ : state) {
        for (const bench::Lookup& lookup : catalog->regeneration()) {
            bench::BarValues values;
            bool found = plain.bar(lookup.family.utf8, lookup.bar.utf8, kScale, values);
            benchmark::DoNotOptimize(found);
            benchmark::DoNotOptimize(values);
        }
    }
    state.counters["calls"] = static_cast<double>(catalog->regeneration().size());
}

// A bar selector filled for every family: the names by diameter and the diameter texts.
void moduleBarSelector(benchmark::State& state, CatalogUnderTest* catalog) {
    if (skipWhenTheyDisagree(state, *catalog)) return;
    catalog->makeCurrent();
    CVnRebarSteelGradeCatalog& module = catalog->module();
    for (auto _ : state) {
        for (const bench::Name& family : catalog->families()) {
            CStringList names;
            CStringList diameters;
            bool fixedDiameter = false;
            bool ok = module.GetFamilySteelgrade(names, family.wide.c_str()) &&
                      module.GetDiametersForFamilySteelgrade(diameters, family.wide.c_str(),
                                                             fixedDiameter);
            benchmark::DoNotOptimize(ok);
            benchmark::DoNotOptimize(names);
            benchmark::DoNotOptimize(diameters);
        }
    }
}

void plainBarSelector(benchmark::State& state, CatalogUnderTest* catalog) {
    if (skipWhenTheyDisagree(state, *catalog)) return;
    bench::PlainSqliteCatalog& plain = catalog->plain();
    for (auto _ : state) {
        for (const bench::Name& family : catalog->families()) {
            std::vector<std::wstring> names;
            std::vector<std::wstring> diameters;
            bool fixedDiameter = false;
            bool ok = plain.namesByDiameter(family.utf8, names) &&
                      plain.diameterTexts(family.utf8, diameters, fixedDiameter);
            benchmark::DoNotOptimize(ok);
            benchmark::DoNotOptimize(names);
            benchmark::DoNotOptimize(diameters);
        }
    }
}

// Attaching the file and saving it, as the editor dialog does when the user picks a catalogue
// and presses OK; beside SQLite's own copy of the same file into a new one.
// What "rebarcat families" asks of a catalogue: attach the file, then for every family its
// bond class, steel limit, bar names, standard and fixed-diameter mark.
void moduleFamilyListing(benchmark::State& state, CatalogUnderTest* catalog) {
    if (skipWhenTheyDisagree(state, *catalog)) return;
    catalog->makeCurrent();
    CVnRebarSteelGradeCatalog& module = catalog->module();
    const CString file = module.GetDBPath();
    for (auto _ : state) {
        bool ok = module.SetDBPath(file);
        CStringList families;
        ok = module.GetSteelgradeFamilies(families, CString()) && ok;
        for (POSITION pos = families.GetHeadPosition(); pos;) {
            const CString family = families.GetNext(pos);
            CString adherence;
            bool found = false;
            double limit = 0.0;
            CStringList names;
            module.GetAdherence(family, adherence, found);
            ok = module.GetSteelLimit(family, limit) && found && ok;
            ok = module.GetNameForFamilySteelgrade(names, family) && ok;
            benchmark::DoNotOptimize(module.GetStandardFromSteelGrade(family));
            benchmark::DoNotOptimize(module.CheckSteelgradeFamilyForFixedDiameter(family));
        }
        if (!ok) state.SkipWithError("a family question failed");
    }
}

void moduleOpenAndSave(benchmark::State& state, bench::SaveUnderTest* save) {
    save->makeCurrent();
    for (auto _ : state) {
        if (!save->module().SetDBPath(save->path()) || !save->module().SaveDatabase()) {
            state.SkipWithError("the module could not attach or save the catalogue");
            break;
        }
    }
}

struct PlainSave {
    std::filesystem::path source;
    std::filesystem::path target;
    bench::SyncPolicy policy;
};

void plainSave(benchmark::State& state, PlainSave* save) {
    for (auto _ : state) bench::backupToNewFile(save->source, save->target, save->policy);
}

// Reading the file into memory: the module attaching it, SQLite copying it into an in-memory
// database.
void plainOpen(benchmark::State& state, PlainSave* save) {
    for (auto _ : state) bench::backupIntoMemory(save->source);
}

void moduleOpen(benchmark::State& state, bench::SaveUnderTest* save) {
    save->makeCurrent();
    for (auto _ : state) benchmark::DoNotOptimize(save->module().SetDBPath(save->path()));
}

// SetDBPath in its two parts: the container attaching the file, then the units pool refilled
// from the freshly attached file.
void stepInitialize(benchmark::State& state, bench::SaveUnderTest* save) {
    save->makeCurrent();
    for (auto _ : state) benchmark::DoNotOptimize(save->container().Initialize(save->path()));
}

void stepFillUnitsPool(benchmark::State& state, bench::SaveUnderTest* save) {
    save->makeCurrent();
    for (auto _ : state) {
        state.PauseTiming();
        const bool attached = save->container().Initialize(save->path());
        state.ResumeTiming();
        CVnRebarSteelGradeCatalog::UnitsPool pool;
        if (!attached || !save->module().FillUnitsPool(pool)) {
            state.SkipWithError("the units could not be read");
            break;
        }
        benchmark::DoNotOptimize(pool);
    }
}

void moduleSave(benchmark::State& state, bench::SaveUnderTest* save) {
    save->makeCurrent();
    for (auto _ : state) benchmark::DoNotOptimize(save->module().SaveDatabase());
}

// The steps of the module's GetSteelgrade one by one: making the record it returns, finding the
// row, converting the row; and the family check that starts GetFamilySteelgrade.
void stepRecord(benchmark::State& state, CatalogUnderTest*) {
    for (auto _ : state) {
        CVnRebarSteelGrade record;
        benchmark::DoNotOptimize(record);
    }
}

void stepFind(benchmark::State& state, CatalogUnderTest* catalog) {
    catalog->makeCurrent();
    bench::ProbeCatalog& module = catalog->module();
    const auto& lookups = catalog->lookups();
    std::size_t next = 0;
    for (auto _ : state) {
        const bench::Lookup& lookup = lookups[next++ & kMask];
        CString table;
        CVnRebarSteelGradeCatalog::Row row;
        int index = module.InternalFindSteelgrade(lookup.bar.wide.c_str(),
                                                  lookup.family.wide.c_str(), table, row);
        benchmark::DoNotOptimize(index);
        benchmark::DoNotOptimize(row);
    }
}

void stepConvert(benchmark::State& state, CatalogUnderTest* catalog) {
    catalog->makeCurrent();
    bench::ProbeCatalog& module = catalog->module();
    // Every row holds every column, so the conversion reads the rows without adding to them.
    auto rows = catalog->rows();
    CVnRebarSteelGrade record;
    std::size_t next = 0;
    for (auto _ : state) {
        bench::FoundRow& found = rows[next++ & kMask];
        bool ok = module.ImportSteelgrade(found.row, found.table, kScale, record);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(record);
    }
}

void stepFindFamily(benchmark::State& state, CatalogUnderTest* catalog) {
    catalog->makeCurrent();
    bench::ProbeCatalog& module = catalog->module();
    const auto& families = catalog->families();
    std::size_t next = 0;
    for (auto _ : state) {
        bool found = module.FindSteelgradeFamily(families[next++ % families.size()].wide.c_str());
        benchmark::DoNotOptimize(found);
    }
}

// What a new record's GUID costs underneath: the platform call, and the two sources of random
// bytes behind it.
void platformCoCreateGuid(benchmark::State& state) {
    for (auto _ : state) {
        GUID guid;
        benchmark::DoNotOptimize(CoCreateGuid(&guid));
        benchmark::DoNotOptimize(guid);
    }
}

void platformRandomDevice(benchmark::State& state) {
    for (auto _ : state) {
        std::random_device device;
        benchmark::DoNotOptimize(device);
    }
}

void platformGetrandom(benchmark::State& state) {
    for (auto _ : state) {
        unsigned char bytes[16];
        benchmark::DoNotOptimize(getrandom(bytes, sizeof bytes, 0));
        benchmark::DoNotOptimize(bytes);
    }
}

void registerPlatformCosts() {
    benchmark::RegisterBenchmark("Platform/CoCreateGuid", platformCoCreateGuid)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Platform/std::random_device()", platformRandomDevice)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Platform/getrandom(16 bytes)", platformGetrandom)
        ->Unit(benchmark::kMicrosecond);
}

void registerSteps(const std::string& label, CatalogUnderTest* catalog) {
    const std::pair<const char*, void (*)(benchmark::State&, CatalogUnderTest*)> steps[] = {
        {"GetSteelgrade:record", stepRecord},
        {"GetSteelgrade:InternalFindSteelgrade", stepFind},
        {"GetSteelgrade:ImportSteelgrade", stepConvert},
        {"GetFamilySteelgrade:FindSteelgradeFamily", stepFindFamily},
    };
    for (const auto& [name, step] : steps) {
        benchmark::RegisterBenchmark(("Step/" + label + "/" + name).c_str(), step, catalog)
            ->Unit(benchmark::kMicrosecond);
    }
}

void registerPair(const std::string& question, const std::string& label, CatalogUnderTest* catalog,
                  void (*module)(benchmark::State&, CatalogUnderTest*),
                  void (*plain)(benchmark::State&, CatalogUnderTest*),
                  benchmark::TimeUnit unit = benchmark::kMicrosecond) {
    const std::string prefix = question + "/" + label + "/";
    benchmark::RegisterBenchmark((prefix + "module").c_str(), module, catalog)->Unit(unit);
    benchmark::RegisterBenchmark((prefix + "sqlite").c_str(), plain, catalog)->Unit(unit);
}

void registerSaves(const std::string& label, bench::SaveUnderTest* save, PlainSave* same,
                   PlainSave* defaults) {
    const auto ms = benchmark::kMillisecond;
    auto pair = [&](const std::string& question, auto module, auto plain, PlainSave* plainSave) {
        const std::string prefix = question + "/" + label + "/";
        benchmark::RegisterBenchmark((prefix + "module").c_str(), module, save)->Unit(ms);
        benchmark::RegisterBenchmark((prefix + "sqlite").c_str(), plain, plainSave)->Unit(ms);
    };
    pair("OpenAndSave", moduleOpenAndSave, plainSave, same);
    pair("Open", moduleOpen, plainOpen, same);
    pair("Save", moduleSave, plainSave, same);
    benchmark::RegisterBenchmark(
        ("Reference/" + label + "/sqlite3_backup, SQLite's default syncs").c_str(), plainSave,
        defaults)
        ->Unit(ms);
    benchmark::RegisterBenchmark(("Step/" + label + "/Open:Initialize").c_str(), stepInitialize,
                                 save)
        ->Unit(ms);
    benchmark::RegisterBenchmark(("Step/" + label + "/Open:FillUnitsPool").c_str(),
                                 stepFillUnitsPool, save)
        ->Unit(ms);
}

int runBenchmarks() {
    bench::ScratchFolder scratch;
    const auto generated = scratch / "Generated200x60.mdb";
    bench::writeGeneratedCatalog(generated, bench::GeneratedShape{});
    bench::SaveUnderTest saveCatalog(generated, scratch / "Saved200x60.mdb", L"save.dwg");
    PlainSave plainSameSyncs{generated, scratch / "Copied200x60.mdb",
                             bench::SyncPolicy::sameAsTheStore};
    PlainSave plainDefaultSyncs{generated, scratch / "CopiedWithDefaults200x60.mdb",
                                bench::SyncPolicy::sqliteDefaults};

    const auto many = scratch / "Generated2000x2.mdb";
    bench::writeGeneratedCatalog(many, bench::GeneratedShape{2000, 2});

    CatalogUnderTest bundledCatalog(REBAR_BUNDLED_CATALOG, L"bundled.dwg");
    CatalogUnderTest generatedCatalog(generated, L"generated.dwg");
    CatalogUnderTest manyFamilies(many, L"many.dwg");
    for (auto* catalog : {&bundledCatalog, &generatedCatalog, &manyFamilies}) {
        if (!catalog->disagreement().empty())
            std::fprintf(stderr, "catalog_bench: %s\n", catalog->disagreement().c_str());
    }

    for (auto [label, catalog] :
         {std::pair{"bundled", &bundledCatalog}, std::pair{"generated200x60", &generatedCatalog}}) {
        registerPair("GetSteelgrade", label, catalog, moduleGetSteelgrade, plainGetSteelgrade);
        registerPair("GetFamilySteelgrade", label, catalog, moduleGetFamilySteelgrade,
                     plainGetFamilySteelgrade);
        registerPair("GetDiametersForFamilySteelgrade", label, catalog, moduleGetDiameters,
                     plainGetDiameters);
        registerPair("BarSelector", label, catalog, moduleBarSelector, plainBarSelector,
                     benchmark::kMillisecond);
    }
    registerPair("Regeneration", "generated200x60", &generatedCatalog, moduleRegeneration,
                 plainRegeneration, benchmark::kMillisecond);
    registerSaves("generated200x60", &saveCatalog, &plainSameSyncs, &plainDefaultSyncs);
    benchmark::RegisterBenchmark("FamilyListing/generated2000x2/module", moduleFamilyListing,
                                 &manyFamilies)
        ->Unit(benchmark::kMillisecond);
    for (auto [label, catalog] :
         {std::pair{"bundled", &bundledCatalog}, std::pair{"generated200x60", &generatedCatalog}})
        registerSteps(label, catalog);
    registerPlatformCosts();

    bench::RatioReporter reporter(isatty(STDOUT_FILENO)
                                      ? benchmark::ConsoleReporter::OO_ColorTabular
                                      : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::ClearRegisteredBenchmarks();  // they point at the catalogues about to go
    // Figures for contenders that answer differently compare nothing: say so in the status.
    const bool agree = bundledCatalog.disagreement().empty() &&
                       generatedCatalog.disagreement().empty() &&
                       manyFamilies.disagreement().empty();
    return agree ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    // As the CAD host does: the module's entry point runs before any catalogue is made.
    HMODULE module = LoadLibraryW(L"librebar.so");
    if (!module) {
        std::fprintf(stderr, "catalog_bench: cannot load librebar.so\n");
        return 1;
    }
    int status = 1;
    cadhost::reset();
    try {
        status = runBenchmarks();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "catalog_bench: %s\n", error.what());
    }
    cadhost::reset();
    benchmark::Shutdown();
    FreeLibrary(module);
    return status;
}
