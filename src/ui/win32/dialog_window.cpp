#include "ui/win32/dialog_window.h"

#include "ui/placement.h"

namespace fennick::win32 {

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

}  // namespace

DialogWindow::~DialogWindow() {
  if (window_) DestroyWindow(window_);
}

HWND DialogWindow::ControlWindow(int id) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i].Id == id) return windows_[i];
  }
  return nullptr;
}

bool DialogWindow::CreateFrame(HINSTANCE instance, HWND owner, const wchar_t* className, int clientWidth,
                               int clientHeight, const std::vector<DialogControl>& controls, int fontHeight) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.hInstance = instance;
  windowClass.lpfnWndProc = Procedure;
  windowClass.lpszClassName = className;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassExW(&windowClass);

  RECT frame = {0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, kDialogStyle, FALSE, kDialogExStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  window_ = CreateWindowExW(kDialogExStyle, className, L"", kDialogStyle,
                            CentredEdge(GetSystemMetrics(SM_CXSCREEN), width),
                            CentredEdge(GetSystemMetrics(SM_CYSCREEN), height), width, height, owner, nullptr,
                            instance, this);
  if (!window_) return false;

  font_ = MakeFont(fontHeight, "Tahoma");
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  controls_ = controls;
  for (const DialogControl& c : controls_) {
    HWND parent = c.Parent == 0 ? window_ : ControlWindow(c.Parent);
    const ControlClass kind = ClassOf(c.Kind);
    const int controlHeight = c.Kind == ControlKind::DropDownList ? kDroppedHeight
                              : c.Height == kFitToCaption         ? 0
                                                                  : c.Height;
    HWND control = CreateWindowExW(
        kind.ExStyle, kind.ClassName, L"",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (c.TabStop ? WS_TABSTOP : 0) | kind.Style, c.Left, c.Top,
        c.Width == kFitToCaption ? 0 : c.Width, controlHeight, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.Id)), instance, nullptr);
    windows_.push_back(control);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    if (c.Kind == ControlKind::GroupBox) HoldControls(control, window_);
  }
  return true;
}

void DialogWindow::ShowControls() {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const DialogControl& c = controls_[i];
    const Control* now = Record(c.Id, false);
    if (!now) continue;
    const Control* before = shownBefore_ ? Record(c.Id, true) : nullptr;
    ShowControl(windows_[i], c.Kind, *now, before, font_.Get(), c.Width == kFitToCaption);
    switch (c.Kind) {
      case ControlKind::CheckBox: ShowChecked(windows_[i], static_cast<const CheckBox&>(*now)); break;
      case ControlKind::DropDownList:
        ShowItems(windows_[i], static_cast<const ComboBox&>(*now), static_cast<const ComboBox*>(before));
        break;
      case ControlKind::EditBox:
      case ControlKind::ReadOnlyEditBox:
        ShowEditText(windows_[i], static_cast<const EditBox&>(*now), static_cast<const EditBox*>(before));
        break;
      default: break;
    }
  }
  shownBefore_ = true;
}

int DialogWindow::ColourOf(int id) const {
  for (const DialogControl& c : controls_) {
    if (c.Id != id) continue;
    const bool window = c.Kind == ControlKind::EditBox || c.Kind == ControlKind::ReadOnlyEditBox ||
                        c.Kind == ControlKind::DropDownList;
    return window ? COLOR_WINDOW : COLOR_BTNFACE;
  }
  return COLOR_BTNFACE;
}

void DialogWindow::RunModal(HWND over) {
  if (!window_) return;
  ShowRecord();
  const bool enableAfter = over && IsWindowEnabled(over);
  if (over) EnableWindow(over, FALSE);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) SetFocus(first);
  MSG message;
  while (!Closed()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: the loop that waits outside gets the quit too.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      OnClose();
      break;
    }
    if (IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // The window below is enabled before the dialog goes, so that it, not some
  // other program, becomes the active window.
  if (enableAfter) EnableWindow(over, TRUE);
  ShowWindow(window_, SW_HIDE);
  if (over) SetActiveWindow(over);
}

LRESULT DialogWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const HWND from = reinterpret_cast<HWND>(lParam);
      const int id = LOWORD(wParam);
      // Enter and Escape reach here without a control; a button they stand
      // for must be enabled.
      if (!from && (id == IDOK || id == IDCANCEL) && !IsWindowEnabled(ControlWindow(id))) return 0;
      // One handler at a time: a message box a handler shows (owned by the
      // application window) leaves this dialog enabled.
      if (showing_ || handling_) return 0;
      handling_ = true;
      OnCommand(id, HIWORD(wParam), from);
      handling_ = false;
      return 0;
    }
    case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_CLOSE:
      if (!handling_) OnClose();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      const HWND control = reinterpret_cast<HWND>(lParam);
      const int colour = ColourOf(GetDlgCtrlID(control));
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(colour));
      SetTextColor(dc, GetSysColor(IsWindowEnabled(control) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(colour));
    }
    case WM_DESTROY: window_ = nullptr; return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
  }
}

LRESULT CALLBACK DialogWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<DialogWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = hwnd;
  }
  auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && self->window_ == hwnd) return self->OnMessage(message, wParam, lParam);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace fennick::win32
