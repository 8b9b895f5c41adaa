#include <gtest/gtest.h>

#include "app/program.h"
#include "cli/command_line.h"
#include "cli/help_text.h"
#include "cli/switch_file.h"
#include "platform/sim/sim_windows.h"

namespace fennick {
namespace {

using List = std::vector<std::string>;

TEST(SwitchList, EverySlashStartsAnItemAndTheProgramPathIsDropped) {
  struct Case {
    const char* commandLine;
    List expected;
  } cases[] = {
      {"prog /on /caps", {"on ", "caps"}},
      {"\"C:\\Program Files\\Fennick\\fennick.exe\" /add1:Microsoft Pinyin, ctrl+shift_1",
       {"add1:Microsoft Pinyin, ctrl+shift_1"}},
      {"C:/tools/prog.exe /on", {"tools", "prog.exe ", "on"}},
      {"prog", {}},
      {"prog x", {}},
      {"prog //", {"", ""}},
      {"prog /del2:\"quoted name\"", {"del2:\"quoted name\""}},
  };
  for (const Case& c : cases) EXPECT_EQ(SwitchListFromCommandLine(c.commandLine), c.expected) << c.commandLine;
}

TEST(SwitchList, HelpOnlyWhenAlone) {
  struct Case {
    List items;
    bool help;
  } cases[] = {
      {{"?"}, true},     {{"? "}, true},         {{"h"}, true},   {{"H"}, true},
      {{"HELP"}, true},  {{" help\t"}, true},    {{"?", "on"}, false}, {{"on"}, false},
      {{"helps"}, false}, {{}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsHelpRequest(c.items), c.help) << ::testing::PrintToString(c.items);
}

TEST(SwitchList, LoadOnlyWhenAlone) {
  EXPECT_EQ(SwitchFileName({"load:set.txt"}), "set.txt");
  EXPECT_EQ(SwitchFileName({"LOAD: set.txt "}), "set.txt");
  EXPECT_EQ(SwitchFileName({"load:C:\\set.txt"}), "C:\\set.txt");
  EXPECT_EQ(SwitchFileName({"load:a:b"}), "a:b");
  EXPECT_EQ(SwitchFileName({"load:set.txt ", "on"}), std::nullopt);
  EXPECT_EQ(SwitchFileName({" load:set.txt"}), std::nullopt);  // not trimmed for this test
  EXPECT_EQ(SwitchFileName({"loadset.txt"}), std::nullopt);
}

TEST(ArgumentCount, WordsAfterTheProgramWithQuotesGroupingBlanks) {
  struct Case {
    const char* commandLine;
    int expected;
  } cases[] = {
      {"fennick.exe", 0},
      {"\"C:\\Program Files\\Fennick\\fennick.exe\"", 0},
      {"\"C:\\Program Files\\Fennick\\fennick.exe\"   ", 0},
      {"\"C:\\Program Files\\Fennick\\fennick.exe\" /on /caps", 2},
      {"fennick.exe x", 1},
      {"fennick.exe \"a b\" c", 2},
      {"fennick.exe /add1:Microsoft Pinyin", 2},
      {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(CountArguments(c.commandLine), c.expected) << c.commandLine;
}

TEST(SwitchFile, LineBreaksCarryNoMeaning) {
  struct Case {
    std::string text;
    std::string joined;
  } cases[] = {
      {"/on\r\n/caps", "/on/caps"},
      {"/on\r/caps\r", "/on/caps"},
      {"/on\n/caps", "/on\n/caps"},        // a lone LF stays inside the line
      {"/on\r\r\n/caps", "/on/caps"},
      {"/add1:Micro\r\nsoft Pinyin", "/add1:Microsoft Pinyin"},
      {std::string("/on\0/caps", 9), "/on"},  // a NUL ends the text
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(JoinSwitchFileLines(c.text), c.joined) << ::testing::PrintToString(c.text);
}

class CommandLineStepTest : public ::testing::Test {
 protected:
  void Run(const std::string& arguments) {
    windows_.System.CommandLineText = "\"C:\\Program Files\\Fennick\\fennick.exe\"" + arguments;
    CommandLineStep(context_, window_);
  }
  void PutFile(const std::string& name, const std::string& bytes) {
    windows_.Files.Put("C:\\Program Files\\Fennick\\" + name, {bytes});
  }

  sim::SimWindows windows_;
  Context context_{windows_.Platform()};
  MainWindow window_;
};

TEST_F(CommandLineStepTest, ReadsTheLocaleAndBuildsTheHelpTextInItsLanguage) {
  windows_.System.Locale = 0x0404;
  Run(" /on /caps");
  EXPECT_EQ(window_.SystemLocale, 0x0404u);
  EXPECT_EQ(window_.Language, UiLanguage::Traditional);
  EXPECT_EQ(window_.HelpText, BuildHelpText(UiLanguage::Traditional));
  EXPECT_EQ(window_.SwitchList, (List{"on ", "caps"}));
  EXPECT_EQ(window_.ArgumentCount, 2);
  EXPECT_TRUE(windows_.Dialogs.Shown.empty());
  EXPECT_FALSE(window_.Hidden);
}

TEST_F(CommandLineStepTest, AHelpRequestShowsTheBoxAndHidesTheWindow) {
  windows_.System.Locale = 0x0C04;  // Hong Kong: English
  Run(" /?");
  ASSERT_EQ(windows_.Dialogs.Shown.size(), 1u);
  const sim::ShownBox& box = windows_.Dialogs.Shown[0];
  EXPECT_EQ(box.Title, "Fennick");
  EXPECT_EQ(box.Text, BuildHelpText(UiLanguage::English));
  EXPECT_EQ(box.Style, 0u);
  EXPECT_EQ(box.Owner, platform::BoxOwner::ActiveWindow);
  EXPECT_TRUE(window_.Hidden);
  EXPECT_EQ(window_.ArgumentCount, 1);
}

TEST_F(CommandLineStepTest, AHelpWordNextToOtherSwitchesShowsNothing) {
  Run(" /? /on");
  EXPECT_TRUE(windows_.Dialogs.Shown.empty());
  EXPECT_EQ(window_.SwitchList, (List{"? ", "on"}));
}

TEST_F(CommandLineStepTest, ASoleLoadItemReadsTheFileBesideTheExecutable) {
  PutFile("set.txt", "/on\r\n/caps  /add1:Name, x\r\n");
  Run(" /load:set.txt");
  EXPECT_EQ(window_.SwitchList, (List{"", "on", "caps  ", "add1:Name, x"}));
}

TEST_F(CommandLineStepTest, TheFileNameIsAlwaysRelativeToTheExecutable) {
  windows_.Files.Put("C:\\set.txt", {"/on"});
  Run(" /load:C:\\set.txt");
  EXPECT_TRUE(window_.SwitchList.empty());
  EXPECT_EQ(windows_.Log.Calls.back(), "ReadFile C:\\Program Files\\Fennick\\C:\\set.txt");
}

TEST_F(CommandLineStepTest, LoadNextToOtherSwitchesReadsNoFile) {
  PutFile("set.txt", "/off");
  Run(" /load:set.txt /on");
  EXPECT_EQ(window_.SwitchList, (List{"load:set.txt ", "on"}));
}

TEST_F(CommandLineStepTest, AMissingSwitchFileGivesNoSwitches) {
  Run(" /load:missing.txt");
  EXPECT_TRUE(window_.SwitchList.empty());
  EXPECT_EQ(window_.ArgumentCount, 1);
}

TEST_F(CommandLineStepTest, ASwitchFileMayStartWithAByteOrderMark) {
  PutFile("bom.txt", "\xEF\xBB\xBF/on");
  Run(" /load:bom.txt");
  EXPECT_EQ(window_.SwitchList, (List{"", "on"}));
}

// The front end stands in for the real window and records whether it ran.
struct RecordingFrontEnd : WindowFrontEnd {
  void RunWindow(Context&, MainWindow&) override { ++runs; }
  int runs = 0;
};

TEST(RunProgram, NoArgumentShowsTheWindowAndAnyArgumentNever) {
  struct Case {
    const char* arguments;
    int windowRuns;
  } cases[] = {{"", 1}, {"  ", 1}, {" /on /caps", 0}, {" x", 0}, {" /?", 0}, {" /load:missing.txt", 0}};
  for (const Case& c : cases) {
    sim::SimWindows windows;
    windows.System.CommandLineText = std::string("fennick.exe") + c.arguments;
    Context context(windows.Platform());
    RecordingFrontEnd frontEnd;
    EXPECT_EQ(RunProgram(context, frontEnd), 0) << c.arguments;
    EXPECT_EQ(frontEnd.runs, c.windowRuns) << c.arguments;
  }
}

}  // namespace
}  // namespace fennick
