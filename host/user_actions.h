#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tests/scenario_library/window_state.h"

namespace host {

// Does what a user does for an action statement on the dialog ("{dir}" already replaced): the
// controls and the dialog get the messages and notifications a real click or key gives. Returns
// why the user could not do it (no such control or item, a hidden or disabled control), or
// nothing. Output of a dump statement goes to dumped.
std::optional<scenario::Mismatch> PerformAction(HWND dialog, const scenario::Statement& statement,
                                                std::string& dumped);

}  // namespace host
