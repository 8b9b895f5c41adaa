#include "cli/switch_file.h"

#include "common/text.h"

namespace fennick {

std::string JoinSwitchFileLines(const std::string& text) {
  std::string joined;
  joined.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\0') break;
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      continue;
    }
    joined += c;
  }
  return joined;
}

std::vector<std::string> ReadSwitchFile(Context& context, const std::string& fileName) {
  std::string executable = context.Os.system.ExecutablePath();
  std::string directory = executable.substr(0, executable.rfind('\\') + 1);
  std::optional<std::string> text = context.Os.files.ReadTextFile(directory + fileName);
  if (!text) return {};
  return Split('/', JoinSwitchFileLines(*text));
}

}  // namespace fennick
