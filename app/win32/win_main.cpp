#include <cstdlib>

#include "app/import_app.h"
#include "app/win32/twin_program.h"
#include "ui/win32/library_loading.h"
#include "ui/win32/win32_backend.h"
#include "ui/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Before any library is loaded: none may come from the current folder.
    ui::RestrictLibrarySearch();
    // The manifest asks for version 6 of the common controls; they must be registered before
    // the first dialog is created from a template.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    ui::Win32Backend backend(instance);
    ui::Win32Platform platform(instance);
    app::ImportApp app(backend, platform);
    // Catching unwinds the run, which hands the host window back on its way out; an uncaught
    // exception would end the process with the host still disabled.
    try {
        if (const auto twinExitCode = app::RunInTwin(platform.ModulePath())) {
            return *twinExitCode;
        }
        return app.InitInstance();
    } catch (...) {
        return EXIT_FAILURE;
    }
}
