// Message boxes and the open-file dialog, requested through this interface so
// tests answer them by script.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace fennick::platform {

// Who owns a message box or dialog: the thread's active window
// (GetActiveWindow), the program's application window, or its main window.
enum class BoxOwner { ActiveWindow, ApplicationWindow, MainWindow };

namespace box {
constexpr std::uint32_t Ok = 0x0;
constexpr std::uint32_t OkCancel = 0x1;
constexpr std::uint32_t IconExclamation = 0x30;
constexpr std::uint32_t IconInformation = 0x40;
constexpr std::uint32_t SetForeground = 0x10000;
constexpr int IdOk = 1;
constexpr int IdCancel = 2;
}  // namespace box

// Options of the open-file dialog, numbered as Windows numbers them.
namespace ofn {
constexpr std::uint32_t HideReadOnly = 0x4;
constexpr std::uint32_t PathMustExist = 0x800;
constexpr std::uint32_t FileMustExist = 0x1000;
constexpr std::uint32_t NoNetworkButton = 0x20000;
}  // namespace ofn

struct OpenFileRequest {
  BoxOwner Owner = BoxOwner::MainWindow;
  std::string Title;  // empty: the system's own title
  // One filter: the text the type list shows and the pattern it stands for.
  std::string FilterDescription;
  std::string FilterPattern;
  std::string InitialDirectory;
  std::string FileName;  // what the name box starts with
  std::uint32_t Options = 0;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows a modal message box and gives the button pressed (an ID value), or 0
  // or less when no box could be shown.
  virtual int ShowMessage(BoxOwner owner, const std::string& text, const std::string& title,
                         std::uint32_t style) = 0;

  // Shows the modal open-file dialog (GetOpenFileName); the full path of the
  // file the user confirmed, or nothing when the dialog was cancelled or could
  // not be shown.
  virtual std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) = 0;
};

// The program's information messages: owned by its application window, an OK
// button only, no icon, brought to the foreground.
inline void ShowInformation(Dialogs& dialogs, const std::string& text, const std::string& title) {
  dialogs.ShowMessage(BoxOwner::ApplicationWindow, text, title, box::Ok | box::SetForeground);
}

}  // namespace fennick::platform
