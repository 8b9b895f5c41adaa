#include "ui/win32/dialog_views.h"

#include "ui/hotkey_dialog.h"
#include "ui/keyboard_dialog.h"
#include "ui/win32/window_classes.h"

namespace fennick::win32 {

namespace {

constexpr int kFirstId = 100;
constexpr int Fit = kFitToCaption;

// Control ids: OK and Cancel are the buttons Enter and Escape press.
template <typename Id>
constexpr int DialogIdOf(Id id, Id ok, Id cancel) {
  return id == ok ? IDOK : id == cancel ? IDCANCEL : kFirstId + static_cast<int>(id);
}
int IdOf(HotkeyControl id) { return DialogIdOf(id, HotkeyControl::OkButton, HotkeyControl::CancelButton); }
int IdOf(KeyboardControl id) { return DialogIdOf(id, KeyboardControl::OkButton, KeyboardControl::CancelButton); }

template <typename Id>
Id ControlOfId(int dialogId, Id ok, Id cancel) {
  return dialogId == IDOK ? ok : dialogId == IDCANCEL ? cancel : static_cast<Id>(dialogId - kFirstId);
}

// The hotkey editor: a client area of 193 x 189; the controls of the group box
// are placed in it.
std::vector<DialogControl> HotkeyLayout() {
  using C = HotkeyControl;
  const int group = IdOf(C::HotkeyGroup);
  return {
      {IdOf(C::TitleLabel), ControlKind::Label, 0, 8, 8, Fit, Fit, false},
      {IdOf(C::EnableBox), ControlKind::CheckBox, 0, 12, 29, Fit, Fit, true},
      {group, ControlKind::GroupBox, 0, 12, 56, 169, 97, false},
      {IdOf(C::CtrlBox), ControlKind::CheckBox, group, 11, 16, Fit, Fit, true},
      {IdOf(C::AltBox), ControlKind::CheckBox, group, 63, 16, Fit, Fit, true},
      {IdOf(C::ShiftBox), ControlKind::CheckBox, group, 115, 16, Fit, Fit, true},
      {IdOf(C::PlusLabel), ControlKind::Label, group, 16, 46, Fit, Fit, false},
      {IdOf(C::KeyChoice), ControlKind::DropDownList, group, 30, 42, 109, 0, true},
      {IdOf(C::LeftBox), ControlKind::CheckBox, group, 29, 71, Fit, Fit, true},
      {IdOf(C::RightBox), ControlKind::CheckBox, group, 109, 71, Fit, Fit, true},
      {IDOK, ControlKind::DefaultButton, 0, 16, 160, 65, 25, true},
      {IDCANCEL, ControlKind::PushButton, 0, 112, 160, 65, 22, true},
  };
}

// The keyboard-layout chooser: a client area of 255 x 124.
std::vector<DialogControl> KeyboardLayout() {
  using C = KeyboardControl;
  return {
      {IdOf(C::TitleLabel), ControlKind::Label, 0, 15, 8, Fit, Fit, false},
      {IdOf(C::CurrentLabel), ControlKind::Label, 0, 15, 32, Fit, Fit, false},
      {IdOf(C::NewLabel), ControlKind::Label, 0, 15, 64, Fit, Fit, false},
      {IdOf(C::CurrentBox), ControlKind::ReadOnlyEditBox, 0, 79, 28, 169, 22, true},
      {IdOf(C::LayoutChoice), ControlKind::DropDownList, 0, 80, 61, 169, 0, true},
      {IDOK, ControlKind::DefaultButton, 0, 51, 96, 57, 22, true},
      {IDCANCEL, ControlKind::PushButton, 0, 147, 96, 57, 22, true},
  };
}

const Control* ControlIn(const HotkeyDialog& d, HotkeyControl id) {
  switch (id) {
    case HotkeyControl::TitleLabel: return &d.TitleLabel;
    case HotkeyControl::EnableBox: return &d.EnableBox;
    case HotkeyControl::HotkeyGroup: return &d.HotkeyGroup;
    case HotkeyControl::CtrlBox: return &d.CtrlBox;
    case HotkeyControl::AltBox: return &d.AltBox;
    case HotkeyControl::ShiftBox: return &d.ShiftBox;
    case HotkeyControl::PlusLabel: return &d.PlusLabel;
    case HotkeyControl::KeyChoice: return &d.KeyChoice;
    case HotkeyControl::LeftBox: return &d.LeftBox;
    case HotkeyControl::RightBox: return &d.RightBox;
    case HotkeyControl::OkButton: return &d.OkButton;
    case HotkeyControl::CancelButton: return &d.CancelButton;
  }
  return nullptr;
}

const Control* ControlIn(const KeyboardDialog& d, KeyboardControl id) {
  switch (id) {
    case KeyboardControl::TitleLabel: return &d.TitleLabel;
    case KeyboardControl::CurrentLabel: return &d.CurrentLabel;
    case KeyboardControl::NewLabel: return &d.NewLabel;
    case KeyboardControl::CurrentBox: return &d.CurrentBox;
    case KeyboardControl::LayoutChoice: return &d.LayoutChoice;
    case KeyboardControl::OkButton: return &d.OkButton;
    case KeyboardControl::CancelButton: return &d.CancelButton;
  }
  return nullptr;
}

}  // namespace

// --- what both dialogs share ---

template <typename Dialog, typename Id>
HWND RecordDialogUi<Dialog, Id>::ControlOf(Id control) const {
  return ControlWindow(IdOf(control));
}

template <typename Dialog, typename Id>
bool RecordDialogUi<Dialog, Id>::CreateFor(HINSTANCE instance, HWND owner, Context& context, MainWindow& record,
                                           const wchar_t* className, int clientWidth, int clientHeight,
                                           const std::vector<DialogControl>& controls) {
  context_ = &context;
  record_ = &record;
  return CreateFrame(instance, owner, className, clientWidth, clientHeight, controls, (record.*member_).FontHeight);
}

template <typename Dialog, typename Id>
const Control* RecordDialogUi<Dialog, Id>::Record(int id, bool asShownBefore) const {
  return ControlIn(asShownBefore ? shown_ : record_->*member_, ControlOfId(id, Id::OkButton, Id::CancelButton));
}

template <typename Dialog, typename Id>
void RecordDialogUi<Dialog, Id>::ShowRecord() {
  SetShowing(true);
  const Dialog& now = record_->*member_;
  if (TextOf(Window()) != now.Title) SetText(Window(), now.Title);
  ShowControls();
  shown_ = now;
  SetShowing(false);
}

template <typename Dialog, typename Id>
void RecordDialogUi<Dialog, Id>::OnClose() {
  cancel_(*record_);
  ShowRecord();
}

template <typename Dialog, typename Id>
bool RecordDialogUi<Dialog, Id>::Closed() const {
  return (record_->*member_).Result != DialogResult::None;
}

template class RecordDialogUi<HotkeyDialog, HotkeyControl>;
template class RecordDialogUi<KeyboardDialog, KeyboardControl>;

// --- the hotkey editor ---

HotkeyDialogUi::HotkeyDialogUi() : RecordDialogUi(&MainWindow::HotkeyEditor, HotkeyDialogCancel) {}

bool HotkeyDialogUi::Create(HINSTANCE instance, HWND owner, Context& context, MainWindow& record) {
  return CreateFor(instance, owner, context, record, kHotkeyDialogClass, 193, 189, HotkeyLayout());
}

void HotkeyDialogUi::OnCommand(int id, int code, HWND from) {
  const HotkeyControl control = ControlOfId(id, HotkeyControl::OkButton, HotkeyControl::CancelButton);
  switch (control) {
    case HotkeyControl::OkButton: HotkeyDialogOk(*context_, *record_); break;
    case HotkeyControl::CancelButton: HotkeyDialogCancel(*record_); break;
    case HotkeyControl::KeyChoice:
      if (code != CBN_SELCHANGE) return;
      HotkeyKeyChosen(*record_, static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0)));
      break;
    default:
      if (code != BN_CLICKED || !from) return;
      HotkeyBoxClicked(*record_, control, SendMessageW(from, BM_GETCHECK, 0, 0) == BST_CHECKED);
      break;
  }
  ShowRecord();
}

