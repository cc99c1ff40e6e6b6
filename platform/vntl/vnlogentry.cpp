#include "vntl/vnlogentry.h"

#include <cstdio>
#include <cstdlib>

namespace {

int optionsFromEnvironment() {
    const char* value = std::getenv("VNTL_DEBUGLOG");
    return value ? std::atoi(value) : 0;
}

// The host's user-interface thread is the only caller in practice; a per-thread stack keeps
// a stray worker from corrupting it.
std::vector<const CVnLogEntry*>& openStack() {
    thread_local std::vector<const CVnLogEntry*> stack;
    return stack;
}

void trace(char direction, const CVnLogEntry& entry) {
    if (!(DebugLogOption & 1)) return;
    std::fprintf(stderr, "%*s%c %ls\n", static_cast<int>(openStack().size() * 2), "", direction,
                 entry.name());
}

}  // namespace

int DebugLogOption = optionsFromEnvironment();

CVnLogEntry::CVnLogEntry(const wchar_t* name) : m_name(name ? name : L"") {
    trace('>', *this);
    openStack().push_back(this);
}

CVnLogEntry::~CVnLogEntry() {
    auto& stack = openStack();
    if (!stack.empty() && stack.back() == this) stack.pop_back();
    trace('<', *this);
}

std::vector<std::wstring> CVnLogEntry::openEntries() {
    std::vector<std::wstring> names;
    for (const CVnLogEntry* entry : openStack()) names.emplace_back(entry->name());
    return names;
}

std::wstring CVnLogEntry::stackText() {
    std::wstring text;
    std::wstring indent;
    for (const CVnLogEntry* entry : openStack()) {
        text += indent + entry->name() + L"\n";
        indent += L"  ";
    }
    return text;
}
