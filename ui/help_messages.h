#pragma once

#include <string>
#include <string_view>

namespace ui {

// What a Help button says when it cannot show its topic, alike on every platform.
inline constexpr char kHelpMessageCaption[] = "Help";
inline constexpr char kNoHelpViewerMessage[] =
    "Cannot show help: the HTML Help viewer (hhctrl.ocx) is not installed.";

inline std::string MissingHelpFileMessage(std::string_view helpFile) {
    return "Cannot find the help file " + std::string(helpFile) + ".";
}

}  // namespace ui
