#pragma once

#include <string>

#include "ui/backend.h"
#include "ui/platform.h"

namespace recipients {

// What the dialogs of one run share: the platform, and the values the run finds once and every
// Help button or address-book connection reads.
struct ImportContext {
    ImportContext(ui::Backend& backend, ui::Platform& platform)
        : backend(backend), platform(platform) {}

    // The host window while it is still there, and 0 once it has gone: the host is another
    // process, and a window owned by a window that has gone cannot be shown.
    ui::WindowHandle LiveHostWindow() {
        if (hostWindow != 0 && !platform.WindowExists(hostWindow)) {
            hostWindow = 0;
        }
        return hostWindow;
    }

    ui::Backend& backend;
    ui::Platform& platform;
    ui::WindowHandle hostWindow = 0;
    std::string helpFilePath;
    std::string addressBookLibraryPath;
};

}  // namespace recipients
