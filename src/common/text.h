// Byte-string helpers shared by the command line, the registry schema and the
// settings logic. Text is UTF-8; letter-case handling touches ASCII letters only.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fennick {

// Cuts text at every occurrence of a one-character separator. Empty pieces stay:
// n separators always give n + 1 pieces ("a,b," gives "a", "b", "").
std::vector<std::string> Split(char separator, std::string_view text);

// Removes every leading and trailing byte whose code is 0x20 or lower.
std::string Trim(std::string_view text);

// An optional sign followed by decimal digits; reading stops at the first other
// byte, and no digits read as 0. Leading blanks are not skipped. The value wraps
// like a 32-bit integer instead of overflowing.
std::int32_t Number(std::string_view text);

std::string ToUpperAscii(std::string_view text);
std::string ToLowerAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// True when text begins with prefix, comparing ASCII letters without case.
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);

// Eight upper-case hexadecimal digits, zero-padded: 0xC006 gives "0000C006".
std::string Hex8(std::uint32_t value);
// The value of a text of hexadecimal digits, read until the first other character.
std::uint32_t ParseHex(std::string_view text);

}  // namespace fennick
