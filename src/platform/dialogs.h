// Message boxes, requested through this interface so tests answer them by script.
#pragma once

#include <cstdint>
#include <string>

namespace fennick::platform {

// Who owns a message box: the thread's active window (GetActiveWindow), or the
// program's application window.
enum class BoxOwner { ActiveWindow, ApplicationWindow };

namespace box {
constexpr std::uint32_t Ok = 0x0;
constexpr std::uint32_t OkCancel = 0x1;
constexpr std::uint32_t IconExclamation = 0x30;
constexpr std::uint32_t IconInformation = 0x40;
constexpr std::uint32_t SetForeground = 0x10000;
constexpr int IdOk = 1;
constexpr int IdCancel = 2;
}  // namespace box

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows a modal message box and gives the button pressed (an ID value), or 0
  // or less when no box could be shown.
  virtual int ShowMessage(BoxOwner owner, const std::string& text, const std::string& title,
                         std::uint32_t style) = 0;
};

}  // namespace fennick::platform
