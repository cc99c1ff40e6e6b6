#include "win/module.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <memory>
#include <string>
#include <vector>

#include "win/cstring.h"
#include "win/resourceindex.h"
#include "win/utf8.h"

// The instance handle of a module: what the process knows about one loaded library.
struct HINSTANCE__ {
    std::wstring path;
    void* dl = nullptr;  // null for the program's own module
    std::unique_ptr<ResourceIndex> resources;
    int loadCount = 0;
};

namespace {

struct ModuleRegistry {
    std::vector<std::unique_ptr<HINSTANCE__>> modules;
    HINSTANCE resourceHandle = nullptr;
    std::vector<std::unique_ptr<CDynLinkLibrary>> chain;
};

ModuleRegistry& registry() {
    static ModuleRegistry instance;
    return instance;
}

std::wstring programPath() {
    std::string buffer(4096, '\0');
    ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    return Utf8ToWide(n > 0 ? std::string_view(buffer.data(), static_cast<size_t>(n)) : "");
}

// Whether an address lies in the program's own loaded segments (the first object the
// dynamic loader lists is the program).
bool isInProgramImage(const void* address) {
    struct Search {
        std::uintptr_t address;
        bool found = false;
    } search{reinterpret_cast<std::uintptr_t>(address)};
    if (!address) return false;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto* search = static_cast<Search*>(data);
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const auto& segment = info->dlpi_phdr[i];
                std::uintptr_t start = info->dlpi_addr + segment.p_vaddr;
                if (segment.p_type == PT_LOAD && search->address >= start &&
                    search->address < start + segment.p_memsz)
                    search->found = true;
            }
            return 1;  // the program only
        },
        &search);
    return search.found;
}

// The program's own module exports only what the program itself defines, not what the
// libraries it links define.
FARPROC programSymbol(LPCSTR name) {
    void* symbol = dlsym(RTLD_DEFAULT, name);
    return isInProgramImage(symbol) ? reinterpret_cast<FARPROC>(symbol) : nullptr;
}

// The index of the .res image a module hands out through AFX_RESOURCE_DATA_EXPORT; null for
// a module without resources.
std::unique_ptr<ResourceIndex> indexResources(FARPROC exported) {
    auto data = reinterpret_cast<AFX_RESOURCE_DATA_PROC>(exported);
    if (!data) return nullptr;
    std::size_t size = 0;
    const auto* bytes = static_cast<const BYTE*>(data(&size));
    return std::make_unique<ResourceIndex>(std::span(bytes, size));
}

HINSTANCE programModule() {
    auto& modules = registry().modules;
    auto it = std::find_if(modules.begin(), modules.end(), [](auto& m) { return !m->dl; });
    if (it != modules.end()) return it->get();
    auto module = std::make_unique<HINSTANCE__>();
    module->path = programPath();
    module->loadCount = 1;
    module->resources = indexResources(programSymbol(AFX_RESOURCE_DATA_EXPORT));
    modules.push_back(std::move(module));
    return modules.back().get();
}

HINSTANCE findByDl(void* dl) {
    for (auto& m : registry().modules)
        if (m->dl == dl) return m.get();
    return nullptr;
}

bool isRegistered(HINSTANCE h) {
    auto& modules = registry().modules;
    return h && std::any_of(modules.begin(), modules.end(), [h](auto& m) { return m.get() == h; });
}

std::wstring resolvedPath(void* dl, LPCWSTR requested) {
    link_map* map = nullptr;
    if (dlinfo(dl, RTLD_DI_LINKMAP, &map) == 0 && map && map->l_name && *map->l_name)
        return Utf8ToWide(map->l_name);
    return requested;
}

void unregister(HINSTANCE h) {
    auto& modules = registry().modules;
    std::erase_if(modules, [h](auto& m) { return m.get() == h; });
    if (registry().resourceHandle == h) registry().resourceHandle = nullptr;
}

std::wstring lowerBaseName(const std::wstring& path) {
    std::wstring base = path.substr(path.find_last_of(L"/\\") + 1);
    for (auto& c : base) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return base;
}

