#include "indicator/indicator_style.h"

#include <vector>

#include "common/message_texts.h"
#include "common/text.h"
#include "common/ui_language.h"
#include "registry/schema.h"

namespace fennick {

namespace {

using indicator::kCtfmon;
using indicator::kInternat;

constexpr std::uint32_t kStartWaitMilliseconds = 5;
constexpr std::uint32_t kExitCode = 0;

constexpr Text3 kCtfmonMissingText = {
    "Not found \"ctfmon.exe\".",
    "找不到 ctfmon.exe。",
    "找不到 ctfmon.exe",
};

constexpr Text3 kInternatMissingText = {
    "Not found \"Internat.exe\", If your system is XP or later, please copy internat.exe and indicdll.dll "
    "from Windows2000. ",
    "无法运行输入法指示器 internat.exe，如果你的系统为 Windows XP 或 Windows 2003，请自行拷贝 Windows2000 "
    "中的 internat.exe 和 indicdll.dll 文件到系统目录并运行。",
    "無法運行輸入法指示器 internat.exe，如果你的系統為 Windows XP 或 Windows 2003，請自行拷貝 Windows2000 "
    "中的 internat.exe 和 indicdll.dll 文件到系統目錄並運行。 ",
};

// The text after the last ":", "\" or "/".
std::string FileNamePart(const std::string& path) { return path.substr(path.find_last_of(":\\/") + 1); }

std::string InFolder(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '\\') return folder + name;
  return folder + "\\" + name;
}

// The folder of this program's executable.
std::string OwnFolder(Context& context) {
  std::string executable = context.Os.system.ExecutablePath();
  return executable.substr(0, executable.rfind('\\'));
}

std::string SystemPath(Context& context, const std::string& name) {
  return InFolder(context.Os.system.SystemDirectory(), name);
}

bool Matches(const std::string& exeFile, const std::string& name) {
  return EqualsIgnoreCase(FileNamePart(exeFile), name) || EqualsIgnoreCase(exeFile, name);
}

void WriteCtfValues(Context& context, std::uint32_t disableThreadInputManager, std::uint32_t showStatus) {
  RegistryStore& store = context.Registry;
  {
    RegKey key = store.OpenOrCreate(schema::HKCU, schema::kCtfKey);
    store.SetDword(key, schema::kDisableThreadInputManagerValue, disableThreadInputManager);
  }
  RegKey key = store.OpenOrCreate(schema::HKCU, schema::kLangBarKey);
  store.SetDword(key, schema::kLangBarShowStatusValue, showStatus);
}

// The Run value that starts the program at log-on, named and valued by its bare name.
void WriteRunValue(Context& context, RegRoot root, const std::string& name) {
  RegKey key = context.Registry.OpenOrCreate(root, schema::kRunKey);
  context.Registry.SetString(key, name, name);
}

void ShowMissingProgram(Context& context, const MainWindow& window, const Text3& text) {
  platform::ShowInformation(context.Os.dialogs, text.In(SelectUiLanguage(window.SystemLocale)), kApplicationTitle);
}

// The version classes whose thread input manager and language bar values are
// set; 6.1 belongs to class WinXP and is among them.
bool IsCtfClass(const WindowsVersion& version) {
  return version.Class == WindowsVersionClass::WinXP || version.Class == WindowsVersionClass::Win2003 ||
         version.Class == WindowsVersionClass::WinNT;
}

void ApplyTextServices(Context& context, const MainWindow& window) {
  if (IsCtfClass(context.Version)) WriteCtfValues(context, 0, 4);
  if (context.Version.IsVistaOrLater()) return;
  for (const char* library : {indicator::kLangBarLibrary, indicator::kTextServicesLibrary,
                              indicator::kInputMethodBridgeLibrary}) {
    CallServerRegistration(context, library, ServerRegistration::Register);
  }
  StartProgram(context, kCtfmon, ProgramSource::SystemDirectory);
  if (IsProcessRunning(context, kCtfmon)) {
    RemoveRunEntries(context, kInternat);
    RemoveRunEntries(context, kCtfmon);
    WriteRunValue(context, schema::HKCU, kCtfmon);
  } else {
    ShowMissingProgram(context, window, kCtfmonMissingText);
  }
}

void LeaveTextServices(Context& context) {
  if (IsCtfClass(context.Version)) WriteCtfValues(context, 1, 0);
  if (context.Version.IsVistaOrLater()) return;
  RemoveRunEntries(context, kCtfmon);
  TerminateProcesses(context, kCtfmon);
  // The language bar library stays registered.
  CallServerRegistration(context, indicator::kInputMethodBridgeLibrary, ServerRegistration::Unregister);
  CallServerRegistration(context, indicator::kTextServicesLibrary, ServerRegistration::Unregister);
}

void StartLegacyIndicator(Context& context, const MainWindow& window) {
  // Systems after Windows 2000 come without internat.exe: a copy the user put
  // beside this program goes into the system directory, with its library. Where
  // that copy fails, the program still starts from beside this one, or from the
  // Windows directory of the Windows 95 line.
  if (!IsProcessRunning(context, kInternat) && !context.Os.files.FileExists(SystemPath(context, kInternat))) {
    for (const char* file : {kInternat, indicator::kIndicatorLibrary}) {
      std::string source = InFolder(OwnFolder(context), file);
      if (context.Os.files.FileExists(source)) context.Os.files.CopyFileNoReplace(source, SystemPath(context, file));
    }
    StartProgram(context, kInternat, ProgramSource::SystemOwnOrWindowsDirectory);
  }
  // A program that starts slowly is missed by the first look; try once more.
  if (!IsProcessRunning(context, kInternat)) StartProgram(context, kInternat, ProgramSource::SystemOwnOrWindowsDirectory);
  bool windowMode = window.ArgumentCount == 0;
  if (!IsProcessRunning(context, kInternat) && windowMode) {
    ShowMissingProgram(context, window, kInternatMissingText);
  } else {
    RemoveRunEntries(context, kInternat);
  }
  WriteRunValue(context, context.Version.IsWin9xFamily() ? schema::HKLM : schema::HKCU, kInternat);
}

void StopIndicators(Context& context) {
  if (IsProcessRunning(context, kInternat)) TerminateProcesses(context, kInternat);
  if (IsProcessRunning(context, kCtfmon)) TerminateProcesses(context, kCtfmon);
  RemoveRunEntries(context, kCtfmon);
  RemoveRunEntries(context, kInternat);
}

}  // namespace

