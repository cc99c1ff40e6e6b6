// Pictures of surfaces as PNG files, for people to look at and for reference-image tests.
// Not Win32.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gdi/surface.h"

namespace gdi {

// Writes an opaque 8-bit RGB picture; false when the file cannot be written.
bool WritePng(const Surface& surface, const std::string& path);
// Reads any PNG, composed over black where it is transparent; nullopt when unreadable.
std::optional<Surface> ReadPng(const std::string& path);
// Reads PNG bytes (such as an icon image); `alpha` receives each pixel's opacity when given.
std::optional<Surface> ReadPngBytes(const void* data, std::size_t size,
                                    std::vector<std::uint8_t>* alpha = nullptr);

}  // namespace gdi
