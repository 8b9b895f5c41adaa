#include "ui/win32/main_window_view.h"

namespace fennick::win32 {

namespace {

constexpr wchar_t kClassName[] = L"FennickMainWindow";
constexpr int kClientWidth = 327;
constexpr int kClientHeight = 426;

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

// For now an empty window of the final size; the controls come with the window record's views.
void MainWindowView::RunWindow(Context&, MainWindow&) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance_;
  windowClass.hIcon = LoadIconW(instance_, L"MAINICON");
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  RegisterClassW(&windowClass);

  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&frame, style, FALSE);
  HWND hwnd = CreateWindowExW(0, kClassName, L"Fennick 2.8.3", style, CW_USEDEFAULT, CW_USEDEFAULT,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance_, nullptr);
  if (!hwnd) return;
  dialogs_.ApplicationWindow = hwnd;
  ShowWindow(hwnd, SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace fennick::win32
