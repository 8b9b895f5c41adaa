#pragma once

#include "platform/files.h"

namespace fennick::win32 {

class Win32Files : public platform::Files {
 public:
  std::optional<std::string> ReadTextFile(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  bool CopyFileNoReplace(const std::string& source, const std::string& target) override;
  std::string FileDescription(const std::string& path) override;
  std::unique_ptr<platform::ResourceModule> OpenResourceModule(const std::string& path) override;
  bool HasIcon(const std::string& path) override;
};

}  // namespace fennick::win32
