#pragma once

// Texts the speed-dial dialogs share.
namespace speeddial {

inline constexpr char kPickerCaption[] = "Speed Dial CSV Import";

inline constexpr int kHelpContext = 15514;

}  // namespace speeddial
