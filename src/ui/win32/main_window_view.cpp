#include "ui/win32/main_window_view.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/unicode.h"
#include "ui/main_window_controls.h"
#include "settings/preload_selection.h"
#include "ui/main_window_events.h"
#include "ui/placement.h"
#include "ui/system_menu.h"
#include "ui/win32/window_classes.h"

namespace fennick::win32 {

namespace {

constexpr wchar_t kApplicationClass[] = L"FennickApplication";
constexpr wchar_t kPageClass[] = L"FennickPage";

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT;

// Messages the view posts to itself.
constexpr UINT kSyncSelectionMessage = WM_APP + 1;
constexpr UINT kCloseMessage = WM_APP + 2;
constexpr UINT kActivateMessage = WM_APP + 3;

const ControlPlacement* PlacementOf(ControlId id) {
  for (const ControlPlacement& placement : kMainWindowLayout) {
    if (placement.Id == id) return &placement;
  }
  return nullptr;
}

bool IsFitted(const ControlPlacement& placement) { return placement.Width == kFitToCaption; }

void SetListCell(HWND list, int row, int column, const std::string& text) {
  std::wstring wide = Widen(text);
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void SetColumn(HWND list, int column, const std::string& caption, int width) {
  std::wstring wide = Widen(caption);
  LVCOLUMNW header = {};
  header.mask = LVCF_TEXT | LVCF_WIDTH;
  header.pszText = wide.data();
  header.cx = width;
  SendMessageW(list, LVM_SETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&header));
}

struct RowTexts {
  std::string Name;
  std::string Hotkey;
  bool operator==(const RowTexts& other) const { return Name == other.Name && Hotkey == other.Hotkey; }
};

// The two columns of each row: the row's own text and its entry's hotkey label.
std::vector<RowTexts> RowsOf(const MainWindow& record) {
  std::vector<RowTexts> rows;
  const auto& entries = record.Settings.PreloadList;
  for (std::size_t i = 0; i < record.PreloadListView.Rows.size(); ++i) {
    rows.push_back({record.PreloadListView.Rows[i].Name, i < entries.size() ? entries[i].HotkeyLabel : ""});
  }
  return rows;
}

}  // namespace

MainWindowUi::~MainWindowUi() {
  if (window_) DestroyWindow(window_);
  if (application_) DestroyWindow(application_);
}

template <typename Handler>
void MainWindowUi::Run(Handler handler) {
  // One handler at a time: while a handler waits in a modal box or dialog,
  // messages queued for the disabled window find no user input to report.
  if (!record_ || !window_ || handling_) return;
  handling_ = true;
  handler(*context_, *record_);
  handling_ = false;
  ShowRecord();
}

// --- creation ---

void MainWindowUi::RegisterClasses() {
  HICON icon = LoadIconW(instance_, L"MAINICON");
  HICON smallIcon = static_cast<HICON>(LoadImageW(instance_, L"MAINICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                  GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.hInstance = instance_;
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);

  windowClass.lpfnWndProc = MainProcedure;
  windowClass.lpszClassName = kMainWindowClass;
  RegisterClassExW(&windowClass);

  windowClass.lpfnWndProc = ApplicationProcedure;
  windowClass.lpszClassName = kApplicationClass;
  RegisterClassExW(&windowClass);

  windowClass.lpfnWndProc = PageProcedure;
  windowClass.lpszClassName = kPageClass;
  windowClass.hIcon = nullptr;
  windowClass.hIconSm = nullptr;
  RegisterClassExW(&windowClass);
}

bool MainWindowUi::Create(Context& context, MainWindow& record) {
  context_ = &context;
  record_ = &record;
  INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  RegisterClasses();

  // A window without size that stays on screen only to carry the task-bar
  // button; the main window is owned by it and so has no button of its own.
  application_ = CreateWindowExW(0, kApplicationClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0,
                                 0, 0, nullptr, nullptr, instance_, this);
  RECT frame = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kMainStyle, FALSE, kMainExStyle);
  window_ = CreateWindowExW(kMainExStyle, kMainWindowClass, L"", kMainStyle, 0, 0, frame.right - frame.left,
                            frame.bottom - frame.top, application_, nullptr, instance_, this);
  if (!application_ || !window_) return false;
  dialogs_.ApplicationWindow = application_;
  dialogs_.MainWindow = window_;

  for (const ControlPlacement& placement : kMainWindowLayout) CreateControl(placement);
  ShowRecord();
  return true;
}

void MainWindowUi::CreateControl(const ControlPlacement& p) {
  HWND parent = p.Parent == ControlId::None ? window_ : ControlWindow(p.Parent);
  const ControlClass kind = ClassOf(p.Kind);
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (p.TabStop ? WS_TABSTOP : 0) | kind.Style;
  DWORD exStyle = kind.ExStyle;
  const wchar_t* className = kind.ClassName;
  int width = p.Width == kFitToCaption ? 0 : p.Width;
  int height = p.Height == kFitToCaption ? 0 : p.Height;
  switch (p.Kind) {
    case ControlKind::RadioButton:
      // The first radio of its group starts the group the arrow keys move in.
      if (p.Id == ControlId::TextServicesRadio) style |= WS_GROUP;
      break;
    case ControlKind::DropDownList: height = kDroppedHeight; break;
    case ControlKind::ReportList:
      if (record_->PreloadListView.EditLabels) style |= LVS_EDITLABELS;
      break;
    case ControlKind::TabPage:
      className = kPageClass;
      style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | kind.Style;
      break;
    default: break;
  }
  HWND control = CreateWindowExW(exStyle, className, L"", style, p.Left, p.Top, width, height, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(DialogId(p.Id))), instance_, this);
  controls_[static_cast<int>(p.Id)] = control;

