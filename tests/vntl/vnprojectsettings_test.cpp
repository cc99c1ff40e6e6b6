#include "vntl/vnprojectsettings.h"

#include <gtest/gtest.h>

#include <string>

#include "support/cstring_printer.h"

namespace {

using Fault = VnProjectSettings::Fault;

// A method called through the raw vtable: on x86-64 the object is the first argument.
template <class Function>
Function slot(IVnProjectSettings* settings, int index) {
    return reinterpret_cast<Function>((*reinterpret_cast<void***>(settings))[index]);
}

// The host as a module finds it: the class registered, a project with values.
class ProjectSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(VnProjectSettings::Register(), S_OK);
        VnProjectSettings::SetCurrentStandard(L"NF EN 1992-1-1");
        VnProjectSettings::SetCurrentSteelGrade(L"B500B");
        ASSERT_EQ(CoCreateInstance(CLSID_VnProjectSettings, nullptr, CLSCTX_ALL,
                                   IID_IVnProjectSettings, m_settings.putVoid()),
                  S_OK);
    }
    void TearDown() override {
        m_settings.reset();
        VnProjectSettings::Revoke();
        VnProjectSettings::ResetSession();
        EXPECT_EQ(VnProjectSettings::LiveObjects(), 0) << "a settings object was not released";
    }

    vnwin::ComRef<IVnProjectSettings> m_settings;
};

}  // namespace

TEST_F(ProjectSettingsTest, GettersSitAtVtableSlots101And105) {
    using Getter = HRESULT (*)(IVnProjectSettings*, BSTR*);
    BSTR text = nullptr;
    ASSERT_EQ(slot<Getter>(m_settings.get(), 101)(m_settings.get(), &text), S_OK);
    EXPECT_STREQ(text, L"NF EN 1992-1-1");
    SysFreeString(text);
    VnProjectSettings::SetCurrentSteelGrade(L"FE500 HA");
    ASSERT_EQ(slot<Getter>(m_settings.get(), 105)(m_settings.get(), &text), S_OK);
    EXPECT_STREQ(text, L"FE500 HA") << "an existing object answers the current value";
    SysFreeString(text);
    EXPECT_EQ(m_settings->get_CurrentStandard(nullptr), E_POINTER);

    using Placeholder = HRESULT (*)(IVnProjectSettings*);
    for (int index : {3, 100, 102, 104}) {
        EXPECT_DEATH(slot<Placeholder>(m_settings.get(), index)(m_settings.get()),
                     "vtable slot 0*" + std::to_string(index));
    }
}

TEST_F(ProjectSettingsTest, AbsentObjectOrInterfaceGivesEmptyTexts) {
    VnProjectSettings::SetFault(Fault::NoInterface);
    EXPECT_EQ(VnProjectSettings::ReadCurrentStandard(), L"");
    EXPECT_EQ(VnProjectSettings::ReadCurrentSteelGrade(), L"");
    // The object itself is still there, in-process, as IUnknown.
    vnwin::ComRef<IUnknown> object;
    EXPECT_EQ(CoCreateInstance(CLSID_VnProjectSettings, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               object.putVoid()),
              S_OK);
    VnProjectSettings::SetFault(Fault::None);

    ASSERT_EQ(VnProjectSettings::Revoke(), S_OK);
    EXPECT_EQ(VnProjectSettings::Revoke(), S_FALSE);
    EXPECT_EQ(VnProjectSettings::ReadCurrentStandard(), L"");
    EXPECT_EQ(VnProjectSettings::ReadCurrentSteelGrade(), L"");
    BSTR text = nullptr;
    EXPECT_EQ(m_settings->get_CurrentStandard(&text), S_OK) << "an object outlives the class";
    SysFreeString(text);

    EXPECT_EQ(VnProjectSettings::Register(), S_OK);
    EXPECT_EQ(VnProjectSettings::Register(), S_FALSE);
    EXPECT_EQ(VnProjectSettings::ReadCurrentStandard(), L"NF EN 1992-1-1");
}

TEST_F(ProjectSettingsTest, FailedReadGivesEmptyTextAndLeavesTheOtherValue) {
    VnProjectSettings::SetFault(Fault::StandardReadFails);
    EXPECT_EQ(VnProjectSettings::ReadCurrentStandard(), L"");
    EXPECT_EQ(VnProjectSettings::ReadCurrentSteelGrade(), L"B500B");
    VnProjectSettings::SetFault(Fault::SteelGradeReadFails);
    EXPECT_EQ(VnProjectSettings::ReadCurrentStandard(), L"NF EN 1992-1-1");
    EXPECT_EQ(VnProjectSettings::ReadCurrentSteelGrade(), L"");
    BSTR text = reinterpret_cast<BSTR>(&text);
    EXPECT_EQ(m_settings->get_CurrentSteelGrade(&text), E_FAIL);
    EXPECT_EQ(text, nullptr) << "a failed getter hands out nothing to free";
}