std::wstring withoutExtension(const std::wstring& name) {
    size_t dot = name.find('.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

const std::wstring* findString(HINSTANCE h, UINT id) {
    const ResourceIndex* index = ModuleResourceIndex(h);
    return index ? index->string(id) : nullptr;
}

bool hasResource(HINSTANCE h, LPCWSTR name, LPCWSTR type) {
    const ResourceIndex* index = ModuleResourceIndex(h);
    return index && index->find(type, name, 0);
}

// The resource chain in MFC's order: the current resource module, then the extension
// modules in the order they joined, system modules last. Null when no module matches.
template <typename Holds>
HINSTANCE findInChain(Holds holds) {
    if (holds(AfxGetResourceHandle())) return AfxGetResourceHandle();
    for (bool system : {false, true})
        for (auto& library : registry().chain)
            if (bool(library->m_bSystem) == system && holds(library->m_hResource))
                return library->m_hResource;
    return nullptr;
}

// A bare name is looked for in the program's folder first, as Windows does, then where the
// dynamic loader looks.
void* openLibrary(LPCWSTR fileName) {
    std::string name = WideToUtf8(fileName);
    if (name.find('/') == std::string::npos) {
        std::string program = WideToUtf8(programPath());
        std::string besideProgram = program.substr(0, program.find_last_of('/') + 1) + name;
        if (void* dl = dlopen(besideProgram.c_str(), RTLD_NOW | RTLD_LOCAL)) return dl;
    }
    return dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
}

}  // namespace

HMODULE LoadLibraryW(LPCWSTR lpLibFileName) {
    if (!lpLibFileName || !*lpLibFileName) return nullptr;
    void* dl = openLibrary(lpLibFileName);
    if (!dl) return nullptr;
    if (HINSTANCE known = findByDl(dl)) {
        ++known->loadCount;
        return known;
    }
    auto module = std::make_unique<HINSTANCE__>();
    module->dl = dl;
    module->path = resolvedPath(dl, lpLibFileName);
    module->loadCount = 1;
    module->resources =
        indexResources(reinterpret_cast<FARPROC>(dlsym(dl, AFX_RESOURCE_DATA_EXPORT)));
    HINSTANCE h = module.get();
    registry().modules.push_back(std::move(module));

    // As on Windows, a failed attach is followed at once by a detach and the unload.
    if (auto entry = reinterpret_cast<AFX_DLLMAIN_PROC>(dlsym(dl, "DllMain"))) {
        if (!entry(h, DLL_PROCESS_ATTACH, nullptr)) {
            entry(h, DLL_PROCESS_DETACH, nullptr);
            unregister(h);
            dlclose(dl);
            return nullptr;
        }
    }
    return h;
}

BOOL FreeLibrary(HMODULE hLibModule) {
    if (!isRegistered(hLibModule) || !hLibModule->dl) return FALSE;
    void* dl = hLibModule->dl;
    if (--hLibModule->loadCount == 0) {
        if (auto entry = reinterpret_cast<AFX_DLLMAIN_PROC>(dlsym(dl, "DllMain")))
            entry(hLibModule, DLL_PROCESS_DETACH, nullptr);
        unregister(hLibModule);
    }
    dlclose(dl);
    return TRUE;
}

FARPROC GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    if (!isRegistered(hModule) || !lpProcName) return nullptr;
    if (hModule->dl) return reinterpret_cast<FARPROC>(dlsym(hModule->dl, lpProcName));
    return programSymbol(lpProcName);
}

HMODULE GetModuleHandleW(LPCWSTR lpModuleName) {
    if (!lpModuleName) return programModule();
    std::wstring wanted = lowerBaseName(lpModuleName);
    for (auto& m : registry().modules) {
        std::wstring base = lowerBaseName(m->path);
        if (base == wanted || withoutExtension(base) == withoutExtension(wanted)) return m.get();
    }
    return nullptr;
}

DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
    HINSTANCE h = hModule ? hModule : programModule();
    if (!isRegistered(h) || !lpFilename || nSize == 0) return 0;
    DWORD n = static_cast<DWORD>(std::min<size_t>(h->path.size(), nSize - 1));
    std::wmemcpy(lpFilename, h->path.c_str(), n);
    lpFilename[n] = L'\0';
    return n;
}

HANDLE GetCurrentProcess() {
    return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-1));
}

BOOL EnumProcessModules(HANDLE, HMODULE* lphModule, DWORD cb, LPDWORD lpcbNeeded) {
    programModule();
    auto& modules = registry().modules;
    if (lpcbNeeded) *lpcbNeeded = static_cast<DWORD>(modules.size() * sizeof(HMODULE));
    size_t room = lphModule ? cb / sizeof(HMODULE) : 0;
    for (size_t i = 0; i < modules.size() && i < room; ++i) lphModule[i] = modules[i].get();
    return TRUE;
}

BOOL CString::LoadString(UINT nID) {
    HINSTANCE h = AfxFindStringResourceHandle(nID);
    const std::wstring* text = h ? findString(h, nID) : nullptr;
    if (!text) return FALSE;
    *this = text->c_str();
    return TRUE;
}

HINSTANCE AfxGetInstanceHandle() {
    return programModule();
}

HINSTANCE AfxGetResourceHandle() {
    HINSTANCE h = registry().resourceHandle;
    return h ? h : programModule();
}

void AfxSetResourceHandle(HINSTANCE hInstResource) {
    registry().resourceHandle = hInstResource;
}

HINSTANCE AfxFindStringResourceHandle(UINT nID) {
    return findInChain([nID](HINSTANCE h) { return findString(h, nID) != nullptr; });
}

HINSTANCE AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType) {
    HINSTANCE found = findInChain([=](HINSTANCE h) { return hasResource(h, lpszName, lpszType); });
    return found ? found : AfxGetResourceHandle();
}

const ResourceIndex* ModuleResourceIndex(HMODULE hModule) {
    HINSTANCE h = hModule ? hModule : programModule();
    return isRegistered(h) ? h->resources.get() : nullptr;
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (!hModule) return FALSE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
    auto& chain = registry().chain;
    std::vector<std::unique_ptr<CDynLinkLibrary>> leaving;
    for (auto& library : chain) {
        if (bAll || library->m_hModule == state.hModule) {
            library->m_bInChain = false;
            leaving.push_back(std::move(library));
        }
    }
    std::erase(chain, nullptr);
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem) {
    registry().chain.emplace_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
    // Deleted by its owner rather than by the chain: leave the chain without a second delete.
    if (!m_bInChain) return;
    for (auto& library : registry().chain)
        if (library.get() == this) (void)library.release();
    std::erase(registry().chain, nullptr);
}

int CDynLinkLibrary::GetChainCount() {
    return static_cast<int>(registry().chain.size());
}

CDynLinkLibrary* CDynLinkLibrary::GetChainAt(int index) {
    auto& chain = registry().chain;
    return index >= 0 && index < static_cast<int>(chain.size()) ? chain[index].get() : nullptr;
}