  switch (p.Kind) {
    case ControlKind::TabControl:
      for (int page = 0; page < 3; ++page) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(L"");
        SendMessageW(control, TCM_INSERTITEMW, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item));
      }
      break;
    case ControlKind::ReportList: {
      SendMessageW(control, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT,
                   LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
      for (int column = 0; column < 2; ++column) {
        LVCOLUMNW header = {};
        header.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        header.pszText = const_cast<wchar_t*>(L"");
        header.iSubItem = column;
        SendMessageW(control, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&header));
      }
      rowImages_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4);
      SendMessageW(control, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rowImages_));
      SetWindowSubclass(control, ControlProcedure, static_cast<UINT_PTR>(p.Id), reinterpret_cast<DWORD_PTR>(this));
      break;
    }
    case ControlKind::GroupBox: HoldControls(control, window_); break;
    default:
      if (p.Id == ControlId::AvailableCombo || p.Id == ControlId::ToggleCombo ||
          p.Id == ControlId::ToggleHotkeyButton || p.Id == ControlId::RemoveNameBox || p.Id == ControlId::UpButton) {
        SetWindowSubclass(control, ControlProcedure, static_cast<UINT_PTR>(p.Id), reinterpret_cast<DWORD_PTR>(this));
      }
      break;
  }
}

void MainWindowUi::AppendSystemMenu() {
  // The items are appended once, when the texts have been set.
  if (menuAppended_ || record_->SystemMenu.empty()) return;
  menuAppended_ = true;
  HMENU menu = GetSystemMenu(window_, FALSE);
  for (const MenuItem& item : record_->SystemMenu) {
    if (item.Flags & MF_SEPARATOR) {
      AppendMenuW(menu, item.Flags, item.Id, nullptr);
    } else {
      AppendMenuW(menu, item.Flags, item.Id, Widen(item.Text).c_str());
    }
  }
}

