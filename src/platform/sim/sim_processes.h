// Processes and libraries of the in-memory Windows. A program starts when its
// file is among the sim's files; how it behaves once started is set per file
// name. Libraries are registered by path with the results of their entry
// points. Every call is recorded in the call log.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/processes.h"
#include "platform/sim/call_log.h"
#include "platform/sim/sim_files.h"
#include "platform/sim/sim_system.h"

namespace fennick::sim {

struct SimProcess {
  std::string ExeFile;  // as the snapshot reports it
  std::uint32_t ProcessId = 0;
  bool Protected = false;  // ending it is refused (another user's process)
};

// What a started program does within the start's short wait.
enum class ProgramBehaviour {
  KeepsRunning,  // the usual case
  EndsAtOnce,    // starts, but is gone before anyone looks
  FailsToStart,  // CreateProcess fails although the file exists
};

struct SimLibrary {
  // Exported entry points and the HRESULT each returns; names are case-sensitive.
  std::map<std::string, std::int32_t> EntryPoints;
};

class SimProcesses : public platform::Processes {
 public:
  SimProcesses(CallLog& log, SimFiles& files, SimSystem& system) : log_(log), files_(files), system_(system) {}

  std::vector<platform::ProcessEntry> ProcessSnapshot() override;
  bool EndProcess(std::uint32_t processId, std::uint32_t exitCode) override;
  bool StartProcess(const std::string& application, const std::string& commandLine,
                    std::uint32_t waitMilliseconds) override;
  std::optional<std::int32_t> CallLibraryEntry(const std::string& path, const std::string& entryPoint) override;

  // Test set-up and inspection; these bypass the call log.
  // Adds a running process; an id of 0 takes the next free one. Gives the id.
  std::uint32_t AddProcess(const std::string& exeFile, std::uint32_t processId = 0, bool isProtected = false);
  bool IsRunning(std::uint32_t processId) const;
  void SetBehaviour(const std::string& fileName, ProgramBehaviour behaviour);
  void PutLibrary(const std::string& path, SimLibrary library);

  std::vector<SimProcess> Running;  // in start order
  bool SnapshotAvailable = true;    // false: the snapshot functions are missing
  // The process's current directory, searched for programs started by bare name.
  std::string CurrentDirectory = "C:\\Documents and Settings\\User";
  // Started processes are numbered from here on.
  std::uint32_t NextProcessId = 1000;

 private:
  std::string FindProgram(const std::string& application, const std::string& commandLine) const;
  std::string FindLibrary(const std::string& path) const;

  CallLog& log_;
  SimFiles& files_;
  SimSystem& system_;
  std::map<std::string, ProgramBehaviour> behaviours_;  // keyed by the upper-case file name
  std::map<std::string, SimLibrary> libraries_;         // keyed by the upper-case path
};

}  // namespace fennick::sim
