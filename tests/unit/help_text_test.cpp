#include <gtest/gtest.h>

#include "cli/help_text.h"
#include "common/text.h"

namespace fennick {
namespace {

// The help text's lines as the box shows them: switch, TABs, description;
// continuation lines indented by five blanks.
const std::vector<std::string> kEnglish = {
    "Command Line Switches",
    "/? /h /help\t\t\tShow help (This message box)",
    "/on\t\t\t\tEnable internat.exe or ctfmon.exe",
    "/off\t\t\t\tDisable internat.exe or ctfmon.exe",
    "/internat\t\t\t\tUse internat.exe",
    "/ctfmon\t\t\t\tText Servies (ctfmon.exe)",
    "/status:<0/1>\t\t\t<0/1>: OFF/ON IME status line",
    "/caps\t\t\t\tClose uppercase with CapsLock key",
    "/shift\t\t\t\tClose uppercase with Shift key",
    "/switch:<0/1/2/3><a/b>\t\t<0>: Disable switch input languages and switch keyboard",
    "     layouts hotkey; <1>: Only use switch input languages hotkey; <2>: Only use switch keyboard",
    "     layouts hotkey; <3>: Enable switch input languages and switch keyboard layouts hotkey.",
    "",  // line 13: wording of our own, checked below
    "/hotkey:<1/2/3/a/b/c>,[hotkey]\tSet IME hotkey.<1/2/3..>: Set hotkey for  the 1st、2nd、",
    "",  // line 15: fixed start, checked below
    "",  // line 16: fixed end, checked below
    "/add1:<name>,[hotkey]\t\tAdd IME to list by name",
    "/add2:<filename>,[hotkey]\t\tAdd IME to list with filename",
    "/add3:<id>,[hotkey]\t\tAdd IME to list by IME ID",
    "/del1:<1/2/3>\t\t\tDelete IME from list by order",
    "/del2:<name>\t\t\tDelete IME from list by name",
    "/del3:<filename>\t\t\tDelete IME from list by filename",
    "/del4:<IME ID>\t\t\tDelete IME from list by IME ID",
    "/install:[name],<filename>,[hotkey]\tInstall IME to registry",
    "/uninstall1:<name>\t\tDelete IME from registry by name",
    "/uninstall2:<filename>\t\tDelete IME from registry by filename",
    "/uninstall3:<ID>\t\t\tDelete IME from registry by IME ID",
    "/move1:<name>,<number>\t\tMove IME by name",
    "/move2:<filename>,<number>\tMove IME by filename",
    "/move3:<ID>,<number>\t\tMove IME by ID",
    "/load:<filename>\t\t\tload switches from file",
    "[hotkey] format: Ctrl+Shift_8_Left、Alt_del、alt+shift_?_right",
};

const std::vector<std::string> kSimplified = {
    "命令行参数",
    "/? /h /help\t\t\t显示此帮助",
    "/on\t\t\t\t启用 internat.exe 或 ctfmon.exe",
    "/off\t\t\t\t禁用 internat.exe 或 ctfmon.exe",
    "/internat\t\t\t\t输入法指示器风格（internat.exe）",
    "/ctfmon\t\t\t\t高级文字服务风格（ctfmon.exe）",
    "/status:<0/1>\t\t\t<0/1>: 关闭/显示输入法状态条",
    "/caps\t\t\t\t用 Caps 键关闭大写",
    "/shift\t\t\t\t用 Shift 键关闭大写",
    "/switch:<0/1/2/3><a/b>\t\t<0>: 不使用切换语言和切换键盘布局热键。",
    "     <1>: 仅使用切换语言热键；<2>: 仅使用切换键盘布局热键； <3>: 同时使用切",
    "     换语言和切换键盘布局热键。<a>: 切换语言热键使用Ctrl+Shift；<b>: 切换键盘",
    "     布局热键使用Ctrl+Shift。",
    "/hotkey:<1/2/3/a/b/c>,[hotkey]\t指定输入法热键。<1/2/3..>: 指定第1、2、3..",
    "     个输入法的热键；<a>: 指定打开/关闭输入法的热键；<b>: 指定全角/半角切换",
    "     的热键；<c>: 指定中英文标点切换的热键。[hotkey]: 热键值，如：ctrl+space",
    "/add1:<name>,[hotkey]\t\t按名称添加输入法到列表",
    "/add2:<filename>,[hotkey]\t\t按文件名添加输入法到列表",
    "/add3:<id>,[hotkey]\t\t按 ID 添加输入法到列表",
    "/del1:<1/2/3>\t\t\t按顺序从列表中删除输入法",
    "/del2:<name>\t\t\t按名称从列表中删除输入法",
    "/del3:<filename>\t\t\t按文件名从列表中删除输入法",
    "/del4:<IME ID>\t\t\t按 ID 从列表中删除输入法",
    "/install:[name],<filename>,[hotkey]\t安装输入法",
    "/uninstall1:<name>\t\t按名称从注册表删除输入法",
    "/uninstall2:<filename>\t\t按文件从注册表删除输入法",
    "/uninstall3:<ID>\t\t\t按 ID 从注册表删除输入法",
    "/move1:<name>,<number>\t\t按名称调整输入法顺序",
    "/move2:<filename>,<number>\t按文件名调整输入法顺序",
    "/move3:<ID>,<number>\t\t按 ID 调整输入法顺序",
    "/load:<filename>\t\t\t从配置文件调入参数",
    "[hotkey] 格式示例: Ctrl+Shift_8_Left、Alt_del、alt+shift_?_right",
};

std::vector<std::string> Lines(UiLanguage language) { return Split('\r', BuildHelpText(language)); }

// Splits a line into its switch, its TAB count and its description.
struct Shape {
  std::string Switch;
  std::size_t Tabs;
  bool Indented;
};
Shape ShapeOf(const std::string& line) {
  std::size_t tab = line.find('\t');
  if (tab == std::string::npos) return {"", 0, line.rfind("     ", 0) == 0};
  std::size_t end = line.find_first_not_of('\t', tab);
  return {line.substr(0, tab), end - tab, false};
}

TEST(HelpText, EnglishLinesAreExact) {
  std::vector<std::string> lines = Lines(UiLanguage::English);
  ASSERT_EQ(lines.size(), 32u);
  for (std::size_t i = 0; i < kEnglish.size(); ++i) {
    if (kEnglish[i].empty()) continue;
    EXPECT_EQ(lines[i], kEnglish[i]) << "line " << i + 1;
  }
  // Lines 13, 15 and 16 carry our own wording of the letters, around fixed text.
  EXPECT_EQ(lines[12].rfind("     <a>: ", 0), 0u) << lines[12];
  EXPECT_NE(lines[12].find("<b>: "), std::string::npos);
  const std::string line15 = "     3rd.. IME; <a>: set IME/NoIME toggle hotkey; ";
  EXPECT_EQ(lines[14].rfind(line15, 0), 0u) << lines[14];
  EXPECT_NE(lines[14].find("<b>"), std::string::npos);
  const std::string ending = "[hotkey]: Hotkey name, for example: ctrl+space";
  EXPECT_EQ(lines[15].rfind("     ", 0), 0u);
  EXPECT_NE(lines[15].find("<c>"), std::string::npos);
  EXPECT_EQ(lines[15].substr(lines[15].size() - ending.size()), ending);
}

TEST(HelpText, SimplifiedLinesAreExact) {
  EXPECT_EQ(Lines(UiLanguage::Simplified), kSimplified);
}

TEST(HelpText, TraditionalHasTheShapeOfSimplified) {
  std::vector<std::string> traditional = Lines(UiLanguage::Traditional);
  ASSERT_EQ(traditional.size(), 32u);
  for (std::size_t i = 0; i < 32; ++i) {
    Shape expected = ShapeOf(kSimplified[i]);
    Shape actual = ShapeOf(traditional[i]);
    EXPECT_EQ(actual.Switch, expected.Switch) << "line " << i + 1;
    EXPECT_EQ(actual.Tabs, expected.Tabs) << "line " << i + 1;
    EXPECT_EQ(actual.Indented, expected.Indented) << "line " << i + 1;
  }
  // Lines 4 and 32 use the same characters in both Chinese texts; the others
  // are written in Traditional characters.
  EXPECT_EQ(traditional[3], kSimplified[3]);
  EXPECT_EQ(traditional[31], kSimplified[31]);
  EXPECT_EQ(traditional[0], "命令行參數");
  EXPECT_EQ(traditional[23], "/install:[name],<filename>,[hotkey]\t安裝輸入法");
  for (std::size_t i : {1, 4, 6, 9, 13, 16, 19, 24, 30}) EXPECT_NE(traditional[i], kSimplified[i]) << i + 1;
}

TEST(HelpText, LinesAreJoinedByALoneCarriageReturn) {
  for (UiLanguage language : {UiLanguage::English, UiLanguage::Simplified, UiLanguage::Traditional}) {
    std::string text = BuildHelpText(language);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_NE(text.back(), '\r');
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 31);
  }
}

}  // namespace
}  // namespace fennick
