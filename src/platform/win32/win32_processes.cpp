#include "platform/win32/win32_processes.h"

#include <windows.h>
#include <tlhelp32.h>

#include "platform/win32/handles.h"
#include "platform/win32/unicode.h"

namespace fennick::win32 {

std::vector<platform::ProcessEntry> Win32Processes::ProcessSnapshot() {
  std::vector<platform::ProcessEntry> entries;
  FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot.Valid()) return entries;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
    entries.push_back({Narrow(entry.szExeFile), entry.th32ProcessID});
  }
  return entries;
}

bool Win32Processes::EndProcess(std::uint32_t processId, std::uint32_t exitCode) {
  KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, processId));
  return process.Valid() && TerminateProcess(process.Get(), exitCode);
}

bool Win32Processes::StartProcess(const std::string& application, const std::string& commandLine,
                                  std::uint32_t waitMilliseconds) {
  std::wstring applicationPath = Widen(application);
  std::wstring command = Widen(commandLine);  // CreateProcessW may write into the command line
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION started = {};
  if (!CreateProcessW(application.empty() ? nullptr : applicationPath.c_str(), command.data(), nullptr, nullptr,
                      FALSE, 0, nullptr, nullptr, &startup, &started)) {
    return false;
  }
  KernelHandle process(started.hProcess);
  KernelHandle thread(started.hThread);
  WaitForSingleObject(process.Get(), waitMilliseconds);
  return true;
}

std::optional<std::int32_t> Win32Processes::CallLibraryEntry(const std::string& path, const std::string& entryPoint) {
  // A library loaded by its full path finds its own dependencies beside it first.
  DWORD flags = path.find_first_of(":\\/") != std::string::npos ? LOAD_WITH_ALTERED_SEARCH_PATH : 0;
  ModuleHandle library(LoadLibraryExW(Widen(path).c_str(), nullptr, flags));
  if (!library.Valid()) return std::nullopt;
  FARPROC address = GetProcAddress(library.Get(), entryPoint.c_str());
  if (!address) return std::nullopt;
  using EntryPoint = HRESULT(STDAPICALLTYPE*)();
  return static_cast<std::int32_t>(reinterpret_cast<EntryPoint>(reinterpret_cast<void*>(address))());
}

}  // namespace fennick::win32
