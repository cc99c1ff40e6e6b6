// The guard around the member functions of the catalogue, the bar-type combo and the
// lap-length dialog. The host calls them from its user-interface thread and must never see
// an exception from this module: a failure is reported to the crash handler and the caller
// gets the zero value of the result instead.
#pragma once

#include <type_traits>
#include <utility>

#include "rebar/host/vntl.h"

namespace rebar {

// Where a guard stands: the trace entry's name ("Class::Member") and the class's source file
// and line that a crash report names.
struct GuardSite {
    const wchar_t* name;
    const wchar_t* sourceFile;
    int line;
};

// 0, false, a null pointer, or an empty / default-constructed object.
template <class Result>
Result zeroValue() {
    if constexpr (!std::is_void_v<Result>) return Result{};
}

template <class Body>
auto guarded(const GuardSite& site, Body&& body) -> std::invoke_result_t<Body&> {
    using Result = std::invoke_result_t<Body&>;
    CVnLogEntry entry(site.name);
    try {
        return body();
    } catch (...) {
        { CVnCrashHandler report(site.sourceFile, site.line); }
        return zeroValue<Result>();
    }
}

}  // namespace rebar

// A member's guard site. Each source file that holds guards defines VN_GUARD_SOURCE, its
// own path, before it uses this, so a crash report names the file where the guard stands even
// for a class split over several files.
#define VN_GUARD_SITE(cls, member)                       \
    ::rebar::GuardSite {                                 \
        L"" #cls "::" #member, VN_GUARD_SOURCE, __LINE__ \
    }