// --- the keyboard-layout chooser ---

KeyboardDialogUi::KeyboardDialogUi() : RecordDialogUi(&MainWindow::KeyboardChooser, KeyboardDialogCancel) {}

bool KeyboardDialogUi::Create(HINSTANCE instance, HWND owner, Context& context, MainWindow& record) {
  return CreateFor(instance, owner, context, record, kKeyboardDialogClass, 255, 124, KeyboardLayout());
}

void KeyboardDialogUi::OnCommand(int id, int code, HWND from) {
  switch (ControlOfId(id, KeyboardControl::OkButton, KeyboardControl::CancelButton)) {
    case KeyboardControl::OkButton: KeyboardDialogOk(*context_, *record_); break;
    case KeyboardControl::CancelButton: KeyboardDialogCancel(*record_); break;
    case KeyboardControl::LayoutChoice:
      if (code != CBN_SELCHANGE) return;
      KeyboardLayoutChosen(*record_, static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0)));
      break;
    default: return;
  }
  ShowRecord();
}

// The current box in the tooltip colour, as a note beside the choice.
int KeyboardDialogUi::ColourOf(int id) const {
  return id == IdOf(KeyboardControl::CurrentBox) ? COLOR_INFOBK : DialogWindow::ColourOf(id);
}

// --- the host ---

void Win32DialogHost::Create(HINSTANCE instance, HWND owner, HWND mainWindow, Context& context, MainWindow& record) {
  mainWindow_ = mainWindow;
  hotkey_ = std::make_unique<HotkeyDialogUi>();
  if (!hotkey_->Create(instance, owner, context, record)) hotkey_.reset();
  keyboard_ = std::make_unique<KeyboardDialogUi>();
  if (!keyboard_->Create(instance, owner, context, record)) keyboard_.reset();
}

void Win32DialogHost::RunModal(Context&, MainWindow&, ModalDialog dialog) {
  switch (dialog) {
    case ModalDialog::Hotkey:
      if (hotkey_) hotkey_->Run(mainWindow_);
      break;
    case ModalDialog::Keyboard:
      if (keyboard_) keyboard_->Run(mainWindow_);
      break;
  }
}

}  // namespace fennick::win32
