// The main window on screen. The window record is the truth: the view creates
// the real controls, copies the record into them after every handler (only
// what changed since the last copy) and turns window messages into calls of the
// handlers in ui/main_window_events.h.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <memory>

#include "app/program.h"
#include "ui/dialog_host.h"
#include "ui/win32/dialog_views.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_dialogs.h"
#include "ui/win32/main_window_layout.h"

namespace fennick::win32 {

class MainWindowUi {
 public:
  // Messages and the open-file dialog go through `dialogs`, the hotkey editor
  // and the keyboard-layout chooser through `modalDialogs`.
  MainWindowUi(HINSTANCE instance, Win32Dialogs& dialogs, DialogHost& modalDialogs)
      : instance_(instance), dialogs_(dialogs), modalDialogs_(modalDialogs) {}
  ~MainWindowUi();
  MainWindowUi(const MainWindowUi&) = delete;
  MainWindowUi& operator=(const MainWindowUi&) = delete;

  // Creates the application window (whose caption the task bar shows), the main
  // window owned by it and every control, and shows the record in the
  // controls. Nothing is visible yet.
  bool Create(Context& context, MainWindow& record);
  // Centred horizontally on the screen and vertically in the desktop area.
  void Place();
  void Show();
  // Runs until the main window is gone.
  void RunMessageLoop();

  HWND Window() const { return window_; }
  HWND ApplicationWindow() const { return application_; }
  HWND ControlWindow(ControlId id) const { return controls_[static_cast<int>(id)]; }
  HWND StatusWindow() const { return status_; }

  // Copies what changed in the record since the last copy into the controls;
  // carries out a focus request and a close request.
  void ShowRecord();

 private:
  static LRESULT CALLBACK MainProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ApplicationProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK PageProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ControlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR self);

  // The view behind one of its top-level windows; on creation the window is
  // remembered in `handle`. Null until then and after the window is gone.
  static MainWindowUi* Attached(HWND hwnd, UINT message, LPARAM lParam, HWND MainWindowUi::*handle);
  LRESULT OnMainMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnApplicationMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int dialogId, int code, HWND from);
  LRESULT OnNotify(const NMHDR& header);
  void OnMouseMove(ControlId id, int x, int y);
  HBRUSH OnControlColour(HDC dc, HWND control);

  // Runs a handler on the record, then shows the record.
  template <typename Handler>
  void Run(Handler handler);
  // Reads the list's selection; when it differs from the record, the
  // selection-change handler runs.
  void SyncSelection();

  void RegisterClasses();
  void CreateControl(const ControlPlacement& placement);
  void AppendSystemMenu();
  void ApplyFont();
  void PlacePages();
  void ShowPage(int page);
  void FitFrame();
  void CreateStatusBar();
  void RebuildRowImages();
  void ShowControls(const MainWindow* shown);
  void ShowChoices(const MainWindow* shown);
  void ShowPreloadList(const MainWindow* shown);
  void ShowTabs(const MainWindow* shown);

  HINSTANCE instance_;
  Win32Dialogs& dialogs_;
  DialogHost& modalDialogs_;
  Context* context_ = nullptr;
  MainWindow* record_ = nullptr;

  HWND application_ = nullptr;
  HWND window_ = nullptr;
  HWND status_ = nullptr;
  std::array<HWND, static_cast<int>(ControlId::StatusLine) + 1> controls_{};
  FontHandle font_;
  HIMAGELIST rowImages_ = nullptr;  // owned by the list view

  MainWindow shown_;  // the record as last copied into the controls
  bool shownValid_ = false;
  bool showing_ = false;  // notifications caused by the copy are not user input
  bool selectionSyncPosted_ = false;
  bool closePosted_ = false;
  bool handling_ = false;  // a handler is running
  bool menuAppended_ = false;
  HWND focusBeforeUp_ = nullptr;
  HWND savedFocus_ = nullptr;
};

// The front end fennick.exe runs in window mode: the window is created after
// the construction's click, placed, given its texts before the first load, and
// shown with the loaded record.
class MainWindowView : public WindowFrontEnd {
 public:
  MainWindowView(HINSTANCE instance, Win32Dialogs& dialogs) : instance_(instance), dialogs_(dialogs) {}
  void CreateControls(Context& context, MainWindow& window) override;
  void PlaceWindow(Context& context, MainWindow& window) override;
  void SetUiTexts(Context& context, MainWindow& window) override;
  void RunWindow(Context& context, MainWindow& window) override;

  // Creates the two dialogs (hidden) and shows the window with the record as
  // it stands; false when there is no window.
  bool Open(Context& context, MainWindow& window);
  MainWindowUi* Ui() const { return ui_.get(); }
  const Win32DialogHost& Dialogs() const { return modalDialogs_; }

 private:
  HINSTANCE instance_;
  Win32Dialogs& dialogs_;
  Win32DialogHost modalDialogs_;
  std::unique_ptr<MainWindowUi> ui_;
};

}  // namespace fennick::win32
