#include "cli/command_line.h"

#include "cli/help_text.h"
#include "cli/switch_file.h"
#include "common/text.h"

namespace fennick {

namespace {
constexpr char kHelpBoxTitle[] = "Fennick";
}

std::vector<std::string> SwitchListFromCommandLine(const std::string& commandLine) {
  std::vector<std::string> pieces = Split('/', commandLine);
  pieces.erase(pieces.begin());
  return pieces;
}

bool IsHelpRequest(const std::vector<std::string>& switchList) {
  if (switchList.size() != 1) return false;
  std::string item = ToLowerAscii(Trim(switchList[0]));
  return item == "?" || item == "h" || item == "help";
}

std::optional<std::string> SwitchFileName(const std::vector<std::string>& switchList) {
  if (switchList.size() != 1 || !StartsWithIgnoreCase(switchList[0], "load:")) return std::nullopt;
  const std::string& item = switchList[0];
  return Trim(std::string_view(item).substr(item.find(':') + 1));
}

int CountArguments(const std::string& commandLine) {
  int words = 0;
  std::size_t i = 0;
  const std::size_t n = commandLine.size();
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  for (;;) {
    while (i < n && blank(commandLine[i])) ++i;
    if (i >= n) break;
    ++words;
    bool quoted = false;
    while (i < n && (quoted || !blank(commandLine[i]))) {
      if (commandLine[i] == '"') quoted = !quoted;
      ++i;
    }
  }
  return words > 0 ? words - 1 : 0;
}

void CommandLineStep(Context& context, MainWindow& window) {
  window.SystemLocale = context.Os.system.DefaultLocale();
  window.Language = SelectUiLanguage(window.SystemLocale);
  window.CommandLine = context.Os.system.CommandLine();
  window.ArgumentCount = CountArguments(window.CommandLine);
  window.SwitchList = SwitchListFromCommandLine(window.CommandLine);
  window.HelpText = BuildHelpText(window.Language);
  if (IsHelpRequest(window.SwitchList)) {
    context.Os.dialogs.ShowMessage(platform::BoxOwner::ActiveWindow, window.HelpText, kHelpBoxTitle, platform::box::Ok);
    window.Hidden = true;
  }
  if (std::optional<std::string> fileName = SwitchFileName(window.SwitchList)) {
    window.SwitchList = ReadSwitchFile(context, *fileName);
  }
}

}  // namespace fennick