// Centred horizontally on the screen, and vertically in the desktop area (the
// work area, which leaves out the task bar).
void MainWindowUi::Place() {
  RECT frame;
  GetWindowRect(window_, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  // Centred on the screen...
  const int left = CentredEdge(GetSystemMetrics(SM_CXSCREEN), width);
  int top = CentredEdge(GetSystemMetrics(SM_CYSCREEN), height);
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // ...then, without arguments, vertically centred in the desktop area (the
  // work area, which leaves out the task bar).
  RECT desktop = {};
  const int desktopBottom =
      SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0) ? desktop.bottom : GetSystemMetrics(SM_CYSCREEN);
  top = WindowModeTop(desktopBottom, height);
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(application_, nullptr, left + width / 2, top + height / 2, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The client area is 327 by 426 for the controls, plus the status bar once it exists.
void MainWindowUi::FitFrame() {
  int statusHeight = 0;
  if (status_) {
    RECT bar;
    GetWindowRect(status_, &bar);
    statusHeight = bar.bottom - bar.top;
  }
  RECT frame = {0, 0, kClientWidth, kClientHeight + statusHeight};
  AdjustWindowRectEx(&frame, kMainStyle, FALSE, kMainExStyle);
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (status_) SendMessageW(status_, WM_SIZE, 0, 0);
}

void MainWindowUi::CreateStatusBar() {
  status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(DialogId(ControlId::StatusLine))), instance_,
                            nullptr);
  SendMessageW(status_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  SendMessageW(status_, WM_SIZE, 0, 0);
  FitFrame();
}

void MainWindowUi::ApplyFont() {
  font_ = MakeFont(record_->FontHeight, record_->FontFace);
  const WPARAM font = reinterpret_cast<WPARAM>(font_.Get());
  SendMessageW(window_, WM_SETFONT, font, FALSE);
  for (HWND control : controls_) {
    if (control) SendMessageW(control, WM_SETFONT, font, TRUE);
  }
  if (status_) SendMessageW(status_, WM_SETFONT, font, TRUE);
  PlacePages();
  for (const ControlPlacement& placement : kMainWindowLayout) {
    if (IsFitted(placement)) FitToCaption(ControlWindow(placement.Id), font_.Get(), placement.Kind);
  }
  if (status_) FitFrame();
}

void MainWindowUi::PlacePages() {
  HWND tabs = ControlWindow(ControlId::SettingsTabs);
  RECT area;
  GetClientRect(tabs, &area);
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  for (ControlId page : {ControlId::GeneralPage, ControlId::OtherPage, ControlId::AdvancedPage}) {
    SetWindowPos(ControlWindow(page), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void MainWindowUi::ShowPage(int page) {
  const ControlId pages[] = {ControlId::GeneralPage, ControlId::OtherPage, ControlId::AdvancedPage};
  for (int i = 0; i < 3; ++i) ShowWindow(ControlWindow(pages[i]), i == page ? SW_SHOWNA : SW_HIDE);
}

void MainWindowUi::RebuildRowImages() {
  ImageList_RemoveAll(rowImages_);
  ImageList_SetIconSize(rowImages_, 16, 16);
  HICON programIcon = static_cast<HICON>(LoadImageW(instance_, L"MAINICON", IMAGE_ICON, 16, 16, LR_SHARED));
  for (const std::string& file : record_->RowImages) {
    HICON extracted = file.empty() ? nullptr : ExtractIconW(instance_, Widen(file).c_str(), 0);
    // 0: the file has no icon; 1: it is not a file icons come from.
    if (reinterpret_cast<UINT_PTR>(extracted) > 1) {
      IconHandle icon(extracted);
      ImageList_AddIcon(rowImages_, icon.Get());
    } else {
      ImageList_AddIcon(rowImages_, programIcon);
    }
  }
}

void MainWindowUi::Show() {
  ShowWindow(application_, SW_SHOWNA);
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
  if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) SetFocus(first);
}

void MainWindowUi::RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window_ && IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// --- copying the record into the controls ---

void MainWindowUi::ShowRecord() {
  if (!window_ || !record_) return;
  MainWindow& record = *record_;
  const MainWindow* shown = shownValid_ ? &shown_ : nullptr;
  showing_ = true;

  if (!shown || shown->FontHeight != record.FontHeight || shown->FontFace != record.FontFace) ApplyFont();
  if (!shown || shown->Title != record.Title) SetText(window_, record.Title);
  if (!shown || shown->TaskbarTitle != record.TaskbarTitle) SetText(application_, record.TaskbarTitle);
  AppendSystemMenu();
  ShowControls(shown);
  ShowChoices(shown);
  ShowPreloadList(shown);
  ShowTabs(shown);
  if (record.StatusLine.Exists && !status_) CreateStatusBar();
  if (status_ && (!shown || !shown->StatusLine.Exists || shown->StatusLine.Text != record.StatusLine.Text)) {
    SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Widen(record.StatusLine.Text).c_str()));
  }

  shown_ = record;
  shownValid_ = true;
  showing_ = false;

  if (record.Focus != ControlId::None) {
    HWND target = ControlWindow(record.Focus);
    record.Focus = ControlId::None;
    shown_.Focus = ControlId::None;
    if (target) SetFocus(target);
  }
  // The close request waits in the queue, so the handler that made it returns first.
  if (record.CloseRequested && !closePosted_) {
    closePosted_ = true;
    PostMessageW(window_, kCloseMessage, 0, 0);
  }
}

void MainWindowUi::ShowControls(const MainWindow* shown) {
  const MainWindow& record = *record_;
  for (const ControlPlacement& placement : kMainWindowLayout) {
    const Control* control = FindControl(record, placement.Id);
    if (!control) continue;
    const Control* before = shown ? FindControl(*shown, placement.Id) : nullptr;
    ShowControl(ControlWindow(placement.Id), placement.Kind, *control, before, font_.Get(), IsFitted(placement));
  }
  const WorkingSettings& s = record.Settings;
  SetCheck(ControlWindow(ControlId::IndicatorEnableCheck), s.IndicatorEnabled);
  SetCheck(ControlWindow(ControlId::TextServicesRadio), s.IndicatorStyle == Indicator::TextServices);
  SetCheck(ControlWindow(ControlId::IndicatorRadio), s.IndicatorStyle == Indicator::LegacyIndicator);
  SetCheck(ControlWindow(ControlId::LanguageSwitchCheck), s.LanguageSwitchOn);
  SetCheck(ControlWindow(ControlId::LayoutSwitchCheck), s.LayoutSwitchOn);
  SetCheck(ControlWindow(ControlId::ShowStatusCheck), s.ShowStatusWindow);

  const std::pair<ControlId, const EditBox MainWindow::*> edits[] = {
      {ControlId::InstallNameEdit, &MainWindow::InstallNameEdit},
      {ControlId::InstallFileEdit, &MainWindow::InstallFileEdit}};
  for (const auto& [id, member] : edits) {
    if (!shown || (shown->*member).Text != (record.*member).Text) SetText(ControlWindow(id), (record.*member).Text);
  }
}

void MainWindowUi::ShowChoices(const MainWindow* shown) {
  const MainWindow& record = *record_;
  const WorkingSettings& s = record.Settings;
  struct Choice {
    ControlId Id;
    const std::vector<std::string>* Items;
    const std::vector<std::string>* ItemsBefore;
    int Current;
  } choices[] = {
      {ControlId::AvailableCombo, &record.AvailableCombo.Items, shown ? &shown->AvailableCombo.Items : nullptr,
       record.AvailableCombo.Current},
      {ControlId::LanguageChordCombo, &record.LanguageChordCombo.Items,
       shown ? &shown->LanguageChordCombo.Items : nullptr, s.LanguageChord},
      {ControlId::LayoutChordCombo, &record.LayoutChordCombo.Items, shown ? &shown->LayoutChordCombo.Items : nullptr,
       s.LayoutChord},
      {ControlId::ToggleCombo, &record.ToggleCombo.Items, shown ? &shown->ToggleCombo.Items : nullptr,
       s.SelectedToggle},
      {ControlId::CapsCombo, &record.CapsCombo.Items, shown ? &shown->CapsCombo.Items : nullptr, s.CapsRelease},
  };
  for (const Choice& choice : choices) {
    HWND combo = ControlWindow(choice.Id);
    if (!choice.ItemsBefore || *choice.ItemsBefore != *choice.Items) {
      SendMessageW(combo, CB_RESETCONTENT, 0, 0);
      for (const std::string& item : *choice.Items) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
      }
    }
    const int wanted = choice.Current >= 0 && choice.Current < static_cast<int>(choice.Items->size()) ? choice.Current : -1;
    if (static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)) != wanted) {
      SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(wanted), 0);
    }
  }
}

