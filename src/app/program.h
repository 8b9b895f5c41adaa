// The program from entry to end, in either run mode.
#pragma once

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// The real window. Switch mode never creates one: none of these is called
// when the program was started with arguments. Each step receives the window
// record as the start-up sequence has built it so far.
class WindowFrontEnd {
 public:
  virtual ~WindowFrontEnd() = default;
  // The form with its Simplified Chinese caption, every control with its
  // handlers, made from the record's state after the construction's
  // programmatic click on IndicatorRadio.
  virtual void CreateControls(Context&, MainWindow&) {}
  // Centred on the screen with its size fixed, then made the application's
  // main window; vertically centred in the desktop area.
  virtual void PlaceWindow(Context&, MainWindow&) {}
  // The captions for the window's UiLanguage and the two system-menu items.
  // Runs before the first load, which sets the captions that depend on the
  // settings (the language switch box, the toggle hotkey button).
  virtual void SetUiTexts(Context&, MainWindow&) {}
  // Creates the hotkey editor and the keyboard-layout chooser (hidden, from
  // their records, which the program has just built), shows the window and
  // runs the message loop until the window closes.
  virtual void RunWindow(Context& context, MainWindow& window) = 0;
};

// Builds the window record through the start-up sequence, then, in window
// mode, hands it to the front end. The exit code is always 0.
int RunProgram(Context& context, WindowFrontEnd& frontEnd);
// The same on a record the caller keeps, to look at after the run.
int RunProgram(Context& context, WindowFrontEnd& frontEnd, MainWindow& window);

}  // namespace fennick
