// The hotkey editor as data: the state of its controls, which keep what the
// last use left in them, and the result of one use.
#pragma once

#include <string>

#include "model/controls.h"

namespace fennick {

enum class HotkeyControl {
  TitleLabel,
  EnableBox,
  HotkeyGroup,
  CtrlBox,
  AltBox,
  ShiftBox,
  PlusLabel,
  KeyChoice,
  LeftBox,
  RightBox,
  OkButton,
  CancelButton,
};

struct HotkeyDialog {
  std::string Title;
  int FontHeight = -12;

  Control TitleLabel;  // names the input locale or toggle being edited
  CheckBox EnableBox;  // the hotkey is in use
  Control HotkeyGroup;
  CheckBox CtrlBox, AltBox, ShiftBox;
  Control PlusLabel;
  ComboBox KeyChoice;  // item 0 "None", then the key names in table order
  CheckBox LeftBox, RightBox;
  Control OkButton, CancelButton;

  // The result of one use; the caller clears it afterwards.
  DialogResult Result = DialogResult::None;
  std::string Code;   // side code, modifier code and key code: six hexadecimal digits; empty: no hotkey
  std::string Label;  // the hotkey's label; empty: no hotkey
  bool Rejected = false;  // the hotkey is already in use
};

}  // namespace fennick
