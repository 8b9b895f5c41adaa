#pragma once

#include "platform/files.h"

namespace fennick::win32 {

class Win32Files : public platform::Files {
 public:
  std::optional<std::string> ReadTextFile(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  bool CopyFileNoReplace(const std::string& source, const std::string& target) override;
};

}  // namespace fennick::win32
