#include "platform/win32/win32_files.h"

#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/unicode.h"

namespace fennick::win32 {

namespace {

std::optional<std::string> ReadBytes(const std::string& path) {
  FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return std::nullopt;
  std::string bytes;
  char chunk[65536];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), chunk, sizeof chunk, &read, nullptr)) return std::nullopt;
    if (read == 0) return bytes;
    bytes.append(chunk, read);
  }
}

}  // namespace

std::optional<std::string> Win32Files::ReadTextFile(const std::string& path) {
  std::optional<std::string> bytes = ReadBytes(path);
  if (!bytes) return std::nullopt;
  const std::string bom = "\xEF\xBB\xBF";
  if (bytes->compare(0, bom.size(), bom) == 0) return bytes->substr(bom.size());
  return AnsiToUtf8(*bytes);
}

bool Win32Files::FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Files::CopyFileNoReplace(const std::string& source, const std::string& target) {
  return CopyFileW(Widen(source).c_str(), Widen(target).c_str(), TRUE) != 0;
}

}  // namespace fennick::win32
