#include "app/text_format.h"

namespace app {

std::string FillText(std::string_view pattern, std::string_view text) {
    const auto at = pattern.find("%s");
    if (at == std::string_view::npos) {
        return std::string(pattern);
    }
    std::string filled(pattern.substr(0, at));
    filled.append(text).append(pattern.substr(at + 2));
    return filled;
}

}  // namespace app
