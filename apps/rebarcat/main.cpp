// rebarcat: the everyday way to use the rebar catalogue on this platform.
#include <clocale>
#include <iostream>

#include "cli.h"
#include "win/module.h"

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C.UTF-8");
    // The host loads the module as a DLL, which runs its entry point and joins its resources
    // to the chain; so do we.
    HMODULE module = LoadLibraryW(L"librebar.so");
    if (!module) {
        std::cerr << "rebarcat: cannot load the rebar module librebar.so\n";
        return rebarcat::kUsage;
    }
    int status = rebarcat::runCommandLine({argv + 1, argv + argc}, std::cout, std::cerr);
    FreeLibrary(module);
    return status;
}
