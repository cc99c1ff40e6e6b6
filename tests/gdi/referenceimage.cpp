#include "gdi/referenceimage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "gdi/png.h"

namespace fs = std::filesystem;

namespace {

bool updating() {
    const char* flag = std::getenv("REBAR_UPDATE_REFERENCES");
    return flag && std::string(flag) == "1";
}

fs::path outputDir() {
    fs::path dir = fs::path(REBAR_TEST_OUTPUT_DIR) / fs::current_path().filename();
    fs::create_directories(dir);
    return dir;
}

// Differing pixels in red over a faded copy of what was drawn.
gdi::Surface diffImage(const gdi::Surface& actual, const gdi::Surface& expected) {
    gdi::Surface diff(std::max(actual.width, expected.width),
                      std::max(actual.height, expected.height), 0xFF0000);
    for (int y = 0; y < actual.height; ++y) {
        for (int x = 0; x < actual.width; ++x) {
            std::uint32_t p = actual.at(x, y) & 0xFFFFFF;
            bool same =
                x < expected.width && y < expected.height && (expected.at(x, y) & 0xFFFFFF) == p;
            std::uint32_t faded = ((p >> 2) & 0x3F3F3F) + 0xBFBFBF;
            diff.at(x, y) = same ? faded : 0xFF0000;
        }
    }
    return diff;
}

int countDifferences(const gdi::Surface& a, const gdi::Surface& b) {
    if (a.width != b.width || a.height != b.height) return a.width * a.height + 1;
    int n = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        n += (a.pixels[i] & 0xFFFFFF) != (b.pixels[i] & 0xFFFFFF);
    return n;
}

}  // namespace

void ExpectMatchesReference(const gdi::Surface& surface, const std::string& name,
                            const std::string& referenceDir) {
    fs::path reference = fs::path(referenceDir) / (name + ".png");
    if (updating()) {
        fs::create_directories(reference.parent_path());
        EXPECT_TRUE(gdi::WritePng(surface, reference.string())) << "cannot write " << reference;
        return;
    }
    std::optional<gdi::Surface> expected = gdi::ReadPng(reference.string());
    int differences = expected ? countDifferences(surface, *expected) : -1;
    if (differences == 0) return;
    fs::path out = outputDir() / (name + ".out.png");
    fs::path diff = outputDir() / (name + ".diff.png");
    gdi::WritePng(surface, out.string());
    if (expected) gdi::WritePng(diffImage(surface, *expected), diff.string());
    if (!expected) {
        ADD_FAILURE() << "no reference picture " << fs::absolute(reference) << "; drawn: " << out
                      << " (REBAR_UPDATE_REFERENCES=1 records it)";
        return;
    }
    ADD_FAILURE() << name << ": " << differences << " pixels differ from "
                  << fs::absolute(reference) << "; drawn: " << out << ", differences: " << diff;
}
