// The hotkey editor and the keyboard-layout chooser on screen: each copies its
// record into its controls and turns their messages into the dialog's
// handlers; the host shows them modally over the main window.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "model/main_window.h"
#include "registry/context.h"
#include "ui/dialog_host.h"
#include "ui/win32/dialog_window.h"

namespace fennick::win32 {

// A dialog whose record is a member of the main window's record: it copies
// that record into its controls after each handler, and its frame's close box
// and Escape run the dialog's Cancel.
template <typename Dialog, typename Id>
class RecordDialogUi : public DialogWindow {
 public:
  using Member = Dialog MainWindow::*;
  using CancelHandler = void (*)(MainWindow&);

  RecordDialogUi(Member member, CancelHandler cancel) : member_(member), cancel_(cancel) {}
  void Run(HWND over) { RunModal(over); }
  HWND ControlOf(Id control) const;

 protected:
  bool CreateFor(HINSTANCE instance, HWND owner, Context& context, MainWindow& record, const wchar_t* className,
                 int clientWidth, int clientHeight, const std::vector<DialogControl>& controls);
  const Control* Record(int id, bool asShownBefore) const override;
  void ShowRecord() override;
  void OnClose() override;
  bool Closed() const override;

  Context* context_ = nullptr;
  MainWindow* record_ = nullptr;

 private:
  Member member_;
  CancelHandler cancel_;
  Dialog shown_;
};

class HotkeyDialogUi : public RecordDialogUi<HotkeyDialog, HotkeyControl> {
 public:
  HotkeyDialogUi();
  bool Create(HINSTANCE instance, HWND owner, Context& context, MainWindow& record);

 protected:
  void OnCommand(int id, int code, HWND from) override;
};

class KeyboardDialogUi : public RecordDialogUi<KeyboardDialog, KeyboardControl> {
 public:
  KeyboardDialogUi();
  bool Create(HINSTANCE instance, HWND owner, Context& context, MainWindow& record);

 protected:
  void OnCommand(int id, int code, HWND from) override;
  int ColourOf(int id) const override;
};

// Both dialogs, created once after the main window, hidden, owned by the
// application window and shown modally over the main window.
class Win32DialogHost : public DialogHost {
 public:
  void Create(HINSTANCE instance, HWND owner, HWND mainWindow, Context& context, MainWindow& record);
  // Nothing is shown before Create.
  void RunModal(Context& context, MainWindow& window, ModalDialog dialog) override;

  HotkeyDialogUi* Hotkey() const { return hotkey_.get(); }
  KeyboardDialogUi* Keyboard() const { return keyboard_.get(); }

 private:
  HWND mainWindow_ = nullptr;
  std::unique_ptr<HotkeyDialogUi> hotkey_;
  std::unique_ptr<KeyboardDialogUi> keyboard_;
};

}  // namespace fennick::win32
