#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace app {

struct ReaderErrorMessage {
    std::string text;
    std::string caption;
};

// The message box for a reader's error code, with the source path in place of "%s"; nothing for a
// count.
std::optional<ReaderErrorMessage> DescribeReaderError(int result, std::string_view sourcePath);

}  // namespace app
