#pragma once

// Texts and control ids the speed-dial dialogs share.
namespace speeddial {

inline constexpr char kPickerCaption[] = "Speed Dial CSV Import";

inline constexpr int kToSelectedButton = 1001;
inline constexpr int kSelectedList = 1002;
inline constexpr int kTypeAheadEdit = 1003;
inline constexpr int kSourceList = 1004;
inline constexpr int kColumnHeaderEdit = 1005;
inline constexpr int kHelpButton = 1047;
inline constexpr int kDeleteButton = 1049;
inline constexpr int kViewDetailsButton = 1050;

inline constexpr int kNameEdit = 1060;
inline constexpr int kFaxNumberEdit = 1061;
inline constexpr int kCommModeEdit = 1062;
inline constexpr int kSecureFaxEdit = 1063;
inline constexpr int kRelayFaxEdit = 1064;
inline constexpr int kFCodeEdit = 1065;

inline constexpr int kHelpContext = 15514;

}  // namespace speeddial
