// The keyboard-layout chooser as data: the state of its controls, the plain
// keyboard layouts it offers (listed once when it is created) and the input
// locale being edited.
#pragma once

#include <string>
#include <vector>

#include "model/controls.h"

namespace fennick {

enum class KeyboardControl { TitleLabel, CurrentLabel, NewLabel, CurrentBox, LayoutChoice, OkButton, CancelButton };

struct KeyboardDialog {
  std::string Title;
  int FontHeight = -12;

  Control TitleLabel;  // names the input locale being changed
  Control CurrentLabel, NewLabel;
  EditBox CurrentBox;     // read only: the layout the input locale uses now
  ComboBox LayoutChoice;  // the layouts' shown names; no current item before the first choice
  Control OkButton, CancelButton;

  // Index-aligned with LayoutChoice's items.
  std::vector<std::string> LayoutFiles;  // "Layout File" in upper case
  std::vector<std::string> LayoutIds;

  std::string EditedLayoutId;
  DialogResult Result = DialogResult::None;
};

}  // namespace fennick
