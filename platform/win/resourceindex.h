// The index of one module's resources, built once from its compiled resource (.res) bytes.
// Internal to the platform: callers go through FindResourceW and LoadStringW.
#pragma once

#include <cstddef>
#include <map>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "win/windef.h"

class ResourceIndex {
public:
    // One resource in one language. HRSRC handles point at these.
    struct Entry {
        WORD language = 0;
        const BYTE* data = nullptr;
        DWORD size = 0;
    };

    // Indexes the records of a .res image; the bytes must outlive the index. A malformed
    // image is a build fault and stops the process with a diagnostic.
    explicit ResourceIndex(std::span<const BYTE> image);
    ResourceIndex(const ResourceIndex&) = delete;
    ResourceIndex& operator=(const ResourceIndex&) = delete;

    // Language 0 takes the neutral language, else the first one present.
    [[nodiscard]] const Entry* find(LPCWSTR type, LPCWSTR name, WORD language) const;
    // The text of string resource id, or null when the module has none (an empty entry of
    // a string block does not count). The text lives as long as the index.
    [[nodiscard]] const std::wstring* string(UINT id) const;

private:
    // A type or a name: an integer id, or a string kept upper-case.
    using Key = std::variant<WORD, std::u16string>;
    static Key keyOf(LPCWSTR typeOrName);

    void add(std::span<const BYTE> record);

    std::map<std::pair<Key, Key>, std::vector<Entry>> m_entries;
    // Strings decoded on first use, so that LoadStringW can hand out a lasting pointer.
    mutable std::map<UINT, std::wstring> m_strings;
};

// The resources of a loaded module (null for the program's own module); null when the
// handle is not a loaded module or the module carries no resources.
const ResourceIndex* ModuleResourceIndex(HMODULE hModule);
