// The catalogue files the benchmarks read: the bundled default catalogue, and a large one made
// on the spot so that costs which grow with the number of families and bars show.
#pragma once

#include <filesystem>
#include <string>

namespace bench {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object dies.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// The shape of a generated catalogue.
struct GeneratedShape {
    int families = 200;
    int barsPerFamily = 60;
};

// Names of the generated families and bars, by index. Family names hold a blank and a "/" so
// every statement has to quote them, as the real catalogues make it do.
std::string generatedFamilyName(int family);
std::string generatedBarName(int bar);

// Writes a complete bar catalogue ("Definition", "SteelGradeList", "Units" and one table per
// family, laid out as the bundled catalogue is) into a new file at `file`. Bars go in by
// ascending diameter; lengths are in mm, weights in kg/m, sections in mm2. Throws with
// SQLite's message on failure.
void writeGeneratedCatalog(const std::filesystem::path& file, const GeneratedShape& shape);

}  // namespace bench
