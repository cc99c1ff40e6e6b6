// The directories of icon and cursor images, as resources (RT_GROUP_ICON, RT_GROUP_CURSOR) and
// .ico / .cur files hold them, and the choice of the image that best fits a size.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "gdi/objects.h"

namespace gdi {

struct IconEntry {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    DWORD bytes = 0;
    // Resource id of the image (groups) or its offset in the file (files).
    WORD id = 0;
    DWORD offset = 0;
    // A cursor file keeps the hot spot in its directory.
    POINT hotspot{0, 0};
};

std::vector<IconEntry> readGroupDirectory(const BYTE* data, std::size_t size, bool fIcon);
std::vector<IconEntry> readFileDirectory(const BYTE* data, std::size_t size);
// Index of the entry that best fits cx x cy, -1 when there is none.
int bestEntry(const std::vector<IconEntry>& entries, int cx, int cy);
// One image as an RT_ICON / RT_CURSOR resource holds it, scaled to cx x cy when they are not 0.
std::unique_ptr<Icon> iconFromResource(const BYTE* bits, DWORD size, BOOL fIcon, int cx, int cy);

}  // namespace gdi
