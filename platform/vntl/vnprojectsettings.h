// The host's project-settings object: a COM class the host serves in its own process, through
// which a module learns the project's current design standard and steel grade.
//
// Two sides use it. The host session (tests, rebarcat) registers the class at start-up with
// VnProjectSettings::Register(), as the host does with its class objects, and sets the values.
// Module code only goes through COM: CoCreateInstance, QueryInterface and the interface's
// getters, or the readers below, which do exactly that.
#pragma once

#include "win/com.h"
#include "win/cstring.h"
#include "win/variant.h"

// {A6EE23E4-F2A1-4187-949F-3BCE5DDD9F70}
inline constexpr CLSID CLSID_VnProjectSettings{
    0xA6EE23E4, 0xF2A1, 0x4187, {0x94, 0x9F, 0x3B, 0xCE, 0x5D, 0xDD, 0x9F, 0x70}};
// {7F04A3BD-4A63-4864-BB3F-52DD85D45042}
inline constexpr IID IID_IVnProjectSettings{
    0x7F04A3BD, 0x4A63, 0x4864, {0xBB, 0x3F, 0x52, 0xDD, 0x85, 0xD4, 0x50, 0x42}};

// The interface's slots are numbered from QueryInterface (0). Of the host's methods, callers
// use only the two getters, at slots 101 and 105; each other slot holds a placeholder that
// stops the process if called, so a caller that miscounts fails loudly instead of reading
// garbage. The lists below generate the placeholders' names, one per slot number.
// clang-format off
#define VN_SLOT_DECADE(X, d) \
    X(d##0) X(d##1) X(d##2) X(d##3) X(d##4) X(d##5) X(d##6) X(d##7) X(d##8) X(d##9)
#define VN_PROJECTSETTINGS_SLOTS_3_TO_100(X)                         \
    X(003) X(004) X(005) X(006) X(007) X(008) X(009)                  \
    VN_SLOT_DECADE(X, 01) VN_SLOT_DECADE(X, 02) VN_SLOT_DECADE(X, 03) \
    VN_SLOT_DECADE(X, 04) VN_SLOT_DECADE(X, 05) VN_SLOT_DECADE(X, 06) \
    VN_SLOT_DECADE(X, 07) VN_SLOT_DECADE(X, 08) VN_SLOT_DECADE(X, 09) \
    X(100)
// clang-format on
#define VN_PROJECTSETTINGS_SLOTS_102_TO_104(X) X(102) X(103) X(104)
#define VN_DECLARE_PLACEHOLDER_SLOT(n) virtual HRESULT STDMETHODCALLTYPE NotProvided##n() = 0;

struct IVnProjectSettings : IUnknown {
    VN_PROJECTSETTINGS_SLOTS_3_TO_100(VN_DECLARE_PLACEHOLDER_SLOT)
    // Slot 101. A new BSTR the caller frees with SysFreeString; E_POINTER for a null argument.
    virtual HRESULT STDMETHODCALLTYPE get_CurrentStandard(BSTR* standard) = 0;
    VN_PROJECTSETTINGS_SLOTS_102_TO_104(VN_DECLARE_PLACEHOLDER_SLOT)
    // Slot 105. As get_CurrentStandard.
    virtual HRESULT STDMETHODCALLTYPE get_CurrentSteelGrade(BSTR* steelGrade) = 0;

protected:
    ~IVnProjectSettings() = default;
};

class VnProjectSettings {
public:
    VnProjectSettings() = delete;

    // ---- Host session --------------------------------------------------------------------

    // Registers the class for in-process creation. S_OK, or S_FALSE when it already is;
    // otherwise what CoRegisterClassObject answers.
    static HRESULT Register();
    // Withdraws the class: creating it answers REGDB_E_CLASSNOTREG until Register() again.
    // Objects created before live on until released. S_FALSE when it was not registered.
    static HRESULT Revoke();
    static bool IsRegistered();

    // The project's values, empty until set. Every object, also one already created, answers
    // the values of the moment it is asked.
    static void SetCurrentStandard(const CString& standard);
    static void SetCurrentSteelGrade(const CString& steelGrade);

    // Failures the host can show, so that callers' handling of them can be tested.
    enum class Fault {
        None,
        NoInterface,          // QueryInterface for IVnProjectSettings answers E_NOINTERFACE
        StandardReadFails,    // get_CurrentStandard answers E_FAIL
        SteelGradeReadFails,  // get_CurrentSteelGrade answers E_FAIL
    };
    static void SetFault(Fault fault);

    // Back to the start: empty values and no fault. The registration is left as it is.
    static void ResetSession();
    // The number of settings objects alive now, for checking that callers release them.
    static int LiveObjects();

    // ---- Module side ---------------------------------------------------------------------

    // The current design standard as a module reads it: create the class for any context,
    // query IVnProjectSettings, call its slot 101 and take (and free) the BSTR. Empty text when
    // the object or the interface cannot be had or the call fails.
    static CString ReadCurrentStandard();
    // Likewise the current steel grade, through slot 105.
    static CString ReadCurrentSteelGrade();
};