void MainWindowUi::ShowPreloadList(const MainWindow* shown) {
  const ListView& view = record_->PreloadListView;
  const ListView* before = shown ? &shown->PreloadListView : nullptr;
  HWND list = ControlWindow(ControlId::PreloadListView);

  if (!before || before->NameColumnCaption != view.NameColumnCaption || before->NameColumnWidth != view.NameColumnWidth) {
    SetColumn(list, 0, view.NameColumnCaption, view.NameColumnWidth);
  }
  if (!before || before->HotkeyColumnCaption != view.HotkeyColumnCaption ||
      before->HotkeyColumnWidth != view.HotkeyColumnWidth) {
    SetColumn(list, 1, view.HotkeyColumnCaption, view.HotkeyColumnWidth);
  }
  if (!before || before->EditLabels != view.EditLabels) {
    const LONG_PTR style = GetWindowLongPtrW(list, GWL_STYLE);
    SetWindowLongPtrW(list, GWL_STYLE, view.EditLabels ? style | LVS_EDITLABELS : style & ~LVS_EDITLABELS);
  }

  const std::vector<RowTexts> rows = RowsOf(*record_);
  const std::vector<RowTexts> rowsBefore = shown ? RowsOf(*shown) : std::vector<RowTexts>();
  const bool imagesChanged = !shown || shown->RowImages != record_->RowImages;
  if (imagesChanged) RebuildRowImages();
  if (!shown || rows != rowsBefore || imagesChanged) {
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
      const int image = i < static_cast<int>(record_->RowImages.size()) ? i : I_IMAGENONE;
      if (i >= count) {
        std::wstring name = Widen(rows[i].Name);
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = i;
        item.pszText = name.data();
        item.iImage = image;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        SetListCell(list, i, 1, rows[i].Hotkey);
        continue;
      }
      const bool known = i < static_cast<int>(rowsBefore.size());
      if (!known || rowsBefore[i].Name != rows[i].Name) SetListCell(list, i, 0, rows[i].Name);
      if (!known || rowsBefore[i].Hotkey != rows[i].Hotkey) SetListCell(list, i, 1, rows[i].Hotkey);
      if (imagesChanged) {
        LVITEMW item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = i;
        item.iImage = image;
        SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
      }
    }
    for (int i = count - 1; i >= static_cast<int>(rows.size()); --i) SendMessageW(list, LVM_DELETEITEM, i, 0);
  }

  const int selected = view.Selected >= 0 && view.Selected < static_cast<int>(rows.size()) ? view.Selected : -1;
  const int current = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  if (current != selected) {
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (selected >= 0) {
      state.state = LVIS_SELECTED | LVIS_FOCUSED;
      SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&state));
      SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(selected), FALSE);
    }
  }
}

