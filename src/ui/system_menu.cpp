#include "ui/system_menu.h"

namespace fennick {

namespace {

constexpr Text3 kHelpItem = {"&Command Line Switches", "命令行参数(&P)", "命令行參數"};
constexpr Text3 kAboutItem = {"&About...", "关于(&A)...", "版本信息..."};
constexpr Text3 kAboutTitle = {"Version Infermation", "版本信息", "版本信息"};
constexpr Text3 kAuthorWord = {"Author: ", "作者: ", "作者: "};
constexpr Text3 kDateWord = {"Date: ", "日期: ", "日期: "};
constexpr char kAuthor[] = "The Fennick engineers";
constexpr char kDate[] = "2010.1.15";
constexpr char kWebAddress[] = "https://fennick.example.org";

}  // namespace

std::vector<MenuItem> SystemMenuItems(UiLanguage language) {
  return {
      {0, menu_flag::Separator, ""},
      {kHelpCommand, menu_flag::String, kHelpItem.In(language)},
      {kAboutCommand, menu_flag::Checked, kAboutItem.In(language)},
  };
}

std::string AboutTitle(UiLanguage language) { return kAboutTitle.In(language); }

std::string AboutText(UiLanguage language) {
  return std::string(kAuthorWord.In(language)) + kAuthor + "\r" + kDateWord.In(language) + kDate + "\r" + kWebAddress;
}

void HandleSystemCommand(Context& context, MainWindow& window, std::uint32_t command) {
  platform::Dialogs& dialogs = context.Os.dialogs;
  if (command == kAboutCommand) {
    dialogs.ShowMessage(platform::BoxOwner::ActiveWindow, AboutText(window.Language), AboutTitle(window.Language),
                        platform::box::IconInformation);
  } else if (command == kHelpCommand) {
    dialogs.ShowMessage(platform::BoxOwner::ApplicationWindow, window.HelpText, window.TaskbarTitle,
                        platform::box::SetForeground);
  }
}

}  // namespace fennick
