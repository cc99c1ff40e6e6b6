// What the module exports to the host, like an extension DLL's export-class macro: classes
// and functions marked REBAR_API are visible outside librebar.so, everything else is hidden.
#pragma once

#define REBAR_API __attribute__((visibility("default")))

// The name under which the host's prompt service files this module's texts: "REBAR".
extern "C" REBAR_API const wchar_t* getModulePromptsProjectName();
