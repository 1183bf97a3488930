#pragma once

#include <cstdint>
#include <string_view>

namespace speeddial {

// The strict decimal reader of the speed-dial texts: 0 for an empty text and for any text with a
// byte outside "0" to "9"; otherwise value * 10 + digit, digit by digit, wrapping in 32 bits.
std::int32_t ParseDecimal(std::string_view text);

// The usual lenient conversion: leading white space, an optional sign, then the digits up to the
// first other byte; 0 without digits. Values beyond 32 bits saturate.
std::int32_t ParseLeadingDecimal(std::string_view text);

}  // namespace speeddial