bool IsProcessRunning(Context& context, const std::string& name) {
  for (const platform::ProcessEntry& process : context.Os.processes.ProcessSnapshot()) {
    if (Matches(process.ExeFile, name)) return true;
  }
  return false;
}

void TerminateProcesses(Context& context, const std::string& name) {
  for (const platform::ProcessEntry& process : context.Os.processes.ProcessSnapshot()) {
    if (Matches(process.ExeFile, name)) context.Os.processes.EndProcess(process.ProcessId, kExitCode);
  }
}

void RemoveRunEntries(Context& context, const std::string& name) {
  RegistryStore& store = context.Registry;
  for (RegRoot root : {schema::HKCU, schema::HKLM}) {
    std::vector<std::string> names;
    RegKey run = store.OpenForRead(root, schema::kRunKey);
    store.ListValueNames(run, names);
    RegKey writable;
    for (const std::string& value : names) {
      if (FileNamePart(store.GetString(run, value)) != name) continue;
      if (writable.IsNone()) writable = store.OpenOrCreate(root, schema::kRunKey);
      store.DeleteValue(writable, value);
    }
  }
}

bool CallServerRegistration(Context& context, const std::string& library, ServerRegistration registration) {
  const char* entryPoint =
      registration == ServerRegistration::Register ? "DllRegisterServer" : "DllUnregisterServer";
  std::optional<std::int32_t> result = context.Os.processes.CallLibraryEntry(SystemPath(context, library), entryPoint);
  return result && *result >= 0;
}

void StartProgram(Context& context, const std::string& name, ProgramSource source) {
  std::vector<std::string> folders = {context.Os.system.SystemDirectory()};
  if (source == ProgramSource::SystemOwnOrWindowsDirectory) {
    folders.push_back(OwnFolder(context));
    folders.push_back(context.Os.system.WindowsDirectory());
  }
  for (const std::string& folder : folders) {
    std::string path = InFolder(folder, name);
    if (!context.Os.files.FileExists(path)) continue;
    context.Os.processes.StartProcess(path, "\"" + path + "\"", kStartWaitMilliseconds);
    return;
  }
}

void ApplyIndicatorStyle(Context& context, const MainWindow& window) {
  const WorkingSettings& settings = window.Settings;
  bool legacy = settings.IndicatorStyle == Indicator::LegacyIndicator;
  if (!legacy && settings.IndicatorEnabled) ApplyTextServices(context, window);
  if (legacy) LeaveTextServices(context);
  if (legacy && settings.IndicatorEnabled && !context.Version.IsVistaOrLater()) StartLegacyIndicator(context, window);
  if (!settings.IndicatorEnabled) StopIndicators(context);
}

}  // namespace fennick
