#include "ui/hotkey_dialog.h"

#include <optional>

#include "common/message_texts.h"
#include "common/text.h"
#include "hotkeys/hotkey_codes.h"
#include "hotkeys/ime_hotkeys.h"

namespace fennick {

namespace {

constexpr Text3 kTitle = {"Hotkey", "热键", "熱鍵"};  // also the group's caption
constexpr Text3 kEnableCaption = {"Enable hotkey", "启用热键", "啟用熱鍵"};
constexpr Text3 kNoKey = {"None", "无", "無"};
constexpr Text3 kLeftCaption = {"Left", "左", "左"};
constexpr Text3 kRightCaption = {"Right", "右", "右"};
constexpr Text3 kOkCaption = {"OK", "确定", "確認"};
constexpr Text3 kCancelCaption = {"Cancel", "取消", "放棄"};
// The title label's text until the first use names what is edited.
constexpr char kFirstTitle[] = "输入法";

constexpr char kRightCode[] = "40";
constexpr char kLeftCode[] = "80";
constexpr char kEitherCode[] = "C0";

// Digits first + 1 and first + 2 of an eight-digit text, as far as they exist.
std::string Digits(const std::string& text, std::size_t first) {
  return text.size() > first ? ToUpperAscii(text.substr(first, 2)) : std::string();
}

CheckBox* BoxOf(HotkeyDialog& dialog, HotkeyControl box) {
  switch (box) {
    case HotkeyControl::EnableBox: return &dialog.EnableBox;
    case HotkeyControl::CtrlBox: return &dialog.CtrlBox;
    case HotkeyControl::AltBox: return &dialog.AltBox;
    case HotkeyControl::ShiftBox: return &dialog.ShiftBox;
    case HotkeyControl::LeftBox: return &dialog.LeftBox;
    case HotkeyControl::RightBox: return &dialog.RightBox;
    default: return nullptr;
  }
}

void ClearResult(HotkeyDialog& dialog) {
  dialog.Result = DialogResult::None;
  dialog.Code.clear();
  dialog.Label.clear();
  dialog.Rejected = false;
}

void ReportDuplicate(Context& context, const MainWindow& window) {
  platform::ShowInformation(context.Os.dialogs, DuplicateHotkeyText(window.Language), kApplicationTitle);
}

}  // namespace

void CreateHotkeyDialog(Context& context, MainWindow& window) {
  const UiLanguage language = window.Language;
  HotkeyDialog dialog;
  dialog.Title = kTitle.In(language);
  const WindowsVersionClass version = context.Version.Class;
  const bool small = version == WindowsVersionClass::WinNT || version == WindowsVersionClass::Win2000 ||
                     version == WindowsVersionClass::WinXP || version == WindowsVersionClass::WinVista;
  dialog.FontHeight = small ? -11 : -12;
  dialog.TitleLabel.Caption = kFirstTitle;
  dialog.EnableBox.Caption = kEnableCaption.In(language);
  dialog.HotkeyGroup.Caption = kTitle.In(language);
  dialog.CtrlBox.Caption = "Ctrl";
  dialog.AltBox.Caption = "Alt";
  dialog.ShiftBox.Caption = "Shift";
  dialog.PlusLabel.Caption = "+";
  dialog.KeyChoice.Items.push_back(kNoKey.In(language));
  for (const KeyNameEntry& key : KeyNameTable()) dialog.KeyChoice.Items.push_back(key.Name);
  dialog.KeyChoice.Current = 0;
  dialog.LeftBox.Caption = kLeftCaption.In(language);
  dialog.RightBox.Caption = kRightCaption.In(language);
  dialog.LeftBox.Checked = dialog.RightBox.Checked = true;
  dialog.OkButton.Caption = kOkCaption.In(language);
  dialog.CancelButton.Caption = kCancelCaption.In(language);
  window.HotkeyEditor = dialog;
}

void LoadHotkey(HotkeyDialog& dialog, const std::string& modifiers, const std::string& virtualKey) {
  if (modifiers.empty()) {
    dialog.CtrlBox.Checked = dialog.AltBox.Checked = dialog.ShiftBox.Checked = false;
    dialog.LeftBox.Checked = dialog.RightBox.Checked = false;
  } else {
    const std::string modifierCode = Digits(modifiers, 6);
    if (modifierCode.size() == 2 && modifierCode[0] == '0' && modifierCode[1] >= '1' && modifierCode[1] <= '7') {
      const std::uint32_t bits = static_cast<std::uint32_t>(modifierCode[1] - '0');
      dialog.AltBox.Checked = bits & modifier::Alt;
      dialog.CtrlBox.Checked = bits & modifier::Ctrl;
      dialog.ShiftBox.Checked = bits & modifier::Shift;
    }
    const std::string sideCode = Digits(modifiers, 4);
    if (sideCode == kRightCode || sideCode == kLeftCode || sideCode == kEitherCode) {
      dialog.LeftBox.Checked = sideCode != kRightCode;
      dialog.RightBox.Checked = sideCode != kLeftCode;
    }
  }
  if (virtualKey.empty()) {
    dialog.KeyChoice.Current = 0;
    return;
  }
  dialog.EnableBox.Checked = true;
  const std::string keyCode = Digits(virtualKey, 6);
  const auto& table = KeyNameTable();
  for (std::size_t n = 0; n < table.size(); ++n) {
    if (keyCode == table[n].Code) {
      dialog.KeyChoice.Current = static_cast<int>(n) + 1;
      break;
    }
  }
}

void ApplyEnableRule(HotkeyDialog& dialog) {
  const bool enabled = dialog.EnableBox.Checked;
  for (CheckBox* box : {&dialog.CtrlBox, &dialog.AltBox, &dialog.ShiftBox, &dialog.LeftBox, &dialog.RightBox}) {
    box->Enabled = enabled;
    if (!enabled) box->Checked = false;
  }
  dialog.KeyChoice.Enabled = enabled;
  if (!enabled) dialog.KeyChoice.Current = 0;
  dialog.PlusLabel.Enabled = enabled;
}

void HotkeyBoxClicked(MainWindow& window, HotkeyControl box, bool checked) {
  HotkeyDialog& dialog = window.HotkeyEditor;
  CheckBox* clicked = BoxOf(dialog, box);
  if (!clicked || !clicked->Enabled) return;
  clicked->Checked = checked;
  if (box != HotkeyControl::EnableBox) return;
  if (checked) dialog.LeftBox.Checked = dialog.RightBox.Checked = true;
  ApplyEnableRule(dialog);
}

void HotkeyKeyChosen(MainWindow& window, int index) {
  ComboBox& keys = window.HotkeyEditor.KeyChoice;
  if (keys.Enabled && index >= 0 && index < static_cast<int>(keys.Items.size())) keys.Current = index;
}

void HotkeyDialogOk(Context& context, MainWindow& window) {
  HotkeyDialog& dialog = window.HotkeyEditor;
  ClearResult(dialog);
  dialog.Result = DialogResult::Ok;

  const std::uint32_t modifierCode = (dialog.AltBox.Checked ? modifier::Alt : 0) |
                                     (dialog.CtrlBox.Checked ? modifier::Ctrl : 0) |
                                     (dialog.ShiftBox.Checked ? modifier::Shift : 0);
  const char* sideCode = dialog.LeftBox.Checked && dialog.RightBox.Checked ? kEitherCode
                         : dialog.RightBox.Checked                        ? kRightCode
                         : dialog.LeftBox.Checked                         ? kLeftCode
                                                                          : nullptr;
  const int key = dialog.KeyChoice.Current;
  const auto& table = KeyNameTable();
  if (!dialog.EnableBox.Checked || modifierCode == 0 || !sideCode || key < 1 || key > static_cast<int>(table.size())) {
    return;  // no hotkey
  }
  const std::string code = std::string(sideCode) + "0" + std::to_string(modifierCode) + table[key - 1].Code;
  const std::string label = FormatHotkeyLabel("0000" + code.substr(0, 4), "000000" + code.substr(4), window.Language);

  // The row being edited may keep its own hotkey; every other row and every
  // offered toggle counts.
  const int selected = window.PreloadListView.Selected;
  const std::optional<std::size_t> editedRow =
      selected >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(selected)) : std::nullopt;
  if (LabelInUse(window, label, editedRow, std::nullopt)) {
    ReportDuplicate(context, window);
    dialog.Rejected = true;
    return;
  }
  dialog.Code = code;
  dialog.Label = label;
}

