// Registration of the standard control classes. Not Win32: on Windows the system registers
// them; here the window manager calls this once at start-up.
#pragma once

// Registers "Button", "Edit", "Static", "ComboBox", "ComboLBox", "ListBox" and
// "tooltips_class32" as global system classes (CS_GLOBALCLASS).
void RegisterStandardControlClasses();
