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

    ui::Backend& backend;
    ui::Platform& platform;
    ui::WindowHandle hostWindow = 0;
    std::string helpFilePath;
    std::string addressBookLibraryPath;
};

}  // namespace recipients
