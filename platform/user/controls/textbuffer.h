// Copying a text into a caller's buffer the way Win32 calls do. Internal to the windowing
// library.
#pragma once

#include <algorithm>
#include <cwchar>
#include <string>

namespace user::controls {

// Copies as much of the text as fits in `size` characters with the terminating null and
// returns the number of characters copied; nothing is written when there is no room at all.
inline std::size_t copyToBuffer(const std::wstring& text, wchar_t* buffer, std::size_t size) {
    if (!buffer || size == 0) return 0;
    std::size_t copied = std::min(text.size(), size - 1);
    std::wmemcpy(buffer, text.c_str(), copied);
    buffer[copied] = L'\0';
    return copied;
}

}  // namespace user::controls
