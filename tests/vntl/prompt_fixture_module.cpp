// A module with its own string table (prompt_fixture_module.rc), filed under the prompt
// project "FIXTURE".
#include "win/module.h"

extern "C" __attribute__((visibility("default"))) const wchar_t* getModulePromptsProjectName() {
    return L"FIXTURE";
}
