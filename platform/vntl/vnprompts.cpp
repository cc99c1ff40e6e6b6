#include "vntl/vnprompts.h"

#include <map>
#include <utility>
#include <vector>

#include "win/module.h"

namespace {

using PromptKey = std::pair<CString, UINT>;  // upper-cased module name, id

// Texts the host files for its modules: the grid tooltips of the bar catalogue (which the
// module's own table leaves to the host), the hook check kinds and the save failure.
const std::map<PromptKey, const wchar_t*>& builtInPrompts() {
    static const std::map<PromptKey, const wchar_t*> prompts = {
        {{L"REBAR", 12010}, L"Nom de la barre"},
        {{L"REBAR", 12012}, L"Diamètre nominal de la barre"},
        {{L"REBAR", 12013}, L"Diamètre du mandrin de façonnage des étriers et cadres (A)"},
        {{L"REBAR", 12014}, L"Diamètre du mandrin de façonnage des ancrages (B)"},
        {{L"REBAR", 12015}, L"Diamètre du mandrin de façonnage des coudes (C)"},
        {{L"REBAR", 12016}, L"Longueur d'ancrage (D)"},
        {{L"REBAR", 12017}, L"Poids par unité de longueur"},
        {{L"REBAR", 12018}, L"Section de la barre"},
        {{L"REBAR", 12019}, L"Périmètre de la barre"},
        {{L"REBAR", 12025}, L"Diamètre réel de la barre"},
        {{L"REBARPROPERTIESUI", 40384}, L"Standard"},
        {{L"REBARPROPERTIESUI", 40385}, L"Sismique"},
        {{L"REBARPROPERTIESUI", 40386}, L"Cadre"},
        {{L"VNTLCONFIG", 17260}, L"Impossible d'enregistrer le catalogue."},
    };
    return prompts;
}

std::map<PromptKey, CString>& filedPrompts() {
    static std::map<PromptKey, CString> prompts;
    return prompts;
}

PromptKey keyOf(const wchar_t* module, UINT id) {
    CString name(module);
    name.MakeUpper();
    return {name, id};
}

// The loaded module that files its texts under this project name, found through the
// function every such module exports.
HMODULE moduleForProject(const wchar_t* project) {
    DWORD needed = 0;
    EnumProcessModules(GetCurrentProcess(), nullptr, 0, &needed);
    std::vector<HMODULE> modules(needed / sizeof(HMODULE));
    EnumProcessModules(GetCurrentProcess(), modules.data(),
                       static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &needed);
    for (HMODULE module : modules) {
        using ProjectNameProc = const wchar_t* (*)();
        auto name = reinterpret_cast<ProjectNameProc>(
            GetProcAddress(module, "getModulePromptsProjectName"));
        if (name && CString(name()).CompareNoCase(project) == 0) return module;
    }
    return nullptr;
}

bool fromModuleTable(CString& text, UINT id, const wchar_t* project) {
    HMODULE module = moduleForProject(project);
    if (!module) return false;
    wchar_t buffer[1024];
    if (LoadStringW(module, id, buffer, 1024) <= 0) return false;
    text = buffer;
    return true;
}

}  // namespace

int VnPrompts::getPrompt(CString& text, UINT id, const wchar_t* module, UINT /*flags*/) {
    text.Empty();
    if (!module) return 0;
    PromptKey key = keyOf(module, id);
    if (auto filed = filedPrompts().find(key); filed != filedPrompts().end()) {
        text = filed->second;
        return 1;
    }
    if (auto builtIn = builtInPrompts().find(key); builtIn != builtInPrompts().end()) {
        text = builtIn->second;
        return 1;
    }
    return fromModuleTable(text, id, module) ? 1 : 0;
}

CString VnPrompts::getPrompt(UINT id, const wchar_t* module, UINT flags) {
    CString text;
    getPrompt(text, id, module, flags);
    return text;
}

void VnPrompts::setPrompt(const wchar_t* module, UINT id, const wchar_t* text) {
    if (module) filedPrompts()[keyOf(module, id)] = text;
}

void VnPrompts::resetPrompts() {
    filedPrompts().clear();
}
