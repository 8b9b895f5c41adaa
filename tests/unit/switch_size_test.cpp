// Switch lists of any size: a switch file of several megabytes and a command
// line of 32 K characters are split completely and quickly, and executing a
// list takes time in proportion to its length.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "cli/command_line.h"
#include "cli/execute_switches.h"
#include "platform/sim/sim_windows.h"
#include "realistic_machine.h"

namespace fennick {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr double kSlowdown = 10;  // instrumented builds run slower
#else
constexpr double kSlowdown = 1;
#endif

template <typename Work>
double Seconds(Work work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(SwitchSize, AMultiMegabyteSwitchFileIsSplitCompletely) {
  sim::SimWindows windows;
  std::string text;
  const std::string line = "/on /caps /add1:Microsoft Pinyin,ctrl+shift_1\r\n";
  while (text.size() < 6'000'000) text += line;
  const std::size_t lines = text.size() / line.size();
  windows.Files.Put("C:\\Program Files\\Fennick\\big.txt", {text});
  windows.System.CommandLineText = "fennick.exe /load:big.txt";
  Context context(windows.Platform());
  MainWindow window;
  double seconds = Seconds([&] { CommandLineStep(context, window); });
  ASSERT_EQ(window.SwitchList.size(), 3 * lines + 1);
  EXPECT_EQ(window.SwitchList[3], "add1:Microsoft Pinyin,ctrl+shift_1");
  EXPECT_EQ(window.SwitchList.back(), "add1:Microsoft Pinyin,ctrl+shift_1");
  EXPECT_LT(seconds, 1.0 * kSlowdown);
}

TEST(SwitchSize, A32KCommandLineIsSplitCompletely) {
  sim::SimWindows windows;
  std::string commandLine = "\"C:\\Program Files\\Fennick\\fennick.exe\"";
  std::size_t switches = 0;
  for (; commandLine.size() < 32767 - 4; ++switches) commandLine += " /on";
  windows.System.CommandLineText = commandLine;
  Context context(windows.Platform());
  MainWindow window;
  double seconds = Seconds([&] { CommandLineStep(context, window); });
  EXPECT_EQ(window.SwitchList.size(), switches);
  EXPECT_EQ(window.ArgumentCount, static_cast<int>(window.SwitchList.size()));
  EXPECT_LT(seconds, 0.1 * kSlowdown);
}

// Switches that keep removing and adding entries, moving them and setting
// hotkeys: every round leaves the lists as the round before did, so nothing
// may grow with the length of the list.
double SecondsToExecute(std::size_t rounds, MainWindow* finished = nullptr) {
  const char* const round[] = {"on", "caps", "del1:2", "add3:E0010804,ctrl+shift_1", "move3:E0010804,2",
                               "hotkey:2,alt_del", "hotkey:a,ctrl_space", "switch:3a", "status:1",
                               "del2:Microsoft Pinyin", "add1:Microsoft Pinyin,alt+shift_9", "move3:E0010804,2"};
  testing::TestMachine m;
  testing::MakeRealistic(m);
  m.Reset();
  m.Load();
  for (std::size_t i = 0; i < rounds; ++i) {
    m.window.SwitchList.insert(m.window.SwitchList.end(), std::begin(round), std::end(round));
  }
  double seconds = Seconds([&] { ExecuteSwitches(*m.context, m.window); });
  if (finished) *finished = m.window;
  return seconds;
}

TEST(SwitchSize, ExecutingFourTimesTheSwitchesTakesAboutFourTimesAsLong) {
  MainWindow finished;
  const double small = SecondsToExecute(1'000);
  const double large = SecondsToExecute(4'000, &finished);
  EXPECT_LT(large, 8 * small) << small << " s, then " << large << " s";  // a square law would give 16
  std::printf("12,000 switches %.3f s, 48,000 switches %.3f s\n", small, large);
  std::vector<std::string> ids;
  for (const PreloadEntry& entry : finished.Settings.PreloadList) ids.push_back(entry.LayoutId);
  EXPECT_EQ(ids, (std::vector<std::string>{"00000804", "E0010804", "E0020804", "E0040804"}));
  ASSERT_EQ(finished.Settings.ImeHotkeys.size(), 1u);  // the last round's alt+shift_9
  EXPECT_EQ(finished.Settings.ImeHotkeys[0].TargetLayoutId, "E0010804");
}

}  // namespace
}  // namespace fennick