void MainWindowUi::ShowTabs(const MainWindow* shown) {
  HWND tabs = ControlWindow(ControlId::SettingsTabs);
  const auto& captions = record_->PageCaptions;
  if (!shown || shown->PageCaptions != captions) {
    for (int page = 0; page < 3; ++page) {
      std::wstring caption = page < static_cast<int>(captions.size()) ? Widen(captions[page]) : L"";
      TCITEMW item = {};
      item.mask = TCIF_TEXT;
      item.pszText = caption.data();
      SendMessageW(tabs, TCM_SETITEMW, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item));
    }
  }
  const int page = record_->SettingsPage;
  if (static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)) != page) {
    SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
  }
  if (!shown || shown->SettingsPage != page) ShowPage(page);
}

// --- messages ---

void MainWindowUi::SyncSelection() {
  selectionSyncPosted_ = false;
  if (!window_) return;
  HWND list = ControlWindow(ControlId::PreloadListView);
  const int selected = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  if (selected == record_->PreloadListView.Selected) return;
  Run([selected](Context& context, MainWindow& window) { RowSelectionChanged(context, window, selected); });
}

void MainWindowUi::OnCommand(int dialogId, int code, HWND from) {
  if (dialogId == IDOK || dialogId == IDCANCEL) {
    // Enter and Escape: the default and the cancel button.
    const ControlId button = dialogId == IDOK ? ControlId::OkButton : ControlId::ExitButton;
    if (IsWindowEnabled(ControlWindow(button))) {
      Run([this, button](Context& context, MainWindow& window) {
        ButtonClicked(context, window, modalDialogs_, button);
      });
    }
    return;
  }
  const ControlId id = ControlOfDialogId(dialogId);
  const ControlPlacement* placement = PlacementOf(id);
  if (!placement || from != ControlWindow(id)) return;
  switch (placement->Kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultButton:
      if (code != BN_CLICKED) return;
      if (id == ControlId::UpButton && focusBeforeUp_ && IsWindow(focusBeforeUp_)) {
        // The Up button never keeps the focus: it goes back where it was.
        SetFocus(focusBeforeUp_);
        focusBeforeUp_ = nullptr;
      }
      Run([this, id](Context& context, MainWindow& window) { ButtonClicked(context, window, modalDialogs_, id); });
      return;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
      if (code != BN_CLICKED || showing_) return;
      const bool checked = SendMessageW(from, BM_GETCHECK, 0, 0) == BST_CHECKED;
      if (placement->Kind == ControlKind::RadioButton && !checked) return;
      Run([id, checked](Context& context, MainWindow& window) { BoxClicked(context, window, id, checked); });
      return;
    }
    case ControlKind::DropDownList: {
      if (code != CBN_SELCHANGE || showing_) return;
      const int index = static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0));
      Run([id, index](Context& context, MainWindow& window) { ItemChosen(context, window, id, index); });
      return;
    }
    case ControlKind::EditBox: {
      if (code != EN_CHANGE || showing_) return;
      const std::string text = TextOf(from);
      Run([id, &text](Context& context, MainWindow& window) { TextChanged(context, window, id, text); });
      return;
    }
    default: return;
  }
}