void HotkeyDialogCancel(MainWindow& window) {
  ClearResult(window.HotkeyEditor);
  window.HotkeyEditor.Result = DialogResult::Cancel;
}

std::string ResultModifiers(const HotkeyDialog& dialog) {
  return dialog.Code.size() == 6 ? "0000" + dialog.Code.substr(0, 4) : std::string();
}

std::string ResultVirtualKey(const HotkeyDialog& dialog) {
  return dialog.Code.size() == 6 ? "000000" + dialog.Code.substr(4) : std::string();
}

void EditRowHotkey(Context& context, MainWindow& window, DialogHost& host) {
  WorkingSettings& s = window.Settings;
  const int row = window.PreloadListView.Selected;
  if (row < 0 || row >= static_cast<int>(s.PreloadList.size()) ||
      row >= static_cast<int>(window.PreloadListView.Rows.size())) {
    return;
  }
  const auto r = static_cast<std::size_t>(row);
  HotkeyDialog& dialog = window.HotkeyEditor;
  dialog.TitleLabel.Caption = window.PreloadListView.Rows[r].Name;
  // The row's first record is the one shown and then changed.
  std::optional<std::size_t> remembered;
  if (s.PreloadList[r].HotkeyLabel.empty()) {
    dialog.EnableBox.Checked = false;
  } else {
    for (std::size_t i = 0; i < s.ImeHotkeys.size() && !remembered; ++i) {
      if (s.ImeHotkeys[i].TargetLayoutId == s.PreloadList[r].LayoutId) remembered = i;
    }
    if (remembered) LoadHotkey(dialog, s.ImeHotkeys[*remembered].Modifiers, s.ImeHotkeys[*remembered].VirtualKey);
  }
  ApplyEnableRule(dialog);
  ClearResult(dialog);

  host.RunModal(context, window, ModalDialog::Hotkey);

  if (dialog.Result == DialogResult::Ok && !dialog.Rejected) {
    PreloadEntry& entry = s.PreloadList[r];
    if (!dialog.Code.empty()) {
      if (remembered) {
        s.ImeHotkeys[*remembered].Modifiers = ResultModifiers(dialog);
        s.ImeHotkeys[*remembered].VirtualKey = ResultVirtualKey(dialog);
      } else {
        s.ImeHotkeys.push_back({ResultModifiers(dialog), ResultVirtualKey(dialog), entry.LayoutId});
      }
    } else if (remembered) {
      s.ImeHotkeys.erase(s.ImeHotkeys.begin() + static_cast<std::ptrdiff_t>(*remembered));
    }
    entry.HotkeyLabel = dialog.Label;
  }
  ClearResult(dialog);
}

