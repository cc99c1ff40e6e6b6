#include "win/com.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using vnwin::ComRef;

// Ids made up for the tests; the stranger is neither a registered class nor a known interface.
const CLSID kTallyClass = {0x3C1D5E2A, 0x8B47, 0x4F10, {1, 2, 3, 4, 5, 6, 7, 8}};
const IID kTallyInterface = {0x5A0F9C71, 0x2D3E, 0x4B8A, {1, 2, 3, 4, 5, 6, 7, 8}};
const IID kStrangerId = {0x11111111, 0x2222, 0x3333, {1, 2, 3, 4, 5, 6, 7, 8}};

struct ITally : IUnknown {
    virtual int STDMETHODCALLTYPE Value() = 0;
};

std::atomic<int> objectsCreated{0}, objectsDestroyed{0}, factoriesDestroyed{0};

// Reference counting shared by the test class and its factory.
template <class Interface>
class Counted : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        *ppv = nullptr;
        if (riid != IID_IUnknown && riid != interfaceId()) return E_NOINTERFACE;
        *ppv = static_cast<Interface*>(this);
        this->AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --m_references;
        if (left == 0) delete this;
        return left;
    }

protected:
    virtual ~Counted() = default;
    virtual REFIID interfaceId() const = 0;

private:
    std::atomic<ULONG> m_references{1};
};

class Tally final : public Counted<ITally> {
public:
    Tally() { ++objectsCreated; }
    int STDMETHODCALLTYPE Value() override { return 42; }

private:
    ~Tally() override { ++objectsDestroyed; }
    REFIID interfaceId() const override { return kTallyInterface; }
};

class TallyFactory final : public Counted<IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID riid, void** ppv) override {
        return ComRef<Tally>::adopt(new Tally)->QueryInterface(riid, ppv);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    ~TallyFactory() override { ++factoriesDestroyed; }
    REFIID interfaceId() const override { return IID_IClassFactory; }
};

HRESULT create(REFIID iid, void** out, DWORD context = CLSCTX_ALL) {
    return CoCreateInstance(kTallyClass, nullptr, context, iid, out);
}

// The test class is served in-process; the class table holds the only reference on its factory.
class ComClassTest : public ::testing::Test {
protected:
    void SetUp() override {
        objectsCreated = objectsDestroyed = factoriesDestroyed = 0;
        auto factory = ComRef<TallyFactory>::adopt(new TallyFactory);
        ASSERT_EQ(CoRegisterClassObject(kTallyClass, factory.get(), CLSCTX_INPROC_SERVER,
                                        REGCLS_MULTIPLEUSE, &m_cookie),
                  S_OK);
    }
    void TearDown() override {
        if (m_cookie) CoRevokeClassObject(m_cookie);
        EXPECT_EQ(objectsDestroyed.load(), objectsCreated.load()) << "an object leaked";
    }

    DWORD m_cookie = 0;
};

}  // namespace

TEST(Com, InitialisationIsCountedPerThread) {
    EXPECT_EQ(CoInitialize(nullptr), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    std::thread([] { EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK); }).join();
    CoUninitialize();
    CoUninitialize();
    CoUninitialize();  // unpaired: ignored
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK) << "count back at zero";
    CoUninitialize();
}

TEST_F(ComClassTest, ClassIsCreatedForItsContextUntilRevoked) {
    ComRef<ITally> tally;
    ASSERT_EQ(create(kTallyInterface, tally.putVoid(), CLSCTX_INPROC_SERVER), S_OK);
    EXPECT_EQ(tally->Value(), 42);
    ComRef<IUnknown> other;
    EXPECT_EQ(create(IID_IUnknown, other.putVoid(), CLSCTX_LOCAL_SERVER), REGDB_E_CLASSNOTREG);

    DWORD cookie = 7;
    EXPECT_EQ(
        CoRegisterClassObject(kTallyClass, tally.get(), CLSCTX_ALL, REGCLS_MULTIPLEUSE, &cookie),
        CO_E_OBJISREG);
    EXPECT_EQ(cookie, 0u);
    EXPECT_EQ(CoRegisterClassObject(kTallyClass, nullptr, CLSCTX_ALL, REGCLS_MULTIPLEUSE, &cookie),
              E_INVALIDARG);
    EXPECT_DEATH(CoRegisterClassObject(kTallyClass, tally.get(), CLSCTX_LOCAL_SERVER,
                                       REGCLS_SINGLEUSE, &cookie),
                 "not supported");

    ASSERT_EQ(CoRevokeClassObject(m_cookie), S_OK);
    EXPECT_EQ(factoriesDestroyed.load(), 1) << "revoking drops the table's reference";
    EXPECT_EQ(CoRevokeClassObject(m_cookie), CO_E_OBJNOTREG);
    m_cookie = 0;
    EXPECT_EQ(tally->Value(), 42) << "an object outlives its class's registration";
    EXPECT_EQ(create(kTallyInterface, tally.putVoid()), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(objectsDestroyed.load(), 1);
}

TEST_F(ComClassTest, FailedCreationsAnswerWindowsCodesAndNullTheResult) {
    auto failed = [](REFCLSID cls, REFIID iid, IUnknown* outer = nullptr) {
        void* out = &out;
        const HRESULT hr = CoCreateInstance(cls, outer, CLSCTX_ALL, iid, &out);
        EXPECT_EQ(out, nullptr);
        return hr;
    };
    EXPECT_EQ(failed(kStrangerId, IID_IUnknown), REGDB_E_CLASSNOTREG);
    ComRef<IUnknown> outer;
    ASSERT_EQ(create(IID_IUnknown, outer.putVoid()), S_OK);
    EXPECT_EQ(failed(kTallyClass, IID_IUnknown, outer.get()), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(failed(kTallyClass, kStrangerId), E_NOINTERFACE);
    EXPECT_EQ(objectsCreated - objectsDestroyed, 1) << "the object without the interface is gone";
    EXPECT_EQ(create(IID_IUnknown, nullptr), E_POINTER);
}

TEST_F(ComClassTest, ReferencesKeepIdentityAndTheLastReleaseDestroysOnce) {
    ITally* raw = nullptr;
    ASSERT_EQ(create(kTallyInterface, reinterpret_cast<void**>(&raw)), S_OK);
    {
        ComRef<IUnknown> first, second, none;
        auto owner = ComRef<ITally>::adopt(raw);
        ASSERT_EQ(owner.queryInterface(IID_IUnknown, first), S_OK);
        ASSERT_EQ(owner.queryInterface(IID_IUnknown, second), S_OK);
        EXPECT_EQ(first.get(), second.get()) << "IUnknown gives the object's identity";
        EXPECT_EQ(owner.queryInterface(kStrangerId, none), E_NOINTERFACE);
        EXPECT_FALSE(none);

        ComRef<ITally> moved = std::move(owner);
        ComRef<ITally> copy = moved;
        EXPECT_EQ(copy->AddRef(), 5u) << "first, second, moved, copy and this one";
        EXPECT_EQ(copy->Release(), 4u);
        EXPECT_EQ(objectsDestroyed.load(), 0) << "still referenced";
    }
}
