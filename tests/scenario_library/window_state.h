#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "tests/scenario_library/scenario.h"

namespace scenario {

// What a user can see of one control, read the same way by both runners.
struct ControlState {
    int id = -1;
    std::string className;  // "BUTTON", "EDIT", "LISTBOX", "COMBOBOX", "STATIC"
    std::string text;
    std::vector<std::string> items;
    std::vector<int> selected;  // ascending; a combo box or single-selection list: its current item
    int topIndex = 0;
    bool checked = false;
    bool visible = true;
    bool enabled = true;
};

struct WindowState {
    std::string title;
    std::vector<ControlState> controls;
};

struct Mismatch {
    std::string expected;
    std::string found;
};

// Checks a see, see-title, see-items, see-selected, see-top, see-checked, see-visible or
// see-enabled statement ("{dir}" already replaced); nothing when it holds.
std::optional<Mismatch> CheckExpectation(const Statement& statement, const WindowState& window);
const ControlState* FindControl(const WindowState& window, int id);

// The items an action names by their texts, the statement's words from `first` on ("{dir}"
// already replaced): each text takes the next item with that text not yet taken. A Mismatch
// naming the first text that is not there.
std::optional<Mismatch> FindItems(const Statement& statement, std::size_t first,
                                  const ControlState& control, std::vector<int>& indices);

// What a user sees of the file-open dialog besides its title.
struct FileDialogState {
    std::vector<std::string> filters;  // the descriptions the file-type box offers, in order
    int currentFilter = -1;
    bool readOnlyBoxShown = false;
};

// Checks an open step ("{dir}" already replaced) against the file dialog: the filters it names,
// the first of them chosen, and no read-only box, which the tool hides on every file dialog.
std::optional<Mismatch> CheckFileDialog(const Statement& open, const FileDialogState& dialog);

// "item ID INDEX TEXT" lines of a dump statement.
std::string DumpItems(const ControlState& control);
// Every open window, innermost last, for a failure report.
std::string DescribeWindows(const std::vector<WindowState>& windows);

// What the host saw of the tool.
struct HostLog {
    bool hadHost = true;
    struct Command {
        int id = 0;
        long long lParam = 0;
        bool hostWasEnabled = false;
    };
    std::vector<Command> commands;
};

// expect command / expect result / expect record / expect field / expect bytes. result is the
// result file's bytes (nothing when it does not exist), original what the setup put there.
std::optional<Mismatch> CheckAfterRun(const Statement& statement, const HostLog& host,
                                      const std::optional<std::string>& result,
                                      const std::optional<std::string>& original);
// The whole result file, 16 bytes a line, in hex.
std::string DumpResult(const std::optional<std::string>& result);

}  // namespace scenario
