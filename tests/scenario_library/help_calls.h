#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/scenario_library/scenario.h"
#include "tests/scenario_library/window_state.h"

namespace scenario {

// A help topic the tool opened: the help file and the context id it asked for.
struct HelpCall {
    std::string file;
    int contextId = 0;
};

// `expect help CONTEXT...`: the tool opened exactly these topics, in order, each in the help
// file it was given; `expect help none`: it opened none. Nothing for any other statement.
std::optional<Mismatch> CheckHelpCalls(const Statement& statement,
                                       const std::vector<HelpCall>& calls,
                                       const std::string& helpFile);

}  // namespace scenario
