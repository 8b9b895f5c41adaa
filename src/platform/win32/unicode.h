// UTF-8 inside the program, UTF-16 at the Windows API: the conversions live here
// and nowhere else.
#pragma once

#include <string>

namespace fennick::win32 {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const wchar_t* utf16, std::size_t length);
std::string Narrow(const std::wstring& utf16);
// Bytes in the system's ANSI code page to UTF-8.
std::string AnsiToUtf8(const std::string& bytes);

}  // namespace fennick::win32
