#pragma once

// Dialog templates and string table entries of the tool. Also included by the .rc file, so it
// holds nothing but plain defines and constants the resource compiler can skip.
#define IDD_CONFIRMATION 101
#define IDD_RECIPIENT_PICKER 102
#define IDD_FIELD_MAPPING 114
#define IDD_SOURCE_SELECTION 116
#define IDD_PROGRESS_NOTICE 117
#define IDD_SPEED_DIAL_PICKER 118
#define IDD_SPEED_DIAL_RECORD 119

#define IDS_CSV_FILTER 1
#define IDS_WAB_FILTER 2

#ifndef RC_INVOKED
inline constexpr int kConfirmationTemplate = IDD_CONFIRMATION;
inline constexpr int kRecipientPickerTemplate = IDD_RECIPIENT_PICKER;
inline constexpr int kFieldMappingTemplate = IDD_FIELD_MAPPING;
inline constexpr int kSourceSelectionTemplate = IDD_SOURCE_SELECTION;
inline constexpr int kProgressNoticeTemplate = IDD_PROGRESS_NOTICE;
inline constexpr int kSpeedDialPickerTemplate = IDD_SPEED_DIAL_PICKER;
inline constexpr int kSpeedDialRecordTemplate = IDD_SPEED_DIAL_RECORD;
inline constexpr int kCsvFilterString = IDS_CSV_FILTER;
inline constexpr int kWabFilterString = IDS_WAB_FILTER;
#endif
