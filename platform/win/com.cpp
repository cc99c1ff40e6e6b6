#include "win/com.h"

#include <mutex>
#include <vector>

#include "win/diagnostics.h"

using vnwin::ComRef;

// ---- Initialisation -----------------------------------------------------------------------

namespace {

struct ThreadInitialisation {
    int count = 0;
    DWORD model = COINIT_APARTMENTTHREADED;
};

ThreadInitialisation& threadInitialisation() {
    thread_local ThreadInitialisation state;
    return state;
}

}  // namespace

HRESULT CoInitializeEx(LPVOID, DWORD dwCoInit) {
    const DWORD model = dwCoInit & COINIT_APARTMENTTHREADED;
    ThreadInitialisation& state = threadInitialisation();
    if (state.count > 0 && state.model != model) return RPC_E_CHANGED_MODE;
    state.model = model;
    return state.count++ == 0 ? S_OK : S_FALSE;
}

HRESULT CoInitialize(LPVOID pvReserved) {
    return CoInitializeEx(pvReserved, COINIT_APARTMENTTHREADED);
}

void CoUninitialize() {
    ThreadInitialisation& state = threadInitialisation();
    if (state.count > 0) --state.count;
}

// ---- The class table ----------------------------------------------------------------------

namespace {

constexpr DWORD kKnownContexts = CLSCTX_ALL;

struct Registration {
    CLSID clsid;
    ComRef<IUnknown> classObject;
    DWORD context;
    DWORD cookie;
};

struct ClassTable {
    std::mutex mutex;
    std::vector<Registration> entries;
    DWORD lastCookie = 0;
};

// Never destroyed: a registration left at exit keeps its class object reachable, and a
// library revoking from its own static destructor still finds the table.
ClassTable& classTable() {
    static ClassTable* table = new ClassTable;
    return *table;
}

// The class object serving clsid in one of the contexts, with a reference for the caller.
ComRef<IUnknown> findClassObject(REFCLSID clsid, DWORD context) {
    ClassTable& table = classTable();
    std::lock_guard lock(table.mutex);
    for (const Registration& entry : table.entries) {
        if (entry.clsid == clsid && (entry.context & context) != 0) return entry.classObject;
    }
    return {};
}

}  // namespace

HRESULT CoRegisterClassObject(REFCLSID rclsid, LPUNKNOWN pUnk, DWORD dwClsContext, DWORD flags,
                              LPDWORD lpdwRegister) {
    if (lpdwRegister) *lpdwRegister = 0;
    if (!pUnk || !lpdwRegister || (dwClsContext & kKnownContexts) == 0) return E_INVALIDARG;
    if (flags != REGCLS_MULTIPLEUSE && flags != REGCLS_MULTI_SEPARATE)
        AfxNotSupported("CoRegisterClassObject: registrations for other processes");

    pUnk->AddRef();
    auto classObject = ComRef<IUnknown>::adopt(pUnk);
    ClassTable& table = classTable();
    std::lock_guard lock(table.mutex);
    for (const Registration& entry : table.entries) {
        if (entry.clsid == rclsid && (entry.context & dwClsContext) != 0) return CO_E_OBJISREG;
    }
    const DWORD cookie = ++table.lastCookie;
    table.entries.push_back({rclsid, std::move(classObject), dwClsContext, cookie});
    *lpdwRegister = cookie;
    return S_OK;
}

HRESULT CoRevokeClassObject(DWORD dwRegister) {
    ComRef<IUnknown> released;  // released after the lock: its destructor may call into COM
    ClassTable& table = classTable();
    std::lock_guard lock(table.mutex);
    for (auto entry = table.entries.begin(); entry != table.entries.end(); ++entry) {
        if (entry->cookie == dwRegister) {
            released = std::move(entry->classObject);
            table.entries.erase(entry);
            return S_OK;
        }
    }
    return CO_E_OBJNOTREG;
}

HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid,
                         LPVOID* ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    ComRef<IUnknown> classObject = findClassObject(rclsid, dwClsContext);
    if (!classObject) return REGDB_E_CLASSNOTREG;
    if (pUnkOuter) return CLASS_E_NOAGGREGATION;

    ComRef<IClassFactory> factory;
    HRESULT hr = classObject.queryInterface(IID_IClassFactory, factory);
    if (FAILED(hr)) return hr;
    hr = factory->CreateInstance(nullptr, riid, ppv);
    if (FAILED(hr)) *ppv = nullptr;
    return hr;
}
