// The main window's words in the three languages, and their application to
// the window record once at start.
#pragma once

#include <vector>

#include "common/message_texts.h"
#include "common/ui_language.h"
#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

constexpr char kVersionSuffix[] = " 2.8.3";  // a space, then the version

// Captions of the tab pages, in page order.
constexpr Text3 kPageCaptions[3] = {{"Normal", "常规", "常規"}, {"Other", "其它", "其它"}, {"Advanced", "高级", "高級"}};
constexpr Text3 kNameColumnCaption = {"Name", "名称", "名稱"};
// Title of the keyboard-layout chooser; the list's hover text names it too.
constexpr Text3 kKeyboardDialogTitle = {"KeyBoard", "键盘", "鍵盤"};

constexpr int kNameColumnWidth = 154;
constexpr int kHotkeyColumnWidth = 155;

struct ControlCaption {
  ControlId Control;
  Text3 Text;
};

// The fixed captions of the main window's controls. The language-switch box
// takes its caption by indicator style, the toggle button the hotkey button's.
const std::vector<ControlCaption>& ControlCaptions();

// The captions of the controls, the tab pages and the list's columns, and the
// items of ToggleCombo and CapsCombo, in one language. The window is built with
// the Simplified captions and given those of its UiLanguage once at start.
void ApplyCaptions(MainWindow& window, UiLanguage language);

// Gives every control its caption and items in the window's UiLanguage, sets
// the titles, the system-menu items, the column widths and the font, and on
// Windows Vista or later offers the grave-accent chord and disables the
// install button for the whole run.
void ApplyUiTexts(Context& context, MainWindow& window);

}  // namespace fennick
