// COM's object model as an in-process host uses it: IUnknown and IClassFactory, the process's
// table of registered class objects, CoCreateInstance, and apartment initialisation. Values of
// every constant and error code are those of the Windows SDK.
//
// There is no system registry here: the only classes CoCreateInstance can create are those a
// host registered with CoRegisterClassObject. Interfaces must keep the exact vtable layout of
// their Windows declaration, so they declare no virtual destructor (it would add slots).
#pragma once

#include <utility>

#include "win/guid.h"
#include "win/windef.h"

// x86-64 has a single calling convention; the macro stays so declarations read as on Windows.
#define STDMETHODCALLTYPE

inline constexpr IID IID_IUnknown{
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID IID_IClassFactory{
    0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

struct IUnknown {
    virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) = 0;
    virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
    virtual ULONG STDMETHODCALLTYPE Release() = 0;

protected:
    // Objects die through Release, never through delete on an interface pointer.
    ~IUnknown() = default;
};
using LPUNKNOWN = IUnknown*;

struct IClassFactory : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pUnkOuter, REFIID riid,
                                                     void** ppvObject) = 0;
    virtual HRESULT STDMETHODCALLTYPE LockServer(BOOL fLock) = 0;

protected:
    ~IClassFactory() = default;
};
using LPCLASSFACTORY = IClassFactory*;

enum CLSCTX : DWORD {
    CLSCTX_INPROC_SERVER = 0x1,
    CLSCTX_INPROC_HANDLER = 0x2,
    CLSCTX_LOCAL_SERVER = 0x4,
    CLSCTX_REMOTE_SERVER = 0x10,
};
#define CLSCTX_INPROC (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER)
#define CLSCTX_SERVER (CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER)
#define CLSCTX_ALL \
    (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER)

enum REGCLS : DWORD {
    REGCLS_SINGLEUSE = 0,
    REGCLS_MULTIPLEUSE = 1,
    REGCLS_MULTI_SEPARATE = 2,
    REGCLS_SUSPENDED = 4,
    REGCLS_SURROGATE = 8,
};

enum COINIT : DWORD {
    COINIT_MULTITHREADED = 0x0,
    COINIT_APARTMENTTHREADED = 0x2,
};

#define REGDB_E_CLASSNOTREG ((HRESULT)0x80040154L)
#define CLASS_E_NOAGGREGATION ((HRESULT)0x80040110L)
#define CO_E_OBJNOTREG ((HRESULT)0x800401FCL)
#define CO_E_OBJISREG ((HRESULT)0x800401FBL)
#define RPC_E_CHANGED_MODE ((HRESULT)0x80010106L)

// Initialisation is counted per thread as on Windows: the first call on a thread answers S_OK,
// later ones S_FALSE, a call asking for the other concurrency model RPC_E_CHANGED_MODE (not
// counted). Each successful call wants one CoUninitialize; an unpaired one does nothing.
// Differs from Windows: this platform has one class table and no apartments, so nothing
// requires initialisation; CoCreateInstance works on a thread that never called CoInitialize
// (Windows answers CO_E_NOTINITIALIZED there). Code that pairs the calls behaves the same on
// both platforms.
HRESULT CoInitializeEx(LPVOID pvReserved, DWORD dwCoInit);
HRESULT CoInitialize(LPVOID pvReserved);
void CoUninitialize();

// Makes the class object pUnk (it must answer IClassFactory) what CoCreateInstance uses for
// rclsid from any thread of the process until CoRevokeClassObject(*lpdwRegister). The table
// holds a reference on pUnk meanwhile. E_INVALIDARG for a null object or cookie or an empty
// context; CO_E_OBJISREG when the class is already registered for an overlapping context.
// Single-use, suspended and surrogate registrations serve other processes, which this
// platform has none of: asking for them fails loudly.
HRESULT CoRegisterClassObject(REFCLSID rclsid, LPUNKNOWN pUnk, DWORD dwClsContext, DWORD flags,
                              LPDWORD lpdwRegister);
// Removes the registration and releases the table's reference; CO_E_OBJNOTREG for a cookie
// that is not registered (any more). Objects the class created earlier live on.
HRESULT CoRevokeClassObject(DWORD dwRegister);

// Creates an object of a registered class whose registered context shares a bit with
// dwClsContext and answers its interface riid through *ppv. On failure *ppv is null:
// E_POINTER when ppv is null, REGDB_E_CLASSNOTREG when no such registration exists,
// CLASS_E_NOAGGREGATION for a non-null outer object (differs: Windows lets the factory decide;
// no class here can be aggregated), otherwise what the factory answers (E_NOINTERFACE when the
// object lacks riid).
HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid,
                         LPVOID* ppv);

namespace vnwin {

// Owns one reference on a COM object and releases it when destroyed, so an early return
// cannot leak an object. Not ATL's CComPtr: without compiler-supplied interface ids, querying
// takes the IID explicitly.
template <class T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef& other) : m_p(other.m_p) {
        if (m_p) m_p->AddRef();
    }
    ComRef(ComRef&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    ~ComRef() { reset(); }
    ComRef& operator=(ComRef other) noexcept {
        std::swap(m_p, other.m_p);
        return *this;
    }

    // Takes over a reference the caller already holds (no AddRef).
    [[nodiscard]] static ComRef adopt(T* p) {
        ComRef ref;
        ref.m_p = p;
        return ref;
    }

    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }

    void reset() {
        if (T* p = std::exchange(m_p, nullptr)) p->Release();
    }
    // Gives up the reference without releasing it; the caller owns it then.
    [[nodiscard]] T* detach() { return std::exchange(m_p, nullptr); }
    // For an out-argument: releases what is held and hands out the slot to fill.
    T** put() {
        reset();
        return &m_p;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

    // Asks the held object for interface iid, which must be U's.
    template <class U>
    HRESULT queryInterface(REFIID iid, ComRef<U>& out) const {
        if (!m_p) return E_POINTER;
        return m_p->QueryInterface(iid, out.putVoid());
    }

private:
    T* m_p = nullptr;
};

}  // namespace vnwin