LRESULT MainWindowUi::OnNotify(const NMHDR& header) {
  const ControlId id = ControlOfDialogId(static_cast<int>(header.idFrom));
  if (id == ControlId::SettingsTabs && header.code == TCN_SELCHANGE) {
    const int page = static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0));
    Run([page](Context& context, MainWindow& window) { ShowSettingsPage(context, window, page); });
    return 0;
  }
  if (id != ControlId::PreloadListView) return 0;
  switch (header.code) {
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      // A new selection is announced in several steps (the old row loses it,
      // the new row gains it); the handler runs once they are all done.
      if (!showing_ && (change.uChanged & LVIF_STATE) && ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) &&
          !selectionSyncPosted_) {
        selectionSyncPosted_ = true;
        PostMessageW(window_, kSyncSelectionMessage, 0, 0);
      }
      return 0;
    }
    case NM_CLICK:
      SyncSelection();
      Run([](Context& context, MainWindow& window) { EnsureRowSelected(context, window); });
      return 0;
    case NM_DBLCLK: {
      SyncSelection();
      const auto& activation = reinterpret_cast<const NMITEMACTIVATE&>(header);
      RECT firstRow = {};
      firstRow.left = LVIR_BOUNDS;
      SendMessageW(header.hwndFrom, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&firstRow));
      const int width = static_cast<int>(SendMessageW(header.hwndFrom, LVM_GETCOLUMNWIDTH, 0, 0));
      const int x = activation.ptAction.x;
      const int left = firstRow.left;
      Run([this, x, left, width](Context& context, MainWindow& window) {
        RowDoubleClicked(context, window, modalDialogs_, x, left, width);
      });
      return 0;
    }
    case LVN_KEYDOWN: {
      const auto& key = reinterpret_cast<const NMLVKEYDOWN&>(header);
      const int selected = record_->PreloadListView.Selected;
      if (key.wVKey == VK_F2 && record_->PreloadListView.EditLabels && selected >= 0) {
        SendMessageW(header.hwndFrom, LVM_EDITLABELW, static_cast<WPARAM>(selected), 0);
      }
      return 0;
    }
    case LVN_BEGINLABELEDITW:
      return record_->PreloadListView.EditLabels ? FALSE : TRUE;
    case LVN_ENDLABELEDITW: {
      // The list keeps its old text; an accepted name reaches the row through
      // the record.
      const auto& edit = reinterpret_cast<const NMLVDISPINFOW&>(header);
      const int row = edit.item.iItem;
      std::optional<std::string> text;
      if (edit.item.pszText) text = Narrow(std::wstring(edit.item.pszText));
      Run([row, &text](Context& context, MainWindow& window) { LabelEdited(context, window, row, text); });
      return FALSE;
    }
    default: return 0;
  }
}

