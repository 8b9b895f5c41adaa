#include "cli/help_text.h"

#include <vector>

namespace fennick {

namespace {

// One line of the help text: a switch line is the switch, TABs and the
// description; a line without a switch is either the heading or last line (no
// indent) or a continuation (five blanks in front).
struct HelpLine {
  const char* Switch;
  int Tabs;
  Text3 Text;
  bool Continuation;
};

constexpr char kIndent[] = "     ";

const std::vector<HelpLine>& HelpLines() {
  static const std::vector<HelpLine> lines = {
      {"", 0, {"Command Line Switches", "命令行参数", "命令行參數"}, false},
      {"/? /h /help", 3, {"Show help (This message box)", "显示此帮助", "顯示此幫助"}, false},
      {"/on", 4,
       {"Enable internat.exe or ctfmon.exe", "启用 internat.exe 或 ctfmon.exe", "啟用 internat.exe 或 ctfmon.exe"},
       false},
      {"/off", 4,
       {"Disable internat.exe or ctfmon.exe", "禁用 internat.exe 或 ctfmon.exe", "禁用 internat.exe 或 ctfmon.exe"},
       false},
      {"/internat", 4, {"Use internat.exe", "输入法指示器风格（internat.exe）", "輸入法指示器風格（internat.exe）"}, false},
      {"/ctfmon", 4,
       {"Text Servies (ctfmon.exe)", "高级文字服务风格（ctfmon.exe）", "高級文字服務風格（ctfmon.exe）"}, false},
      {"/status:<0/1>", 3,
       {"<0/1>: OFF/ON IME status line", "<0/1>: 关闭/显示输入法状态条", "<0/1>: 關閉/顯示輸入法狀態條"}, false},
      {"/caps", 4, {"Close uppercase with CapsLock key", "用 Caps 键关闭大写", "用 Caps 鍵關閉大寫"}, false},
      {"/shift", 4, {"Close uppercase with Shift key", "用 Shift 键关闭大写", "用 Shift 鍵關閉大寫"}, false},
      {"/switch:<0/1/2/3><a/b>", 2,
       {"<0>: Disable switch input languages and switch keyboard", "<0>: 不使用切换语言和切换键盘布局热键。",
        "<0>: 不使用切換語言和切換鍵盤布局熱鍵。"},
       false},
      {"", 0,
       {"layouts hotkey; <1>: Only use switch input languages hotkey; <2>: Only use switch keyboard",
        "<1>: 仅使用切换语言热键；<2>: 仅使用切换键盘布局热键； <3>: 同时使用切",
        "<1>: 僅使用切換語言熱鍵；<2>: 僅使用切換鍵盤布局熱鍵； <3>: 同時使用切"},
       true},
      {"", 0,
       {"layouts hotkey; <3>: Enable switch input languages and switch keyboard layouts hotkey.",
        "换语言和切换键盘布局热键。<a>: 切换语言热键使用Ctrl+Shift；<b>: 切换键盘",
        "換語言和切換鍵盤布局熱鍵。<a>: 切換語言熱鍵使用Ctrl+Shift；<b>: 切換鍵盤"},
       true},
      {"", 0,
       {"<a>: Ctrl+Shift switches input languages, Alt+Shift keyboard layouts; <b>: Ctrl+Shift switches keyboard "
        "layouts, Alt+Shift input languages.",
        "布局热键使用Ctrl+Shift。", "布局熱鍵使用Ctrl+Shift。"},
       true},
      {"/hotkey:<1/2/3/a/b/c>,[hotkey]", 1,
       {"Set IME hotkey.<1/2/3..>: Set hotkey for  the 1st、2nd、", "指定输入法热键。<1/2/3..>: 指定第1、2、3..",
        "指定輸入法熱鍵。<1/2/3..>: 指定第1、2、3.."},
       false},
      {"", 0,
       {"3rd.. IME; <a>: set IME/NoIME toggle hotkey; <b>: set full/half width shape toggle",
        "个输入法的热键；<a>: 指定打开/关闭输入法的热键；<b>: 指定全角/半角切换",
        "個輸入法的熱鍵；<a>: 指定打開/關閉輸入法的熱鍵；<b>: 指定全角/半角切換"},
       true},
      {"", 0,
       {"hotkey; <c>: set Chinese/English punctuation symbol toggle hotkey. [hotkey]: Hotkey name, for example: "
        "ctrl+space",
        "的热键；<c>: 指定中英文标点切换的热键。[hotkey]: 热键值，如：ctrl+space",
        "的熱鍵；<c>: 指定中英文標點切換的熱鍵。[hotkey]: 熱鍵值，如：ctrl+space"},
       true},
      {"/add1:<name>,[hotkey]", 2, {"Add IME to list by name", "按名称添加输入法到列表", "按名稱添加輸入法到列表"},
       false},
      {"/add2:<filename>,[hotkey]", 2,
       {"Add IME to list with filename", "按文件名添加输入法到列表", "按文件名添加輸入法到列表"}, false},
      {"/add3:<id>,[hotkey]", 2, {"Add IME to list by IME ID", "按 ID 添加输入法到列表", "按 ID 添加輸入法到列表"},
       false},
      {"/del1:<1/2/3>", 3,
       {"Delete IME from list by order", "按顺序从列表中删除输入法", "按順序從列表中刪除輸入法"}, false},
      {"/del2:<name>", 3, {"Delete IME from list by name", "按名称从列表中删除输入法", "按名稱從列表中刪除輸入法"},
       false},
      {"/del3:<filename>", 3,
       {"Delete IME from list by filename", "按文件名从列表中删除输入法", "按文件名從列表中刪除輸入法"}, false},
      {"/del4:<IME ID>", 3,
       {"Delete IME from list by IME ID", "按 ID 从列表中删除输入法", "按 ID 從列表中刪除輸入法"}, false},
      {"/install:[name],<filename>,[hotkey]", 1, {"Install IME to registry", "安装输入法", "安裝輸入法"}, false},
      {"/uninstall1:<name>", 2,
       {"Delete IME from registry by name", "按名称从注册表删除输入法", "按名稱從注冊表刪除輸入法"}, false},
      {"/uninstall2:<filename>", 2,
       {"Delete IME from registry by filename", "按文件从注册表删除输入法", "按文件從注冊表刪除輸入法"}, false},
      {"/uninstall3:<ID>", 3,
       {"Delete IME from registry by IME ID", "按 ID 从注册表删除输入法", "按 ID 從注冊表刪除輸入法"}, false},
      {"/move1:<name>,<number>", 2, {"Move IME by name", "按名称调整输入法顺序", "按名稱調整輸入法順序"}, false},
      {"/move2:<filename>,<number>", 1,
       {"Move IME by filename", "按文件名调整输入法顺序", "按文件名調整輸入法順序"}, false},
      {"/move3:<ID>,<number>", 2, {"Move IME by ID", "按 ID 调整输入法顺序", "按 ID 調整輸入法順序"}, false},
      {"/load:<filename>", 3, {"load switches from file", "从配置文件调入参数", "從配置文件調入參數"}, false},
      {"", 0,
       {"[hotkey] format: Ctrl+Shift_8_Left、Alt_del、alt+shift_?_right",
        "[hotkey] 格式示例: Ctrl+Shift_8_Left、Alt_del、alt+shift_?_right",
        "[hotkey] 格式示例: Ctrl+Shift_8_Left、Alt_del、alt+shift_?_right"},
       false},
  };
  return lines;
}

}  // namespace

std::string BuildHelpText(UiLanguage language) {
  std::string text;
  bool first = true;
  for (const HelpLine& line : HelpLines()) {
    if (!first) text += '\r';
    first = false;
    if (line.Continuation) text += kIndent;
    if (line.Switch[0] != '\0') {
      text += line.Switch;
      text.append(static_cast<std::size_t>(line.Tabs), '\t');
    }
    text += line.Text.In(language);
  }
  return text;
}

}  // namespace fennick
