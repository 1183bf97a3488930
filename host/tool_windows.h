#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/scenario_library/window_state.h"

namespace host {

enum class WindowKind { Dialog, MessageBox, FileDialog, ProgressNotice, Other };

constexpr int kMessageTextId = 65535;
constexpr int kMessageIconId = 1088;
constexpr int kFileNameId = 1148;
constexpr int kFileTypeId = 1136;
constexpr int kReadOnlyBoxId = 1040;

// The visible top-level windows of these processes, topmost first.
std::vector<HWND> VisibleWindowsOf(const std::vector<DWORD>& processIds);
WindowKind Classify(HWND window);
// The child control with this id; null when there is none.
HWND ChildWithId(HWND window, int id);
bool IsMultipleSelection(HWND listBox);

// How much of a control a step reads: its own state (text, check, visible, enabled), or its
// items, selection and top item as well. Each item costs a round trip to the tool.
enum class Reading { State, Items };
Reading ReadingFor(const std::string& verb);
scenario::ControlState ReadControl(HWND control, Reading reading);

// What a user sees of a window and all its controls.
scenario::WindowState ReadWindow(HWND window);
// The window's title and the one control a statement names, read as far as the statement needs.
scenario::WindowState ReadForStatement(HWND window, const scenario::Statement& statement);
// Every visible window of the processes, innermost last, for a failure report.
std::vector<scenario::WindowState> ReadAllWindows(const std::vector<DWORD>& processIds);
// The file-open dialog's file types and read-only box.
scenario::FileDialogState ReadFileDialog(HWND dialog);
// A window in the words of a window step: dialog "T", message "TEXT" "CAPTION" ICON, open "T".
std::string DescribeStep(HWND window);

}  // namespace host
