// Starting, finding and ending the indicator programs, their Run values and the
// registration entry points, on the platform under test. Under Wine the
// programs are the stand-ins the build puts into the system directory.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

#include "common/text.h"
#include "conformance/conformance.h"
#include "indicator/indicator_style.h"
#include "registry/schema.h"

namespace fennick::conformance {
namespace {

using Lines = std::vector<std::string>;
constexpr platform::RegRoot kRoots[] = {schema::HKCU, schema::HKLM};
constexpr char kValuePrefix[] = "FennickConformance ";
const Lines kPrograms = {indicator::kCtfmon, indicator::kInternat};

class IndicatorConformance : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }

  // Ends the stand-ins and removes the Run values the tests wrote, so that
  // nothing of a test outlives it.
  void Clean() {
    for (const std::string& program : kPrograms) {
      TerminateProcesses(context_, program);
      EXPECT_TRUE(Eventually([&] { return !IsProcessRunning(context_, program); })) << program << " still runs";
    }
    for (platform::RegRoot root : kRoots) {
      RegKey run = context_.Registry.OpenOrCreate(root, schema::kRunKey);
      for (const std::string& name : OurRunValues(root)) context_.Registry.DeleteValue(run, name);
    }
  }

  // Ending a process does not wait for it to be gone.
  static bool Eventually(const std::function<bool()>& condition) {
    for (int attempt = 0; attempt < 250; ++attempt) {
      if (condition()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
  }

  Lines OurRunValues(platform::RegRoot root) {
    Lines names, ours;
    RegKey run = context_.Registry.OpenForRead(root, schema::kRunKey);
    context_.Registry.ListValueNames(run, names);
    for (const std::string& name : names) {
      if (StartsWithIgnoreCase(name, kValuePrefix)) ours.push_back(name);
    }
    return ours;
  }

  void PutRunValue(platform::RegRoot root, const std::string& name, const std::string& text) {
    RegKey run = context_.Registry.OpenOrCreate(root, schema::kRunKey);
    ASSERT_TRUE(context_.Registry.SetString(run, kValuePrefix + name, text));
  }

  std::string SystemPath(const std::string& name) { return os_.system.SystemDirectory() + "\\" + name; }

  platform::Platform os_ = PlatformUnderTest();
  Context context_{os_};
};

TEST_F(IndicatorConformance, StartedProgramsAreFoundAtOnceAndEnded) {
  for (const std::string& program : kPrograms) {
    const std::string& other = program == kPrograms[0] ? kPrograms[1] : kPrograms[0];
    ASSERT_FALSE(IsProcessRunning(context_, program));
    StartProgram(context_, program, ProgramSource::SystemDirectory);
    // The apply looks right after the start's 5 ms wait.
    EXPECT_TRUE(IsProcessRunning(context_, program)) << program;
    EXPECT_TRUE(IsProcessRunning(context_, ToUpperAscii(program))) << program;
    EXPECT_FALSE(IsProcessRunning(context_, other)) << program;
    TerminateProcesses(context_, program);
    EXPECT_TRUE(Eventually([&] { return !IsProcessRunning(context_, program); })) << program;
  }
}

TEST_F(IndicatorConformance, StartProcessSearchesOnlyForABareName) {
  // A bare name is found by the system's search, the system directory included.
  EXPECT_TRUE(os_.processes.StartProcess("", indicator::kInternat, 5));
  EXPECT_TRUE(IsProcessRunning(context_, indicator::kInternat));
  // An application path is taken as it is.
  EXPECT_FALSE(os_.processes.StartProcess(SystemPath("fnk-absent.exe"), indicator::kCtfmon, 5));
  EXPECT_FALSE(os_.processes.StartProcess("", "fnk-absent.exe", 5));
  EXPECT_FALSE(IsProcessRunning(context_, indicator::kCtfmon));
}

TEST_F(IndicatorConformance, RemoveRunEntriesInTheRealRegistry) {
  struct Case {
    const char* text;
    bool removed;
  } cases[] = {
      {"internat.exe", true},
      {"C:\\WINDOWS\\system32\\internat.exe", true},
      {"INTERNAT.EXE", false},
      {"\"C:\\WINDOWS\\system32\\internat.exe\"", false},
      {"internat.exe /s", false},
      {"ctfmon.exe", false},
  };
  Lines kept;
  for (platform::RegRoot root : kRoots) {
    int n = 0;
    for (const Case& c : cases) {
      std::string name = std::string(platform::RootName(root)) + " " + std::to_string(n++);
      PutRunValue(root, name, c.text);
      if (!c.removed) kept.push_back(kValuePrefix + name);
    }
  }
  RemoveRunEntries(context_, indicator::kInternat);
  Lines left = OurRunValues(schema::HKCU);
  for (const std::string& name : OurRunValues(schema::HKLM)) left.push_back(name);
  // Wine lists values sorted by name, Windows in creation order; the names sort as created.
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, kept);
}

TEST_F(IndicatorConformance, SwitchedOffEndsBothProgramsAndTheirRunValues) {
  for (const std::string& program : kPrograms) {
    StartProgram(context_, program, ProgramSource::SystemDirectory);
    ASSERT_TRUE(Eventually([&] { return IsProcessRunning(context_, program); })) << program;
  }
  PutRunValue(schema::HKCU, "ctfmon", "ctfmon.exe");
  PutRunValue(schema::HKLM, "internat", SystemPath(indicator::kInternat));
  PutRunValue(schema::HKCU, "other", "other.exe");
  MainWindow window;
  window.ArgumentCount = 1;
  window.Settings.IndicatorEnabled = false;
  ApplyIndicatorStyle(context_, window);
  for (const std::string& program : kPrograms) {
    EXPECT_TRUE(Eventually([&] { return !IsProcessRunning(context_, program); })) << program;
  }
  EXPECT_EQ(OurRunValues(schema::HKCU), Lines{std::string(kValuePrefix) + "other"});
  EXPECT_EQ(OurRunValues(schema::HKLM), Lines{});
}

TEST_F(IndicatorConformance, RegistrationEntryPointsOfALibraryInTheSystemDirectory) {
  EXPECT_TRUE(CallServerRegistration(context_, "fnkselfreg.dll", ServerRegistration::Register));
  EXPECT_FALSE(CallServerRegistration(context_, "fnkselfreg.dll", ServerRegistration::Unregister));
  EXPECT_FALSE(CallServerRegistration(context_, "kernel32.dll", ServerRegistration::Register));
  EXPECT_FALSE(CallServerRegistration(context_, "fnk-absent.dll", ServerRegistration::Register));

  std::string library = SystemPath("fnkselfreg.dll");
  EXPECT_EQ(os_.processes.CallLibraryEntry(library, "DllRegisterServer"), 1);
  EXPECT_EQ(os_.processes.CallLibraryEntry(library, "DllUnregisterServer"), static_cast<std::int32_t>(0x80004005));
  EXPECT_EQ(os_.processes.CallLibraryEntry(library, "dllregisterserver"), std::nullopt);
  EXPECT_EQ(os_.processes.CallLibraryEntry(library, "DllInstall"), std::nullopt);
}

TEST_F(IndicatorConformance, CopyNeverReplacesAFile) {
  EXPECT_FALSE(os_.files.CopyFileNoReplace(SystemPath(indicator::kInternat), SystemPath(indicator::kCtfmon)));
  EXPECT_FALSE(os_.files.CopyFileNoReplace(SystemPath("fnk-absent.exe"), SystemPath("fnk-absent-copy.exe")));
  EXPECT_FALSE(os_.files.FileExists(SystemPath("fnk-absent-copy.exe")));
}

}  // namespace
}  // namespace fennick::conformance