void MainWindowUi::OnMouseMove(ControlId id, int, int y) {
  switch (id) {
    case ControlId::PreloadListView: {
      HWND list = ControlWindow(id);
      RECT firstRow = {};
      firstRow.left = LVIR_BOUNDS;
      if (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0) {
        SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&firstRow));
      } else {
        firstRow.top = 0;
      }
      const int top = firstRow.top;
      Run([y, top](Context& context, MainWindow& window) { ShowRowHoverText(context, window, y, top); });
      return;
    }
    case ControlId::AvailableCombo: Run(ShowAvailableEntry); return;
    case ControlId::ToggleCombo:
    case ControlId::ToggleHotkeyButton: Run(ShowToggleText); return;
    case ControlId::RemoveNameBox: Run(RemoveNameBoxHovered); return;
    default: return;
  }
}

HBRUSH MainWindowUi::OnControlColour(HDC dc, HWND control) {
  const ControlId id = ControlOfDialogId(GetDlgCtrlID(control));
  const ControlPlacement* placement = PlacementOf(id);
  // Lists and edit boxes, and the panel naming the entry to delete, in the
  // window colour; everything else in the button face.
  const bool windowColour = placement && (placement->Kind == ControlKind::EditBox ||
                                          placement->Kind == ControlKind::DropDownList ||
                                          placement->Kind == ControlKind::TextPanel);
  const int colour = windowColour ? COLOR_WINDOW : COLOR_BTNFACE;
  SetBkColor(dc, GetSysColor(colour));
  SetTextColor(dc, GetSysColor(IsWindowEnabled(control) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  return GetSysColorBrush(colour);
}

LRESULT MainWindowUi::OnMainMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY: return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return reinterpret_cast<LRESULT>(OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case DM_GETDEFID: return MAKELRESULT(DialogId(ControlId::OkButton), DC_HASDEFID);
    case WM_SYSCOMMAND: {
      const auto command = static_cast<std::uint32_t>(wParam);
      Run([command](Context& context, MainWindow& window) { HandleSystemCommand(context, window, command); });
      if ((wParam & 0xFFF0) == SC_MINIMIZE) {
        // The window goes with the application, whose button is on the task
        // bar. Windows hides owned windows with their owner; Wine does not, so
        // the window is hidden here.
        ShowWindow(window_, SW_HIDE);
        ShowWindow(application_, SW_MINIMIZE);
        return 0;
      }
      return DefWindowProcW(window_, message, wParam, lParam);
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) savedFocus_ = focus;
      } else if (savedFocus_ && IsWindow(savedFocus_)) {
        SetFocus(savedFocus_);
      } else if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) {
        SetFocus(first);
      }
      return 0;
    case WM_SIZE:
      if (status_) SendMessageW(status_, WM_SIZE, 0, 0);
      return 0;
    case WM_CLOSE: Run(RequestClose); return 0;
    case kCloseMessage: DestroyWindow(window_); return 0;
    case kSyncSelectionMessage: SyncSelection(); return 0;
    case WM_DESTROY:
      if (dialogs_.MainWindow == window_) dialogs_.MainWindow = nullptr;
      window_ = nullptr;
      controls_ = {};
      status_ = nullptr;
      if (application_) DestroyWindow(application_);
      return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
  }
}

