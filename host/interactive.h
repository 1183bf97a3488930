#pragma once

#include <string>

namespace host {

// The fax application for people: a window whose Import button starts the tool and whose list
// shows the records the tool hands back. Returns when the window is closed.
int RunInteractive(const std::string& tool);

}  // namespace host
