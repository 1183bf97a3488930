#pragma once

#include "recipients/ansi_code_page.h"
#include "ui/headless/headless_platform.h"
#include "ui/headless/scripted_user.h"

// The in-memory platform in code page 1252 and in 932 (lead bytes, half-width katakana,
// full-width signs), each made once: their tables take a while to build.
struct FuzzPlatforms {
    FuzzPlatforms() { codePage932.SetCodePage(932); }

    ui::headless::ScriptedUser user;
    ui::headless::HeadlessPlatform codePage1252{user};
    ui::headless::HeadlessPlatform codePage932{user};
};

inline FuzzPlatforms& Platforms() {
    static FuzzPlatforms platforms;
    return platforms;
}

// For converting Unicode files to code page 1252 as Windows does.
inline ui::Platform& FuzzPlatform() {
    return Platforms().codePage1252;
}

// The platform of either code page, whose code page the text rules then follow too.
inline ui::Platform& UseFuzzCodePage(bool doubleByte) {
    ui::Platform& platform = doubleByte ? Platforms().codePage932 : Platforms().codePage1252;
    recipients::UseAnsiCodePage(platform.AnsiCodePage());
    return platform;
}
