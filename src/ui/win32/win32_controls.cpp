#include "ui/win32/win32_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/unicode.h"

namespace fennick::win32 {

namespace {

// Check boxes and radio buttons fitted to their caption: the box, a gap, the text.
constexpr int kBoxGlyph = 13;
constexpr int kBoxGap = 5;

LRESULT CALLBACK GroupBoxProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR window) {
  if (ForwardsToWindow(message)) return SendMessageW(reinterpret_cast<HWND>(window), message, wParam, lParam);
  if (message == WM_ERASEBKGND) {
    RECT inside;
    GetClientRect(hwnd, &inside);
    FillRect(reinterpret_cast<HDC>(wParam), &inside, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, GroupBoxProcedure, id);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

bool ForwardsToWindow(UINT message) {
  return message == WM_COMMAND || message == WM_NOTIFY || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

ControlClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::PushButton: return {WC_BUTTONW, BS_PUSHBUTTON, 0};
    case ControlKind::DefaultButton: return {WC_BUTTONW, BS_DEFPUSHBUTTON, 0};
    case ControlKind::CheckBox: return {WC_BUTTONW, BS_AUTOCHECKBOX, 0};
    case ControlKind::RadioButton: return {WC_BUTTONW, BS_AUTORADIOBUTTON, 0};
    case ControlKind::GroupBox: return {WC_BUTTONW, BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::Label: return {WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case ControlKind::SunkenLine: return {WC_STATICW, SS_SUNKEN, 0};
    case ControlKind::TextPanel:
      return {WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_SUNKEN | SS_CENTERIMAGE | SS_NOTIFY, 0};
    case ControlKind::EditBox: return {WC_EDITW, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::ReadOnlyEditBox: return {WC_EDITW, ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE};
    case ControlKind::DropDownList:
      return {WC_COMBOBOXW, CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT | WS_VSCROLL, 0};
    case ControlKind::ReportList:
      return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER, WS_EX_CLIENTEDGE};
    case ControlKind::TabControl: return {WC_TABCONTROLW, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::TabPage: break;
  }
  return {nullptr, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
}

bool ShowsCaption(ControlKind kind) {
  switch (kind) {
    case ControlKind::SunkenLine:
    case ControlKind::EditBox:
    case ControlKind::ReadOnlyEditBox:
    case ControlKind::DropDownList:
    case ControlKind::ReportList:
    case ControlKind::TabControl:
    case ControlKind::TabPage: return false;
    default: return true;
  }
}

FontHandle MakeFont(int height, const std::string& face) {
  // Character set 0 and variable pitch; CJK text falls back to a font that has it.
  return FontHandle(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_DONTCARE,
                                Widen(face).c_str()));
}

namespace {

std::wstring WideTextOf(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), length + 1)));
  return text;
}

}  // namespace

std::string TextOf(HWND control) { return Narrow(WideTextOf(control)); }

void SetText(HWND control, const std::string& text) { SetWindowTextW(control, Widen(text).c_str()); }

void SetCheck(HWND box, bool checked) {
  const WPARAM state = checked ? BST_CHECKED : BST_UNCHECKED;
  if (static_cast<WPARAM>(SendMessageW(box, BM_GETCHECK, 0, 0)) != state) SendMessageW(box, BM_SETCHECK, state, 0);
}

void FitToCaption(HWND control, HFONT font, ControlKind kind) {
  if (!control) return;
  const std::wstring text = WideTextOf(control);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, font);
  RECT extent = {0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &extent, DT_CALCRECT | DT_SINGLELINE);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  int width = extent.right;
  int height = metrics.tmHeight;
  if (kind == ControlKind::CheckBox || kind == ControlKind::RadioButton) {
    width += kBoxGlyph + kBoxGap + 2;
    height = std::max(height + 4, kBoxGlyph + 4);
  }
  SetWindowPos(control, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ShowControl(HWND control, ControlKind kind, const Control& now, const Control* before, HFONT font, bool fit) {
  if (!before || before->Enabled != now.Enabled) EnableWindow(control, now.Enabled);
  if (ShowsCaption(kind) && (!before || before->Caption != now.Caption)) {
    SetText(control, now.Caption);
    if (fit) FitToCaption(control, font, kind);
  }
}

void ShowChecked(HWND box, const CheckBox& now) { SetCheck(box, now.Checked); }

void ShowItems(HWND combo, const ComboBox& now, const ComboBox* before) {
  if (!before || before->Items != now.Items) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : now.Items) {
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
  }
  const int wanted = now.Current >= 0 && now.Current < static_cast<int>(now.Items.size()) ? now.Current : -1;
  if (static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)) != wanted) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(wanted), 0);
  }
}

void ShowEditText(HWND edit, const EditBox& now, const EditBox* before) {
  if (!before || before->Text != now.Text) SetText(edit, now.Text);
}

void HoldControls(HWND groupBox, HWND window) {
  SetWindowSubclass(groupBox, GroupBoxProcedure, 1, reinterpret_cast<DWORD_PTR>(window));
}

}  // namespace fennick::win32
