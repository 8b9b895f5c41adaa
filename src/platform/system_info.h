// Facts about the running system and the process: locale, version, command
// line, paths. Every text is UTF-8.
#pragma once

#include <cstdint>
#include <string>

namespace fennick::platform {

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  virtual std::uint32_t DefaultLocale() = 0;      // GetSystemDefaultLCID
  virtual std::uint32_t VersionValue() = 0;       // GetVersion
  virtual std::string CommandLine() = 0;          // the whole command line, program path included
  virtual std::string ExecutablePath() = 0;       // full path of the running executable
  virtual std::string SystemDirectory() = 0;      // without a trailing backslash
  virtual std::string WindowsDirectory() = 0;     // without a trailing backslash
  // The text with every %NAME% of a defined environment variable replaced by its
  // value; names compare without case, undefined ones stay as written.
  virtual std::string ExpandEnvironment(const std::string& text) = 0;
};

}  // namespace fennick::platform
