#pragma once

#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

// The in-memory platform, for converting Unicode files to code page 1252 as Windows does.
inline ui::Platform& FuzzPlatform() {
    static ui::headless::ScriptedUser user;
    static ui::headless::HeadlessPlatform platform(user);
    return platform;
}
