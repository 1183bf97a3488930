// Any bytes as a file's text: the decoding must stay inside its input and give one byte for each
// UTF-16 unit, malformed part or odd byte, and leave every ASCII-only file as it is.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_platform.h"
#include "text/text_decoding.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Every byte from 0x80 on.
const std::string kNonAscii = [] {
    std::string high;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        high += static_cast<char>(byte);
    }
    return high;
}();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> ansi = text::DecodeToAnsi(bytes, FuzzPlatform());
    const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    if (utf16) {
        Require(ansi && ansi->size() == (size - 1) / 2);
    } else if (bytes.starts_with("\xEF\xBB\xBF")) {
        Require(ansi && ansi->size() <= size - 3);
    } else if (bytes.find_first_of(kNonAscii) == std::string_view::npos) {
        Require(!ansi);
    } else if (ansi) {
        // Strict UTF-8 with a character beyond ASCII: fewer bytes in the code page.
        Require(ansi->size() < size);
    }
    return 0;
}
