// The two modal dialogs answered by script: each showing runs the next script
// on the window record, as the user's actions would through the dialog's
// handlers. A showing without a script, or whose script leaves the dialog open,
// ends as the frame's close box ends it: with Cancel.
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "ui/dialog_host.h"
#include "ui/hotkey_dialog.h"
#include "ui/keyboard_dialog.h"

namespace fennick::testing {

class ScriptedDialogs : public DialogHost {
 public:
  using Script = std::function<void(Context&, MainWindow&)>;

  void RunModal(Context& context, MainWindow& window, ModalDialog dialog) override {
    Shown.push_back(dialog);
    HotkeyAsShown.push_back(window.HotkeyEditor);
    KeyboardAsShown.push_back(window.KeyboardChooser);
    if (!Scripts.empty()) {
      Script script = Scripts.front();
      Scripts.pop_front();
      script(context, window);
    }
    if (dialog == ModalDialog::Hotkey && window.HotkeyEditor.Result == DialogResult::None) HotkeyDialogCancel(window);
    if (dialog == ModalDialog::Keyboard && window.KeyboardChooser.Result == DialogResult::None) {
      KeyboardDialogCancel(window);
    }
  }

  std::deque<Script> Scripts;
  std::vector<ModalDialog> Shown;
  // Each dialog's record as it was when shown.
  std::vector<HotkeyDialog> HotkeyAsShown;
  std::vector<KeyboardDialog> KeyboardAsShown;
};

}  // namespace fennick::testing
