// Message boxes of the in-memory Windows: every box is recorded, and answered
// from a script (OK when the script is empty).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/sim/call_log.h"

namespace fennick::sim {

struct ShownBox {
  platform::BoxOwner Owner;
  std::string Text;
  std::string Title;
  std::uint32_t Style;
};

class SimDialogs : public platform::Dialogs {
 public:
  explicit SimDialogs(CallLog& log) : log_(log) {}

  int ShowMessage(platform::BoxOwner owner, const std::string& text, const std::string& title,
                 std::uint32_t style) override {
    log_.Record("MessageBox " + title + "|" + text);
    Shown.push_back({owner, text, title, style});
    if (Answers.empty()) return platform::box::IdOk;
    int answer = Answers.front();
    Answers.pop_front();
    return answer;
  }

  std::vector<ShownBox> Shown;
  std::deque<int> Answers;

 private:
  CallLog& log_;
};

}  // namespace fennick::sim
