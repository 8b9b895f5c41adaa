#include "indicator/indicator_style.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "platform/sim/sim_windows.h"

namespace fennick {
namespace {

using Lines = std::vector<std::string>;
using platform::RegRoot;
using sim::ProgramBehaviour;
using sim::SimLibrary;
using sim::SimWindows;

constexpr RegRoot HKCU = RegRoot::CurrentUser;
constexpr RegRoot HKLM = RegRoot::LocalMachine;
const std::string kSystem = "C:\\WINDOWS\\system32";
const std::string kOwnFolder = "C:\\Program Files\\Fennick";  // where the sim's fennick.exe lies
const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::uint32_t kCtfmonId = 100, kInternatId = 200, kFirstStartedId = 1000;

const char kCtfmonEnglish[] = "Not found \"ctfmon.exe\".";
const char kInternatEnglish[] =
    "Not found \"Internat.exe\", If your system is XP or later, please copy internat.exe and indicdll.dll from "
    "Windows2000. ";

// The call-log lines that change something: registry writes and deletions,
// entry-point calls, copies, starts, ends and message boxes.
Lines Effects(const SimWindows& windows) {
  Lines effects;
  for (const std::string& call : windows.Log.Calls) {
    for (const char* kind : {"RegSetValue ", "RegDeleteValue ", "CallEntry ", "CopyFile ", "CreateProcess ",
                             "TerminateProcess ", "MessageBox "}) {
      if (call.rfind(kind, 0) == 0) effects.push_back(call);
    }
  }
  return effects;
}

std::string Hex2(unsigned n) {
  const char digits[] = "0123456789ABCDEF";
  return {digits[n >> 4], digits[n & 0xF]};
}
std::string DisableTim(unsigned n) {
  return "RegSetValue HKCU\\Software\\Microsoft\\CTF|Disable Thread Input Manager = REG_DWORD " + Hex2(n) + " 00 00 00";
}
std::string LangBarStatus(unsigned n) {
  return "RegSetValue HKCU\\Software\\Microsoft\\CTF\\LangBar|ShowStatus = REG_DWORD " + Hex2(n) + " 00 00 00";
}
std::string Register(const std::string& library) {
  return "CallEntry " + kSystem + "\\" + library + "!DllRegisterServer";
}
std::string Unregister(const std::string& library) {
  return "CallEntry " + kSystem + "\\" + library + "!DllUnregisterServer";
}
std::string Start(const std::string& name) {
  std::string path = kSystem + "\\" + name;
  return "CreateProcess " + path + "|\"" + path + "\" wait 5";
}
std::string StartAt(const std::string& path) { return "CreateProcess " + path + "|\"" + path + "\" wait 5"; }
std::string End(std::uint32_t id, const std::string& exeFile) {
  return "TerminateProcess " + std::to_string(id) + " " + exeFile + " exit 0";
}
std::string Copy(const std::string& file) {
  return "CopyFile " + kOwnFolder + "\\" + file + " -> " + kSystem + "\\" + file + " no replace";
}
std::string RunSet(RegRoot root, const std::string& name) {
  return "RegSetValue " + std::string(platform::RootName(root)) + "\\" + kRun + "|" + name + " = REG_SZ \"" + name +
         "\"";
}
std::string RunDelete(RegRoot root, const std::string& name) {
  return "RegDeleteValue " + std::string(platform::RootName(root)) + "\\" + kRun + "|" + name;
}
std::string Box(const std::string& text) { return "MessageBox Fennick|" + text; }

// An XP machine with the language bar running and autostarted the way XP
// itself writes it, an old machine-wide autostart of the legacy indicator, and
// the legacy indicator's files beside fennick.exe (copied from Windows 2000).
void TextServicesMachine(SimWindows& windows) {
  windows.System.Version = sim::version::WindowsXP;
  windows.Files.Put(kSystem + "\\ctfmon.exe", {});
  windows.Files.Put(kOwnFolder + "\\internat.exe", {});
  windows.Files.Put(kOwnFolder + "\\indicdll.dll", {});
  for (const char* library : {"msutb.dll", "msctf.dll", "msimtf.dll"}) {
    windows.Processes.PutLibrary(kSystem + "\\" + library,
                                 SimLibrary{{{"DllRegisterServer", 0}, {"DllUnregisterServer", 0}}});
  }
  windows.Processes.AddProcess("explorer.exe", 50);
  windows.Processes.AddProcess("ctfmon.exe", kCtfmonId);
  windows.Registry.PutString(HKCU, kRun, "CTFMON.EXE", kSystem + "\\ctfmon.exe");
  windows.Registry.PutString(HKLM, kRun, "IndicatorOld", "internat.exe");
  windows.Registry.PutString(HKLM, kRun, "Other", "other.exe");
}

struct Scenario {
  std::uint32_t version;
  Indicator style;
  bool enabled;
  int argumentCount = 0;  // 0: window mode
  std::function<void(SimWindows&)> arrange = nullptr;
};

// Runs the apply on the text-services machine, changed by the scenario.
Lines Apply(SimWindows& windows, const Scenario& scenario, std::uint32_t locale = 0x0409) {
  TextServicesMachine(windows);
  windows.System.Version = scenario.version;
  if (scenario.arrange) scenario.arrange(windows);
  MainWindow window;
  window.SystemLocale = locale;
  window.ArgumentCount = scenario.argumentCount;
  window.Settings.IndicatorStyle = scenario.style;
  window.Settings.IndicatorEnabled = scenario.enabled;
  Context context(windows.Platform());
  windows.Log.Calls.clear();
  ApplyIndicatorStyle(context, window);
  return Effects(windows);
}

void NoCtfmon(SimWindows& windows) { windows.Processes.Running.pop_back(); }
void NoInternatAnywhere(SimWindows& windows) {
  NoCtfmon(windows);
  windows.Files.Remove(kOwnFolder + "\\internat.exe");
  windows.Files.Remove(kOwnFolder + "\\indicdll.dll");
}

constexpr Indicator TS = Indicator::TextServices;
constexpr Indicator Legacy = Indicator::LegacyIndicator;

TEST(ApplyIndicatorStyle, EffectsInOrderForEachVersionAndStyle) {
  namespace v = sim::version;
  const Lines textServicesOnXp = {DisableTim(0),
                                  LangBarStatus(4),
                                  Register("msutb.dll"),
                                  Register("msctf.dll"),
                                  Register("msimtf.dll"),
                                  Start("ctfmon.exe"),
                                  RunDelete(HKLM, "IndicatorOld"),
                                  RunDelete(HKCU, "CTFMON.EXE"),
                                  RunSet(HKCU, "ctfmon.exe")};
  struct Case {
    const char* name;
    Scenario scenario;
    Lines effects;
  } cases[] = {
      {"XP, text services", {v::WindowsXP, TS, true}, textServicesOnXp},
      {"2003, text services", {v::Windows2003, TS, true}, textServicesOnXp},
      {"XP, switching to the legacy indicator copied from the program's folder",
       {v::WindowsXP, Legacy, true},
       {DisableTim(1), LangBarStatus(0), RunDelete(HKCU, "CTFMON.EXE"), End(kCtfmonId, "ctfmon.exe"),
        Unregister("msimtf.dll"), Unregister("msctf.dll"), Copy("internat.exe"), Copy("indicdll.dll"),
        Start("internat.exe"), RunDelete(HKLM, "IndicatorOld"), RunSet(HKCU, "internat.exe")}},
      {"2000, legacy indicator in the system directory: no CTF values, no copy, one start",
       {v::Windows2000, Legacy, true, 0,
        [](SimWindows& w) {
          NoCtfmon(w);
          w.Files.Put(kSystem + "\\internat.exe", {});
        }},
       {RunDelete(HKCU, "CTFMON.EXE"), Unregister("msimtf.dll"), Unregister("msctf.dll"), Start("internat.exe"),
        RunDelete(HKLM, "IndicatorOld"), RunSet(HKCU, "internat.exe")}},
      {"XP, legacy indicator already running: nothing started",
       {v::WindowsXP, Legacy, true, 0,
        [](SimWindows& w) {
          NoCtfmon(w);
          w.Processes.AddProcess("internat.exe", kInternatId);
        }},
       {DisableTim(1), LangBarStatus(0), RunDelete(HKCU, "CTFMON.EXE"), Unregister("msimtf.dll"),
        Unregister("msctf.dll"), RunDelete(HKLM, "IndicatorOld"), RunSet(HKCU, "internat.exe")}},
      {"Vista, text services", {v::WindowsVista, TS, true}, {}},
      {"Vista, legacy indicator", {v::WindowsVista, Legacy, true}, {}},
      {"6.2, text services", {v::Windows8, TS, true}, {}},
      {"6.2, legacy indicator", {v::Windows8, Legacy, true}, {}},
      {"10.0, legacy indicator", {v::Windows10, Legacy, true}, {}},
      {"6.1, text services: CTF values only", {v::Windows7, TS, true}, {DisableTim(0), LangBarStatus(4)}},
      {"6.1, legacy indicator: CTF values only", {v::Windows7, Legacy, true}, {DisableTim(1), LangBarStatus(0)}},
      {"98, legacy indicator in the Windows directory, autostarted machine-wide",
       {v::Windows98, Legacy, true, 0,
        [](SimWindows& w) {
          NoInternatAnywhere(w);
          w.System.SystemFolder = "C:\\WINDOWS\\SYSTEM";
          w.Files.Put("C:\\WINDOWS\\INTERNAT.EXE", {});
        }},
       {RunDelete(HKCU, "CTFMON.EXE"), StartAt("C:\\WINDOWS\\internat.exe"), RunDelete(HKLM, "IndicatorOld"),
        RunSet(HKLM, "internat.exe")}},
      {"XP, ctfmon does not start, window mode",
       {v::WindowsXP, TS, true, 0,
        [](SimWindows& w) {
          NoCtfmon(w);
          w.Processes.SetBehaviour("ctfmon.exe", ProgramBehaviour::FailsToStart);
        }},
       {DisableTim(0), LangBarStatus(4), Register("msutb.dll"), Register("msctf.dll"), Register("msimtf.dll"),
        Start("ctfmon.exe"), Box(kCtfmonEnglish)}},
      {"XP, ctfmon does not start, switch mode",
       {v::WindowsXP, TS, true, 1,
        [](SimWindows& w) {
          NoCtfmon(w);
          w.Processes.SetBehaviour("ctfmon.exe", ProgramBehaviour::EndsAtOnce);
        }},
       {DisableTim(0), LangBarStatus(4), Register("msutb.dll"), Register("msctf.dll"), Register("msimtf.dll"),
        Start("ctfmon.exe"), Box(kCtfmonEnglish)}},
      {"XP, internat nowhere, window mode: two starts, the message, the Run value anyway",
       {v::WindowsXP, Legacy, true, 0, NoInternatAnywhere},
       {DisableTim(1), LangBarStatus(0), RunDelete(HKCU, "CTFMON.EXE"), Unregister("msimtf.dll"),
        Unregister("msctf.dll"), Box(kInternatEnglish),
        RunSet(HKCU, "internat.exe")}},
      {"XP, internat nowhere, switch mode: no message",
       {v::WindowsXP, Legacy, true, 2, NoInternatAnywhere},
       {DisableTim(1), LangBarStatus(0), RunDelete(HKCU, "CTFMON.EXE"), Unregister("msimtf.dll"),
        Unregister("msctf.dll"), RunDelete(HKLM, "IndicatorOld"), RunSet(HKCU, "internat.exe")}},
      {"XP, legacy indicator switched off: leaving text services, then ending the legacy indicator",
       {v::WindowsXP, Legacy, false, 0, [](SimWindows& w) { w.Processes.AddProcess("internat.exe", kInternatId); }},
       {DisableTim(1), LangBarStatus(0), RunDelete(HKCU, "CTFMON.EXE"), End(kCtfmonId, "ctfmon.exe"),
        Unregister("msimtf.dll"), Unregister("msctf.dll"), End(kInternatId, "internat.exe"),
        RunDelete(HKLM, "IndicatorOld")}},
  };
  for (const Case& c : cases) {
    SimWindows windows;
    EXPECT_EQ(Apply(windows, c.scenario), c.effects) << c.name;
  }
}

TEST(ApplyIndicatorStyle, SwitchedOffEndsBothProgramsOnEveryVersion) {
  namespace v = sim::version;
  for (std::uint32_t version :
       {v::Windows31, v::Windows95, v::Windows98, v::WindowsMe, v::WindowsNT4, v::Windows2000, v::WindowsXP,
        v::Windows2003, v::WindowsVista, v::Windows7, v::Windows8, v::Windows10}) {
    SimWindows windows;
    Lines effects = Apply(windows, {version, TS, false, 0, [](SimWindows& w) {
                                      w.Processes.AddProcess("internat.exe", kInternatId);
                                      w.Registry.PutString(HKCU, kRun, "internat", "C:\\WINNT\\system32\\internat.exe");
                                    }});
    EXPECT_EQ(effects,
              (Lines{End(kInternatId, "internat.exe"), End(kCtfmonId, "ctfmon.exe"), RunDelete(HKCU, "CTFMON.EXE"),
                     RunDelete(HKCU, "internat"), RunDelete(HKLM, "IndicatorOld")}))
        << std::hex << version;
    EXPECT_EQ(windows.Processes.Running.size(), 1u) << "only explorer.exe is left";
    EXPECT_EQ(windows.Registry.ValueNames(HKCU, kRun), Lines{});
    EXPECT_EQ(windows.Registry.ValueNames(HKLM, kRun), Lines{"Other"});
  }
}

// A file named like a system program in the current directory or beside
// fennick.exe must not run in its place, and the text-services libraries come
// only from the system directory.
TEST(ApplyIndicatorStyle, ProgramsAndLibrariesComeFromTheSystemDirectory) {
  SimWindows windows;
  Lines effects =
      Apply(windows, {sim::version::WindowsXP, TS, true, 0, [](SimWindows& w) {
                        NoCtfmon(w);
                        w.Files.Remove(kSystem + "\\ctfmon.exe");
                        w.Files.Put(kOwnFolder + "\\ctfmon.exe", {});
                        w.Files.Put(w.Processes.CurrentDirectory + "\\ctfmon.exe", {});
                        w.Processes.PutLibrary(kSystem + "\\msctf.dll", SimLibrary{});
                        for (const std::string& folder : {kOwnFolder, w.Processes.CurrentDirectory}) {
                          w.Processes.PutLibrary(folder + "\\msctf.dll", SimLibrary{{{"DllRegisterServer", 0}}});
                        }
                      }});
  EXPECT_EQ(effects, (Lines{DisableTim(0), LangBarStatus(4), Register("msutb.dll"), Register("msimtf.dll"),
                            Box(kCtfmonEnglish)}));
  for (const std::string& call : windows.Log.Calls) {
    if (call.rfind("LoadLibrary ", 0) == 0) {
      EXPECT_EQ(call.rfind("LoadLibrary " + kSystem + "\\", 0), 0u) << call;
    }
  }
}

// Without administrator rights the copy into the system directory fails; the
// legacy indicator beside fennick.exe still starts from there.
TEST(ApplyIndicatorStyle, FailedCopyStartsTheProgramFromItsOwnFolder) {
  SimWindows windows;
  Lines effects = Apply(windows, {sim::version::WindowsXP, Legacy, true, 0, [](SimWindows& w) {
                                    NoCtfmon(w);
                                    w.Files.ProtectFolder(kSystem);
                                  }});
  EXPECT_EQ(effects,
            (Lines{DisableTim(1), LangBarStatus(0), RunDelete(HKCU, "CTFMON.EXE"), Unregister("msimtf.dll"),
                   Unregister("msctf.dll"), Copy("internat.exe"), Copy("indicdll.dll"),
                   StartAt(kOwnFolder + "\\internat.exe"),
                   RunDelete(HKLM, "IndicatorOld"), RunSet(HKCU, "internat.exe")}));
  EXPECT_FALSE(windows.Files.Get(kSystem + "\\internat.exe"));
  ASSERT_EQ(windows.Processes.Running.size(), 2u);
  EXPECT_EQ(windows.Processes.Running[1].ExeFile, "internat.exe");
}

// A legacy indicator in the current directory (or on the PATH) never runs.
TEST(ApplyIndicatorStyle, TheCurrentDirectoryIsNeverSearched) {
  SimWindows windows;
  Lines effects = Apply(windows, {sim::version::WindowsXP, Legacy, true, 2, [](SimWindows& w) {
                                    NoInternatAnywhere(w);
                                    w.Files.Put(w.Processes.CurrentDirectory + "\\internat.exe", {});
                                  }});
  for (const std::string& effect : effects) EXPECT_NE(effect.rfind("CreateProcess", 0), 0u) << effect;
  EXPECT_EQ(windows.Processes.Running.size(), 1u);
}

TEST(ApplyIndicatorStyle, MessagesInTheLanguageOfTheSystemLocale) {
  const char* ctfmonSimplified = "找不到 ctfmon.exe。";
  const char* ctfmonTraditional = "找不到 ctfmon.exe";
  const char* internatSimplified =
      "无法运行输入法指示器 internat.exe，如果你的系统为 Windows XP 或 Windows 2003，请自行拷贝 Windows2000 中的 "
      "internat.exe 和 indicdll.dll 文件到系统目录并运行。";
  const char* internatTraditional =
      "無法運行輸入法指示器 internat.exe，如果你的系統為 Windows XP 或 Windows 2003，請自行拷貝 Windows2000 中的 "
      "internat.exe 和 indicdll.dll 文件到系統目錄並運行。 ";
  struct Case {
    std::uint32_t locale;
    Indicator style;
    const char* text;
  } cases[] = {
      {0x0804, TS, ctfmonSimplified},     {0x0404, TS, ctfmonTraditional},      {0x0409, TS, kCtfmonEnglish},
      {0x0C04, TS, kCtfmonEnglish},       {0x0804, Legacy, internatSimplified}, {0x0404, Legacy, internatTraditional},
      {0x0411, Legacy, kInternatEnglish}, {0x1004, Legacy, kInternatEnglish},
  };
  for (const Case& c : cases) {
    SimWindows windows;
    Apply(windows,
          {sim::version::WindowsXP, c.style, true, 0,
           [](SimWindows& w) {
             NoInternatAnywhere(w);
             w.Files.Remove(kSystem + "\\ctfmon.exe");
           }},
          c.locale);
    ASSERT_EQ(windows.Dialogs.Shown.size(), 1u) << std::hex << c.locale;
    const sim::ShownBox& box = windows.Dialogs.Shown[0];
    EXPECT_EQ(box.Text, c.text) << std::hex << c.locale;
    EXPECT_EQ(box.Title, "Fennick");
    EXPECT_EQ(box.Owner, platform::BoxOwner::ApplicationWindow);
    EXPECT_EQ(box.Style, 0x10000u);  // OK button, no icon, brought to the foreground
  }
}

TEST(RemoveRunEntries, MatchesTheFileNameOfTheCommandLineExactly) {
  struct Case {
    const char* text;
    bool removed;
  } cases[] = {
      {"ctfmon.exe", true},
      {"C:\\WINDOWS\\system32\\ctfmon.exe", true},
      {"C:/tools/ctfmon.exe", true},
      {"C:ctfmon.exe", true},
      {"CTFMON.EXE", false},
      {"C:\\WINDOWS\\system32\\Ctfmon.exe", false},
      {"\"C:\\WINDOWS\\system32\\ctfmon.exe\"", false},
      {"ctfmon.exe /n", false},
      {"C:\\ctfmon.exe\\other.exe", false},
      {"xctfmon.exe", false},
      {"", false},
  };
  SimWindows windows;
  Lines kept[2];
  for (RegRoot root : {HKCU, HKLM}) {
    int n = 0;
    for (const Case& c : cases) {
      std::string name = "value " + std::to_string(n++);
      windows.Registry.PutString(root, kRun, name, c.text);
      if (!c.removed) kept[root == HKLM].push_back(name);
    }
  }
  // A value of another type reads as empty text and stays.
  windows.Registry.PutString(HKCU, kRun, "expandable", "%SystemRoot%\\system32\\ctfmon.exe",
                             platform::RegType::ExpandSz);
  kept[0].push_back("expandable");
  Context context(windows.Platform());
  RemoveRunEntries(context, "ctfmon.exe");
  EXPECT_EQ(windows.Registry.ValueNames(HKCU, kRun), kept[0]);
  EXPECT_EQ(windows.Registry.ValueNames(HKLM, kRun), kept[1]);
  EXPECT_EQ(windows.Registry.OpenHandleCount(), 0u);
}

TEST(RemoveRunEntries, WithoutAdministratorRightsOnlyTheUsersValuesGo) {
  SimWindows windows;
  for (RegRoot root : {HKCU, HKLM}) windows.Registry.PutString(root, kRun, "internat.exe", "internat.exe");
  windows.Registry.DenyWrites(HKLM, true);
  Context context(windows.Platform());
  RemoveRunEntries(context, "internat.exe");
  EXPECT_EQ(windows.Registry.ValueNames(HKCU, kRun), Lines{});
  EXPECT_EQ(windows.Registry.ValueNames(HKLM, kRun), Lines{"internat.exe"});
}

TEST(IsProcessRunning, MatchesTheFileNameOrTheWholeNameWithoutCase) {
  struct Case {
    const char* exeFile;
    const char* name;
    bool matches;
  } cases[] = {
      {"ctfmon.exe", "ctfmon.exe", true},
      {"CTFMON.EXE", "ctfmon.exe", true},
      {"C:\\WINDOWS\\SYSTEM32\\CTFMON.EXE", "ctfmon.exe", true},  // the Windows 95 line reports full paths
      {"C:/tools/ctfmon.exe", "ctfmon.exe", true},
      {"C:ctfmon.exe", "ctfmon.exe", true},
      {"C:\\WINDOWS\\INTERNAT.EXE", "c:\\windows\\internat.exe", true},  // the whole name
      {"D:\\WINDOWS\\INTERNAT.EXE", "c:\\windows\\internat.exe", false},
      {"xctfmon.exe", "ctfmon.exe", false},
      {"ctfmon.exe.bak", "ctfmon.exe", false},
      {"ctfmon", "ctfmon.exe", false},
      {"", "ctfmon.exe", false},
  };
  for (const Case& c : cases) {
    SimWindows windows;
    windows.Processes.AddProcess("explorer.exe");
    windows.Processes.AddProcess(c.exeFile);
    Context context(windows.Platform());
    EXPECT_EQ(IsProcessRunning(context, c.name), c.matches) << c.exeFile << " / " << c.name;
    windows.Processes.SnapshotAvailable = false;
    EXPECT_FALSE(IsProcessRunning(context, c.name)) << "no snapshot functions: " << c.exeFile;
  }
}

TEST(TerminateProcesses, EndsEveryMatchingProcessAndGoesOnAfterARefusal) {
  SimWindows windows;
  windows.Processes.AddProcess("ctfmon.exe", 10);
  windows.Processes.AddProcess("explorer.exe", 11);
  windows.Processes.AddProcess("CTFMON.EXE", 12, /*isProtected=*/true);
  windows.Processes.AddProcess("C:\\WINDOWS\\ctfmon.exe", 13);
  windows.Processes.AddProcess("internat.exe", 14);
  Context context(windows.Platform());
  TerminateProcesses(context, "ctfmon.exe");
  Lines ends;
  for (const std::string& call : windows.Log.Calls) {
    if (call.rfind("TerminateProcess ", 0) == 0) ends.push_back(call);
  }
  EXPECT_EQ(ends, (Lines{End(10, "ctfmon.exe"), End(12, "CTFMON.EXE"), End(13, "C:\\WINDOWS\\ctfmon.exe")}));
  Lines left;
  for (const sim::SimProcess& process : windows.Processes.Running) left.push_back(process.ExeFile);
  EXPECT_EQ(left, (Lines{"explorer.exe", "CTFMON.EXE", "internat.exe"}));
}

TEST(CallServerRegistration, SuccessOnlyForASuccessCodeOfALibraryInTheSystemDirectory) {
  struct Case {
    const char* name;
    std::function<void(SimWindows&)> arrange;
    ServerRegistration registration;
    bool success;
  } cases[] = {
      {"S_OK",
       [](SimWindows& w) {
         w.Processes.PutLibrary(kSystem + "\\lib.dll", SimLibrary{{{"DllRegisterServer", 0}}});
       },
       ServerRegistration::Register, true},
      {"S_FALSE",
       [](SimWindows& w) {
         w.Processes.PutLibrary(kSystem + "\\lib.dll", SimLibrary{{{"DllUnregisterServer", 1}}});
       },
       ServerRegistration::Unregister, true},
      {"E_FAIL",
       [](SimWindows& w) {
         w.Processes.PutLibrary(kSystem + "\\lib.dll",
                                SimLibrary{{{"DllRegisterServer", static_cast<std::int32_t>(0x80004005)}}});
       },
       ServerRegistration::Register, false},
      {"no such entry point",
       [](SimWindows& w) {
         w.Processes.PutLibrary(kSystem + "\\lib.dll", SimLibrary{{{"DllRegisterServer", 0}}});
       },
       ServerRegistration::Unregister, false},
      {"entry point names are case-sensitive",
       [](SimWindows& w) {
         w.Processes.PutLibrary(kSystem + "\\lib.dll", SimLibrary{{{"dllregisterserver", 0}}});
       },
       ServerRegistration::Register, false},
      {"library only beside the program",
       [](SimWindows& w) {
         w.Processes.PutLibrary(kOwnFolder + "\\lib.dll", SimLibrary{{{"DllRegisterServer", 0}}});
       },
       ServerRegistration::Register, false},
      {"no library", [](SimWindows&) {}, ServerRegistration::Register, false},
  };
  for (const Case& c : cases) {
    SimWindows windows;
    c.arrange(windows);
    Context context(windows.Platform());
    EXPECT_EQ(CallServerRegistration(context, "lib.dll", c.registration), c.success) << c.name;
    EXPECT_NE(std::find(windows.Log.Calls.begin(), windows.Log.Calls.end(), "LoadLibrary " + kSystem + "\\lib.dll"),
              windows.Log.Calls.end())
        << c.name;
  }
}

}  // namespace
}  // namespace fennick
