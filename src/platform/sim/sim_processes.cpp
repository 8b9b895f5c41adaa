#include "platform/sim/sim_processes.h"

#include <algorithm>

#include "common/text.h"

namespace fennick::sim {

namespace {

std::string FolderOf(const std::string& path) {
  std::size_t cut = path.rfind('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::string FileNameOf(const std::string& path) { return path.substr(path.find_last_of(":\\/") + 1); }

bool HasFolder(const std::string& name) { return name.find_first_of(":\\/") != std::string::npos; }

// The program a command line names: its first word, or the text between its
// first pair of quotes.
std::string FirstWord(const std::string& commandLine) {
  if (!commandLine.empty() && commandLine[0] == '"') {
    std::size_t end = commandLine.find('"', 1);
    return commandLine.substr(1, end == std::string::npos ? std::string::npos : end - 1);
  }
  return commandLine.substr(0, commandLine.find_first_of(" \t"));
}

}  // namespace

std::vector<platform::ProcessEntry> SimProcesses::ProcessSnapshot() {
  if (!log_.Record("CreateToolhelp32Snapshot") || !SnapshotAvailable) return {};
  std::vector<platform::ProcessEntry> entries;
  for (const SimProcess& process : Running) entries.push_back({process.ExeFile, process.ProcessId});
  return entries;
}

bool SimProcesses::EndProcess(std::uint32_t processId, std::uint32_t exitCode) {
  auto it = std::find_if(Running.begin(), Running.end(),
                         [&](const SimProcess& process) { return process.ProcessId == processId; });
  std::string call = "TerminateProcess " + std::to_string(processId);
  if (it != Running.end()) call += " " + it->ExeFile;
  if (!log_.Record(call + " exit " + std::to_string(exitCode))) return false;
  if (it == Running.end() || it->Protected) return false;
  Running.erase(it);
  return true;
}

// A bare program name is searched as CreateProcess searches it: the
// executable's folder, the current directory, the system folder, the Windows
// folder. An application path is used as it is.
std::string SimProcesses::FindProgram(const std::string& application, const std::string& commandLine) const {
  if (!application.empty()) return files_.Get(application) ? application : std::string();
  std::string name = FirstWord(commandLine);
  if (name.empty()) return {};
  if (HasFolder(name)) return files_.Get(name) ? name : std::string();
  for (const std::string& folder : {FolderOf(system_.ExecutableFile), CurrentDirectory, system_.SystemFolder,
                                    FolderOf(system_.SystemFolder)}) {
    std::string path = folder + "\\" + name;
    if (files_.Get(path)) return path;
  }
  return {};
}

bool SimProcesses::StartProcess(const std::string& application, const std::string& commandLine,
                                std::uint32_t waitMilliseconds) {
  if (!log_.Record("CreateProcess " + application + "|" + commandLine + " wait " + std::to_string(waitMilliseconds))) {
    return false;
  }
  std::string image = FindProgram(application, commandLine);
  if (image.empty()) return false;
  auto behaviour = behaviours_.find(ToUpperAscii(FileNameOf(image)));
  if (behaviour != behaviours_.end() && behaviour->second == ProgramBehaviour::FailsToStart) return false;
  std::uint32_t id = NextProcessId++;
  if (behaviour == behaviours_.end() || behaviour->second == ProgramBehaviour::KeepsRunning) {
    // The Windows 95 line reports the full path of the executable, the NT family its file name.
    bool windows95Line = (system_.Version & 0x80000000u) != 0;
    Running.push_back({windows95Line ? image : FileNameOf(image), id, false});
  }
  return true;
}

// A bare library name is searched as LoadLibrary searches it: the executable's
// folder, the system folder, the Windows folder, then the current directory.
std::string SimProcesses::FindLibrary(const std::string& path) const {
  if (HasFolder(path)) return libraries_.count(ToUpperAscii(path)) ? path : std::string();
  for (const std::string& folder : {FolderOf(system_.ExecutableFile), system_.SystemFolder,
                                    FolderOf(system_.SystemFolder), CurrentDirectory}) {
    std::string candidate = folder + "\\" + path;
    if (libraries_.count(ToUpperAscii(candidate))) return candidate;
  }
  return {};
}

std::optional<std::int32_t> SimProcesses::CallLibraryEntry(const std::string& path, const std::string& entryPoint) {
  if (!log_.Record("LoadLibrary " + path)) return std::nullopt;
  std::string found = FindLibrary(path);
  if (found.empty()) return std::nullopt;
  const SimLibrary& library = libraries_.at(ToUpperAscii(found));
  std::optional<std::int32_t> result;
  auto entry = library.EntryPoints.find(entryPoint);
  if (entry != library.EntryPoints.end() && log_.Record("CallEntry " + found + "!" + entryPoint)) {
    result = entry->second;
  }
  log_.Record("FreeLibrary " + found);
  return result;
}

std::uint32_t SimProcesses::AddProcess(const std::string& exeFile, std::uint32_t processId, bool isProtected) {
  if (processId == 0) processId = NextProcessId++;
  Running.push_back({exeFile, processId, isProtected});
  return processId;
}

bool SimProcesses::IsRunning(std::uint32_t processId) const {
  return std::any_of(Running.begin(), Running.end(),
                     [&](const SimProcess& process) { return process.ProcessId == processId; });
}

void SimProcesses::SetBehaviour(const std::string& fileName, ProgramBehaviour behaviour) {
  behaviours_[ToUpperAscii(fileName)] = behaviour;
}

void SimProcesses::PutLibrary(const std::string& path, SimLibrary library) {
  libraries_[ToUpperAscii(path)] = std::move(library);
}

}  // namespace fennick::sim
