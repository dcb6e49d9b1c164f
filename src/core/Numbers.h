#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace fenu {

// A 32-bit integer written as the system writes and reads them: optional sign, then decimal
// digits, or hexadecimal digits after "$" or "0x". Leading blanks are skipped; anything else,
// an empty text or a decimal number out of range gives nothing. Hexadecimal wraps to 32 bits.
std::optional<std::int32_t> ParseInt(std::string_view text);

// Like ParseInt, but an error names the text: "'abc' ist kein gültiger Integerwert".
std::int32_t StrToInt(std::string_view text);

}  // namespace fenu
