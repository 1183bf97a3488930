#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ui::headless {

// A dialog template as the resource compiler reads it from the tool's .rc file. Classes are
// upper-case ("BUTTON", "EDIT", "LISTBOX", "COMBOBOX", "STATIC"), styles carry the Win32 values.
struct ControlTemplate {
    int id = -1;
    std::string className;
    std::uint32_t style = 0;
    std::string text;
    int x = 0, y = 0, width = 0, height = 0;
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    std::uint32_t style = 0;
    int x = 0, y = 0, width = 0, height = 0;
    std::string fontName;
    int fontSize = 0;
    std::vector<ControlTemplate> controls;
};

// Generated at build time from the .rc file: nullptr / empty when there is no such resource.
const DialogTemplate* FindDialogTemplate(int id);
std::string FindStringResource(int id);

}  // namespace ui::headless
