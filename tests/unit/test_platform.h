#pragma once

#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

// The in-memory platform, for tests that need only what it does without a user: its code page.
inline ui::Platform& TestPlatform() {
    static ui::headless::ScriptedUser user;
    static ui::headless::HeadlessPlatform platform(user);
    return platform;
}
