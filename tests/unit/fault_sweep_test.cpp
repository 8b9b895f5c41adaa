// Whole switch-mode runs in which registry operations fail: each operation of a
// run failing in turn, one at a time, and a user without administrator rights.
// The program never crashes, always ends with exit code 0, and never leaves
// the user without input locales.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/program.h"
#include "realistic_machine.h"

namespace fennick {
namespace {

using testing::TestMachine;

// Every kind of switch, none of which empties the preload list.
constexpr char kSwitches[] =
    " /on /caps /status:1 /switch:3a /del1:3 /add3:00000409,ctrl+shift_2 /move3:00000409,1"
    " /hotkey:2,alt_del /hotkey:a,ctrl_space /uninstall3:E0030804 /install:Test IME,fnkime.ime,alt+shift_9"
    " /del2:Microsoft Pinyin /uninstall2:CHAJEI.IME /add1:Japanese /ctfmon";

struct NoWindow : WindowFrontEnd {
  void RunWindow(Context&, MainWindow&) override { ++runs; }
  int runs = 0;
};

bool IsRegistryCall(const std::string& call) { return call.rfind("Reg", 0) == 0; }

// The title and text of every message box a run showed, in order.
std::vector<std::string> BoxTexts(const TestMachine& m) {
  std::vector<std::string> texts;
  for (const sim::ShownBox& box : m.windows.Dialogs.Shown) texts.push_back(box.Title + "|" + box.Text);
  return texts;
}

class FaultSweepTest : public ::testing::Test {
 protected:
  // A fresh realistic machine started with the switches; the hook sees every call.
  int Run(TestMachine& m, std::function<bool(const std::string&)> hook = nullptr, bool administrator = true) {
    testing::MakeRealistic(m);
    m.windows.Registry.DenyWrites(schema::HKLM, !administrator);
    m.windows.System.CommandLineText = std::string("\"C:\\Program Files\\Fennick\\fennick.exe\"") + kSwitches;
    m.Reset();
    m.window = MainWindow();
    m.windows.Log.Calls.clear();
    m.windows.Log.FailWhen = std::move(hook);
    NoWindow frontEnd;
    int exitCode = RunProgram(*m.context, frontEnd, m.window);
    m.windows.Log.FailWhen = nullptr;
    EXPECT_EQ(frontEnd.runs, 0);
    return exitCode;
  }
};

TEST_F(FaultSweepTest, EveryRegistryOperationFailingInTurn) {
  TestMachine dry;
  ASSERT_EQ(Run(dry), 0);
  std::size_t operations = 0;
  for (const std::string& call : dry.windows.Log.Calls) operations += IsRegistryCall(call);
  ASSERT_GT(operations, 500u);
  std::printf("[ sweep    ] %zu registry operations in one run, each failing once\n", operations);

  for (std::size_t failAt = 0; failAt < operations; ++failAt) {
    TestMachine m;
    std::size_t seen = 0;
    std::string broken;
    int exitCode = Run(m, [&](const std::string& call) {
      if (!IsRegistryCall(call)) return false;
      // Before every operation: the list as stored so far is never empty.
      if (broken.empty() && m.PreloadValues().empty()) broken = "no input locales before " + call;
      return seen++ == failAt;
    });
    ASSERT_EQ(exitCode, 0) << "failure at operation " << failAt;
    ASSERT_EQ(broken, "") << "failure at operation " << failAt;
    ASSERT_FALSE(m.PreloadValues().empty()) << "failure at operation " << failAt;
    ASSERT_EQ(m.windows.Registry.OpenHandleCount(), 0u) << "failure at operation " << failAt;
  }
}

// Without the rights to HKLM every setting of the user's own is still applied
// exactly as an administrator's run applies it, the catalog stays as it was,
// and nothing more is reported.
TEST_F(FaultSweepTest, AUserWithoutAdministratorRights) {
  TestMachine administrator;
  ASSERT_EQ(Run(administrator), 0);
  TestMachine user;
  testing::MakeRealistic(user);
  const std::string catalogBefore = user.windows.Registry.Dump(schema::HKLM);
  ASSERT_EQ(Run(user, nullptr, false), 0);

  EXPECT_EQ(user.windows.Registry.Dump(schema::HKLM), catalogBefore);
  EXPECT_NE(administrator.windows.Registry.Dump(schema::HKLM), catalogBefore);  // the run does change the catalog
  EXPECT_EQ(user.windows.Registry.Dump(schema::HKCU), administrator.windows.Registry.Dump(schema::HKCU));
  EXPECT_EQ(BoxTexts(user), BoxTexts(administrator));
  EXPECT_EQ(user.PreloadIds(), administrator.PreloadIds());
}

}  // namespace
}  // namespace fennick
