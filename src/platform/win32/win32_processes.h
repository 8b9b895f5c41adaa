#pragma once

#include "platform/processes.h"

namespace fennick::win32 {

class Win32Processes : public platform::Processes {
 public:
  std::vector<platform::ProcessEntry> ProcessSnapshot() override;
  bool EndProcess(std::uint32_t processId, std::uint32_t exitCode) override;
  bool StartProcess(const std::string& application, const std::string& commandLine,
                    std::uint32_t waitMilliseconds) override;
  std::optional<std::int32_t> CallLibraryEntry(const std::string& path, const std::string& entryPoint) override;
};

}  // namespace fennick::win32
