#include "vntl/vnprojectsettings.h"

#include <atomic>
#include <mutex>
#include <utility>

#include "win/diagnostics.h"

using vnwin::ComRef;

namespace {

// The host session's values. Objects read them on every call, from whatever thread asks.
struct Session {
    std::mutex mutex;
    CString standard;
    CString steelGrade;
    VnProjectSettings::Fault fault = VnProjectSettings::Fault::None;
    DWORD cookie = 0;  // 0 while the class is not registered
};

Session& session() {
    static Session state;
    return state;
}

std::atomic<int> liveObjects{0};

VnProjectSettings::Fault currentFault() {
    std::lock_guard lock(session().mutex);
    return session().fault;
}

// Answers a copy of `value` through a getter's out-argument.
HRESULT copyOut(CString Session::*value, VnProjectSettings::Fault failing, BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    CString text;
    {
        std::lock_guard lock(session().mutex);
        if (session().fault == failing) return E_FAIL;
        text = session().*value;
    }
    *out = SysAllocStringLen(text.GetString(), static_cast<UINT>(text.GetLength()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

#define VN_DEFINE_PLACEHOLDER_SLOT(n)                                    \
    HRESULT STDMETHODCALLTYPE NotProvided##n() override {                \
        AfxNotSupported("IVnProjectSettings method at vtable slot " #n); \
    }

class ProjectSettingsObject final : public IVnProjectSettings {
public:
    ProjectSettingsObject() { ++liveObjects; }
    ProjectSettingsObject(const ProjectSettingsObject&) = delete;
    ProjectSettingsObject& operator=(const ProjectSettingsObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override {
        if (!ppvObject) return E_POINTER;
        *ppvObject = nullptr;
        if (riid == IID_IUnknown) {
            *ppvObject = static_cast<IUnknown*>(this);
        } else if (riid == IID_IVnProjectSettings &&
                   currentFault() != VnProjectSettings::Fault::NoInterface) {
            *ppvObject = static_cast<IVnProjectSettings*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --m_references;
        if (left == 0) delete this;
        return left;
    }

    VN_PROJECTSETTINGS_SLOTS_3_TO_100(VN_DEFINE_PLACEHOLDER_SLOT)
    HRESULT STDMETHODCALLTYPE get_CurrentStandard(BSTR* standard) override {
        return copyOut(&Session::standard, VnProjectSettings::Fault::StandardReadFails, standard);
    }
    VN_PROJECTSETTINGS_SLOTS_102_TO_104(VN_DEFINE_PLACEHOLDER_SLOT)
    HRESULT STDMETHODCALLTYPE get_CurrentSteelGrade(BSTR* steelGrade) override {
        return copyOut(&Session::steelGrade, VnProjectSettings::Fault::SteelGradeReadFails,
                       steelGrade);
    }

private:
    ~ProjectSettingsObject() { --liveObjects; }

    std::atomic<ULONG> m_references{1};
};

// The class object. Only the class table holds it, so revoking the class destroys it.
class ProjectSettingsFactory final : public IClassFactory {
public:
    ProjectSettingsFactory() = default;
    ProjectSettingsFactory(const ProjectSettingsFactory&) = delete;
    ProjectSettingsFactory& operator=(const ProjectSettingsFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override {
        if (!ppvObject) return E_POINTER;
        *ppvObject = nullptr;
        if (riid != IID_IUnknown && riid != IID_IClassFactory) return E_NOINTERFACE;
        *ppvObject = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --m_references;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pUnkOuter, REFIID riid,
                                             void** ppvObject) override {
        if (!ppvObject) return E_POINTER;
        *ppvObject = nullptr;
        if (pUnkOuter) return CLASS_E_NOAGGREGATION;
        // The new object starts with one reference; a failed query leaves none and destroys it.
        auto object = ComRef<ProjectSettingsObject>::adopt(new ProjectSettingsObject);
        return object->QueryInterface(riid, ppvObject);
    }
    // The host serves the class for as long as it runs; there is no server to keep loaded.
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    ~ProjectSettingsFactory() = default;

    std::atomic<ULONG> m_references{1};
};

// Creates the object as a module does and asks it for the interface; null when either fails.
ComRef<IVnProjectSettings> openSettings() {
    ComRef<IUnknown> object;
    if (FAILED(CoCreateInstance(CLSID_VnProjectSettings, nullptr, CLSCTX_ALL, IID_IUnknown,
                                object.putVoid())))
        return {};
    ComRef<IVnProjectSettings> settings;
    if (FAILED(object.queryInterface(IID_IVnProjectSettings, settings))) return {};
    return settings;
}

CString takeText(HRESULT hr, BSTR text) {
    CString result;
    if (SUCCEEDED(hr) && text) result = CString(text, static_cast<int>(SysStringLen(text)));
    SysFreeString(text);
    return result;
}

}  // namespace

HRESULT VnProjectSettings::Register() {
    std::lock_guard lock(session().mutex);
    if (session().cookie != 0) return S_FALSE;
    auto factory = ComRef<IClassFactory>::adopt(new ProjectSettingsFactory);
    return CoRegisterClassObject(CLSID_VnProjectSettings, factory.get(), CLSCTX_INPROC_SERVER,
                                 REGCLS_MULTIPLEUSE, &session().cookie);
}

HRESULT VnProjectSettings::Revoke() {
    DWORD cookie = 0;
    {
        std::lock_guard lock(session().mutex);
        cookie = std::exchange(session().cookie, 0);
    }
    return cookie == 0 ? S_FALSE : CoRevokeClassObject(cookie);
}

bool VnProjectSettings::IsRegistered() {
    std::lock_guard lock(session().mutex);
    return session().cookie != 0;
}

void VnProjectSettings::SetCurrentStandard(const CString& standard) {
    std::lock_guard lock(session().mutex);
    session().standard = standard;
}

void VnProjectSettings::SetCurrentSteelGrade(const CString& steelGrade) {
    std::lock_guard lock(session().mutex);
    session().steelGrade = steelGrade;
}

void VnProjectSettings::SetFault(Fault fault) {
    std::lock_guard lock(session().mutex);
    session().fault = fault;
}

void VnProjectSettings::ResetSession() {
    std::lock_guard lock(session().mutex);
    session().standard.Empty();
    session().steelGrade.Empty();
    session().fault = Fault::None;
}

int VnProjectSettings::LiveObjects() {
    return liveObjects.load();
}

CString VnProjectSettings::ReadCurrentStandard() {
    ComRef<IVnProjectSettings> settings = openSettings();
    if (!settings) return {};
    BSTR text = nullptr;
    const HRESULT hr = settings->get_CurrentStandard(&text);
    return takeText(hr, text);
}

CString VnProjectSettings::ReadCurrentSteelGrade() {
    ComRef<IVnProjectSettings> settings = openSettings();
    if (!settings) return {};
    BSTR text = nullptr;
    const HRESULT hr = settings->get_CurrentSteelGrade(&text);
    return takeText(hr, text);
}
