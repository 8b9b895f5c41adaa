// A small modal dialog window made from a table of controls: created hidden
// and centred, shown over a window that is disabled meanwhile, its messages run
// until it is closed, then hidden again for the next use. What its controls
// show and what their messages do is the subclass's, through its record.
#pragma once

#include <windows.h>

#include <vector>

#include "model/controls.h"
#include "platform/win32/handles.h"
#include "ui/win32/win32_controls.h"

namespace fennick::win32 {

struct DialogControl {
  int Id;  // IDOK and IDCANCEL for the two buttons Enter and Escape press
  ControlKind Kind;
  int Parent;  // 0: the dialog itself; otherwise a group box's id
  int Left, Top, Width, Height;  // kFitToCaption: sized to the caption
  bool TabStop;
};

class DialogWindow {
 public:
  virtual ~DialogWindow();
  DialogWindow() = default;
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  HWND Window() const { return window_; }
  HWND ControlWindow(int id) const;

 protected:
  // A dialog frame without minimize and maximize boxes and without icon, with
  // a client area of the given size, centred on the screen, owned by `owner`,
  // its controls created in table order (which is the Tab order).
  bool CreateFrame(HINSTANCE instance, HWND owner, const wchar_t* className, int clientWidth, int clientHeight,
                    const std::vector<DialogControl>& controls, int fontHeight);
  // Shows the record, then the dialog over `over` (disabled until the dialog
  // closes) and runs the thread's messages until Closed(); hides it again.
  void RunModal(HWND over);

  // Copies the record into the controls: every control of the table through
  // Record(), then what the subclass adds.
  void ShowControls();
  virtual const Control* Record(int id, bool asShownBefore) const = 0;
  virtual void ShowRecord() = 0;
  virtual void OnCommand(int id, int code, HWND from) = 0;
  // Escape and the frame's close box.
  virtual void OnClose() = 0;
  virtual bool Closed() const = 0;
  // The background colour of a control: the window colour for edit boxes and
  // drop-down lists, the button face for the others, unless the subclass says
  // otherwise.
  virtual int ColourOf(int id) const;

  HFONT Font() const { return font_.Get(); }
  bool Showing() const { return showing_; }
  void SetShowing(bool showing) { showing_ = showing; }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  std::vector<DialogControl> controls_;
  std::vector<HWND> windows_;  // per table row
  FontHandle font_;
  bool showing_ = false;  // notifications caused by copying the record are not user input
  bool handling_ = false;  // a handler is running
  bool shownBefore_ = false;
};

}  // namespace fennick::win32