void EditOtherToggle(Context& context, MainWindow& window, DialogHost& host) {
  const int slot = window.Settings.SelectedToggle;
  const auto& items = window.ToggleCombo.Items;
  if (slot < 0 || slot >= static_cast<int>(items.size()) || slot >= static_cast<int>(window.Settings.OtherToggles.size())) {
    return;
  }
  HotkeyDialog& dialog = window.HotkeyEditor;
  dialog.TitleLabel.Caption = items[static_cast<std::size_t>(slot)];
  const ToggleSlot toggle = window.Settings.OtherToggles[static_cast<std::size_t>(slot)];
  LoadHotkey(dialog, toggle.Modifiers, toggle.VirtualKey);
  // Like a row without a hotkey, a toggle without one starts with the enable
  // box cleared, whatever the last use left in it.
  if (ToggleLabel(window, slot).empty()) dialog.EnableBox.Checked = false;
  ApplyEnableRule(dialog);
  ClearResult(dialog);

  host.RunModal(context, window, ModalDialog::Hotkey);

  if (dialog.Result == DialogResult::Ok) {
    if (!dialog.EnableBox.Checked) {
      SetOtherToggle(window, slot, "", "");
      window.ToggleHotkeyButton.Caption.clear();
    } else if (!dialog.Label.empty()) {
      // Every row, the selected one included, and every other toggle.
      if (LabelInUse(window, dialog.Label, std::nullopt, slot)) {
        ReportDuplicate(context, window);
      } else {
        SetOtherToggle(window, slot, ResultModifiers(dialog), ResultVirtualKey(dialog));
        window.ToggleHotkeyButton.Caption = ToggleLabel(window, slot);
      }
    }
  }
  ClearResult(dialog);
}

}  // namespace fennick
