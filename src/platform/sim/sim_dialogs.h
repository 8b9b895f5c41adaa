// Message boxes and the open-file dialog of the in-memory Windows: every box
// and dialog is recorded, and answered from a script (a box with OK when its
// script is empty, a dialog with Cancel).
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

  std::optional<std::string> ChooseFileToOpen(const platform::OpenFileRequest& request) override {
    log_.Record("GetOpenFileName " + request.InitialDirectory + "|" + request.FileName);
    FileRequests.push_back(request);
    if (FileAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = FileAnswers.front();
    FileAnswers.pop_front();
    return answer;
  }

  std::vector<ShownBox> Shown;
  std::deque<int> Answers;
  std::vector<platform::OpenFileRequest> FileRequests;
  std::deque<std::optional<std::string>> FileAnswers;  // nothing: the user cancels

 private:
  CallLog& log_;
};

}  // namespace fennick::sim
