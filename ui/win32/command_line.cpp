#include "ui/win32/command_line.h"

namespace ui {
namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

std::string_view CommandLineAfterProgramName(std::string_view commandLine) {
    std::size_t position = 0;
    bool inQuotes = false;
    while (position < commandLine.size() &&
           (inQuotes || !IsBlankOrControl(commandLine[position]))) {
        if (commandLine[position] == '"') {
            inQuotes = !inQuotes;
        }
        ++position;
    }
    while (position < commandLine.size() && IsBlankOrControl(commandLine[position])) {
        ++position;
    }
    return commandLine.substr(position);
}

}  // namespace ui
