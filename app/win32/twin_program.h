#pragma once

#include <optional>
#include <string>

namespace app {

// When the messaging system is of the other bitness and this program's twin of that bitness is
// beside it, runs the whole import in the twin, with this program's command line and the host
// window as it found it, and returns the twin's exit code. Nothing when this process must run
// it itself: same bitness, no messaging system, no twin, or this process is itself the twin.
std::optional<int> RunInTwin(const std::string& modulePath);

}  // namespace app
