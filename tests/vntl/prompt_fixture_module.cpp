// A module with its own string table, filed under the prompt project "FIXTURE".
#include "win/module.h"

namespace {
constexpr AFX_STRING_RESOURCE strings[] = {{500, L"Texte du module"}, {501, L"Autre texte"}};
constexpr AFX_RESOURCE_TABLE resources = {strings, 2};
}  // namespace

extern "C" __attribute__((visibility("default"))) const AFX_RESOURCE_TABLE*
AfxGetModuleResourceTable() {
    return &resources;
}

extern "C" __attribute__((visibility("default"))) const wchar_t* getModulePromptsProjectName() {
    return L"FIXTURE";
}
