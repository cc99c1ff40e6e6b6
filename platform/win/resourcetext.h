// UTF-16 text inside resources (string tables, dialog and menu templates), as the resource
// compiler writes it: little-endian 16-bit units, possibly unaligned in the image.
#pragma once

#include <cstddef>
#include <string>

// Decodes units UTF-16 units; unpaired surrogates become U+FFFD.
std::wstring ResourceTextToWide(const void* utf16, std::size_t units);
// The number of units before the terminating null unit.
std::size_t ResourceTextLength(const void* utf16);
