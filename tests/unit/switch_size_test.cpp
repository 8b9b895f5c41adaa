// Switch lists of any size: a switch file of several megabytes and a command
// line of 32 K characters are split completely and quickly.
#include <gtest/gtest.h>

#include <chrono>

#include "cli/command_line.h"
#include "platform/sim/sim_windows.h"

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

}  // namespace
}  // namespace fennick
