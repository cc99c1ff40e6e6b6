// UTF-8 <-> wide conversion for every place where text leaves or enters the process: files,
// SQLite, the console, narrow arguments. wchar_t holds one UTF-32 code point on Linux.
#pragma once

#include <string>
#include <string_view>

// Code points that cannot be encoded (surrogates, values above U+10FFFF) become U+FFFD.
std::string WideToUtf8(std::wstring_view text);
// Malformed sequences (stray continuation bytes, overlong forms, truncated tails, encoded
// surrogates) become U+FFFD, one per offending byte; the conversion never fails or throws.
std::wstring Utf8ToWide(std::string_view text);
