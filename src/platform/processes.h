// Processes and self-registering libraries: the running processes, ending one,
// starting a program, and calling a library's registration entry point.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fennick::platform {

struct ProcessEntry {
  // The executable as the process snapshot names it: a bare file name on the
  // NT family, a full path on the Windows 95 line.
  std::string ExeFile;
  std::uint32_t ProcessId = 0;
};

class Processes {
 public:
  virtual ~Processes() = default;

  // Every running process, in snapshot order; empty when the snapshot
  // functions are missing or the snapshot fails.
  virtual std::vector<ProcessEntry> ProcessSnapshot() = 0;

  // Opens the process for termination and ends it with the exit code. Does not
  // wait for it to be gone. False when it could not be opened or ended.
  virtual bool EndProcess(std::uint32_t processId, std::uint32_t exitCode) = 0;

  // Starts a program with a shown window. An empty application makes the
  // system search for the program named first on the command line; otherwise
  // the application's path is used as it is, with no search. Waits at most
  // waitMilliseconds for the program to end. True when the process was created.
  virtual bool StartProcess(const std::string& application, const std::string& commandLine,
                            std::uint32_t waitMilliseconds) = 0;

  // Loads the library at path, calls its entry point without arguments and
  // frees the library again. The entry point's result (an HRESULT), or nothing
  // when the library does not load or lacks the entry point.
  virtual std::optional<std::int32_t> CallLibraryEntry(const std::string& path, const std::string& entryPoint) = 0;
};

}  // namespace fennick::platform
