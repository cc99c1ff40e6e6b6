// Scoped trace entries. Each guarded member function opens one for as long as it runs, so
// that a crash report can say which calls were under way.
#pragma once

#include <string>
#include <vector>

// Trace options of the host's trace library, one bit each. Bit 0 writes every entry and exit
// to standard error. Read from the environment variable VNTL_DEBUGLOG at load time.
extern int DebugLogOption;

class CVnLogEntry {
public:
    // The name is kept by pointer: pass a literal or a text that outlives the entry.
    explicit CVnLogEntry(const wchar_t* name);
    ~CVnLogEntry();
    CVnLogEntry(const CVnLogEntry&) = delete;
    CVnLogEntry& operator=(const CVnLogEntry&) = delete;

    const wchar_t* name() const { return m_name; }

    // The entries open on this thread, outermost first.
    static std::vector<std::wstring> openEntries();
    // The same as one readable text: one line per entry, indented by depth.
    static std::wstring stackText();

private:
    const wchar_t* m_name;
};
