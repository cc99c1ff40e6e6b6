// The standard control classes and their window procedures.
#include "user/controls/controls.h"

#include "user/controls/button.h"
#include "user/controls/combobox.h"
#include "user/controls/edit.h"
#include "user/controls/listbox.h"
#include "user/controls/menuwindow.h"
#include "user/controls/static.h"
#include "user/controls/tooltip.h"

using namespace user::controls;

namespace {

void registerClass(LPCWSTR name, WNDPROC proc, UINT style) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof(cls);
    cls.style = CS_GLOBALCLASS | CS_DBLCLKS | style;
    cls.lpfnWndProc = proc;
    cls.lpszClassName = name;
    RegisterClassExW(&cls);
}

}  // namespace

void RegisterStandardControlClasses() {
    registerClass(WC_BUTTONW, &controlProc<Button>, CS_HREDRAW | CS_VREDRAW | CS_PARENTDC);
    registerClass(WC_EDITW, &controlProc<Edit>, CS_PARENTDC);
    registerClass(WC_STATICW, &controlProc<Static>, CS_PARENTDC);
    registerClass(WC_COMBOBOXW, &controlProc<ComboBox>, CS_HREDRAW | CS_VREDRAW | CS_PARENTDC);
    registerClass(WC_COMBOLBOXW, &controlProc<ListBox>, CS_SAVEBITS);
    registerClass(WC_LISTBOXW, &controlProc<ListBox>, CS_PARENTDC);
    registerClass(TOOLTIPS_CLASSW, &controlProc<ToolTip>, CS_SAVEBITS);
    registerClass(kPopupMenuClass, &controlProc<MenuWindow>, CS_SAVEBITS);
}
