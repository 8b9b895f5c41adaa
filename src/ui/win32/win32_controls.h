// What the program's windows share: the kinds of control they are built from,
// the window class and styles of each kind, fitting a control to its caption,
// copying a control's record into it, and group boxes that hold controls.
#pragma once

#include <windows.h>

#include <string>

#include "model/controls.h"
#include "platform/win32/handles.h"

namespace fennick::win32 {

enum class ControlKind {
  PushButton,
  DefaultButton,  // pressed by Enter
  CheckBox,
  RadioButton,
  GroupBox,
  Label,
  SunkenLine,  // a sunken panel two pixels wide
  TextPanel,   // a sunken panel showing one line of text
  EditBox,
  ReadOnlyEditBox,
  DropDownList,
  ReportList,
  TabControl,
  TabPage,
};

// A width or height that fits the control to its caption.
constexpr int kFitToCaption = -1;
// Height of a drop-down list while open.
constexpr int kDroppedHeight = 200;

struct ControlClass {
  const wchar_t* ClassName;
  DWORD Style;  // besides WS_CHILD, WS_VISIBLE and the tab stop
  DWORD ExStyle;
};
// The window class and styles of a kind; a tab page's class is its window's own.
ControlClass ClassOf(ControlKind kind);

// Whether the control shows its record's caption as its window text.
bool ShowsCaption(ControlKind kind);

FontHandle MakeFont(int height, const std::string& face);

// The window text as UTF-8.
std::string TextOf(HWND control);
void SetText(HWND control, const std::string& text);
void SetCheck(HWND box, bool checked);

// Sizes a label, check box or radio button to its caption in the font.
void FitToCaption(HWND control, HFONT font, ControlKind kind);

// Copies a control's record into it: the enabled state, and the caption where
// the kind shows one (fitting the control when `fit`); `before` is the record
// as last copied (null: copy everything).
void ShowControl(HWND control, ControlKind kind, const Control& now, const Control* before, HFONT font, bool fit);
// A check box's own state, compared with the box itself.
void ShowChecked(HWND box, const CheckBox& now);
// A drop-down list's items (when they changed) and current item.
void ShowItems(HWND combo, const ComboBox& now, const ComboBox* before);
void ShowEditText(HWND edit, const EditBox& now, const EditBox* before);

// The messages a container passes on to its window: commands, notifications
// and the colour messages of the controls it holds.
bool ForwardsToWindow(UINT message);

// A group box that holds controls: it passes their commands, notifications and
// colour messages on to `window`, and fills its own inside, since the controls
// it holds are clipped from its parent's painting.
void HoldControls(HWND groupBox, HWND window);

}  // namespace fennick::win32