LRESULT MainWindowUi::OnApplicationMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
        return 0;
      }
      if ((wParam & 0xFFF0) == SC_RESTORE) {
        const LRESULT result = DefWindowProcW(application_, message, wParam, lParam);
        if (window_) ShowWindow(window_, SW_SHOW);
        PostMessageW(application_, kActivateMessage, 0, 0);
        return result;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) PostMessageW(application_, kActivateMessage, 0, 0);
      return 0;
    case kActivateMessage: {
      // Activating the task-bar button activates the window (or the box) the
      // user last worked in.
      HWND popup = GetLastActivePopup(application_);
      if (!IsIconic(application_) && popup && popup != application_ && IsWindowVisible(popup) &&
          IsWindowEnabled(popup)) {
        SetForegroundWindow(popup);
      }
      return 0;
    }
    case WM_DESTROY:
      if (dialogs_.ApplicationWindow == application_) dialogs_.ApplicationWindow = nullptr;
      application_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default: break;
  }
  return DefWindowProcW(application_, message, wParam, lParam);
}

MainWindowUi* MainWindowUi::Attached(HWND hwnd, UINT message, LPARAM lParam, HWND MainWindowUi::*handle) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindowUi*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->*handle = hwnd;
  }
  auto* self = reinterpret_cast<MainWindowUi*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return self && self->*handle == hwnd ? self : nullptr;
}

LRESULT CALLBACK MainWindowUi::MainProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (MainWindowUi* self = Attached(hwnd, message, lParam, &MainWindowUi::window_)) {
    return self->OnMainMessage(message, wParam, lParam);
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK MainWindowUi::ApplicationProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (MainWindowUi* self = Attached(hwnd, message, lParam, &MainWindowUi::application_)) {
    return self->OnApplicationMessage(message, wParam, lParam);
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK MainWindowUi::PageProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<MainWindowUi*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && self->window_) {
    if (ForwardsToWindow(message)) return SendMessageW(self->window_, message, wParam, lParam);
    if (message == WM_LBUTTONUP && hwnd == self->ControlWindow(ControlId::AdvancedPage)) {
      self->Run(ApplyInstallFieldRule);
      return 0;
    }
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK MainWindowUi::ControlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                               DWORD_PTR selfPointer) {
  auto* self = reinterpret_cast<MainWindowUi*>(selfPointer);
  const auto control = static_cast<ControlId>(id);
  switch (message) {
    case WM_MOUSEMOVE:
      self->OnMouseMove(control, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      break;
    case WM_SETFOCUS:
      if (control == ControlId::UpButton) self->focusBeforeUp_ = reinterpret_cast<HWND>(wParam);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, ControlProcedure, id);
      break;
    default: break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void MainWindowView::CreateControls(Context& context, MainWindow& window) {
  ui_ = std::make_unique<MainWindowUi>(instance_, dialogs_, modalDialogs_);
  // Without a display there is no window; the program then ends at once.
  if (!ui_->Create(context, window)) ui_.reset();
}

void MainWindowView::PlaceWindow(Context&, MainWindow&) {
  if (ui_) ui_->Place();
}

void MainWindowView::SetUiTexts(Context&, MainWindow&) {
  if (ui_) ui_->ShowRecord();
}

bool MainWindowView::Open(Context& context, MainWindow& window) {
  if (!ui_) return false;
  ui_->ShowRecord();
  modalDialogs_.Create(instance_, ui_->ApplicationWindow(), ui_->Window(), context, window);
  ui_->Show();
  return true;
}

void MainWindowView::RunWindow(Context& context, MainWindow& window) {
  if (Open(context, window)) ui_->RunMessageLoop();
  ui_.reset();
}

}  // namespace fennick::win32
