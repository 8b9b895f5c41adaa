#include "platform/sim/sim_system.h"

#include "common/text.h"

namespace fennick::sim {

// Expands as the system does: %NAME% of a defined variable becomes its value;
// an undefined %NAME% stays with both signs and the scan goes on after it; a
// "%" without a closing one stays as it is.
std::string SimSystem::ExpandEnvironment(const std::string& text) {
  log_.Record("ExpandEnvironmentStrings " + text);
  std::string out;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t open = text.find('%', at);
    std::size_t close = open == std::string::npos ? std::string::npos : text.find('%', open + 1);
    if (close == std::string::npos) {
      out += text.substr(at);
      break;
    }
    out += text.substr(at, open - at);
    std::string name = text.substr(open + 1, close - open - 1);
    const std::string* value = nullptr;
    for (const auto& variable : Environment) {
      if (EqualsIgnoreCase(variable.first, name)) value = &variable.second;
    }
    out += value ? *value : text.substr(open, close - open + 1);
    at = close + 1;
  }
  return out;
}

}  // namespace fennick::sim
