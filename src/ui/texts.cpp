#include "ui/texts.h"

#include "hotkeys/hotkey_codes.h"
#include "hotkeys/ime_hotkeys.h"
#include "hotkeys/switch_chords.h"
#include "ui/main_window_controls.h"
#include "ui/system_menu.h"

namespace fennick {

namespace {

constexpr int kNtFontHeight = -11;
constexpr int kFontHeight = -12;

}  // namespace

const std::vector<ControlCaption>& ControlCaptions() {
  static const std::vector<ControlCaption> captions = {
      {ControlId::UpButton, {"&Up", "向上", "向上"}},
      {ControlId::DownButton, {"&Down", "向下", "向下"}},
      {ControlId::DeleteButton, {"De&lete", "删除", "刪除"}},
      {ControlId::HotkeyButton, {"&Hotkey", "热键", "熱鍵"}},
      {ControlId::PropertiesButton, {"&Property", "属性", "屬性"}},
      {ControlId::KeyboardButton, {"&KeyBoard", "键盘", "鍵盤"}},
      {ControlId::AddButton, {"&Add", "添加", "添加"}},
      {ControlId::OkButton, {"&OK", "确定", "確認"}},
      {ControlId::ApplyButton, {"&Apply", "应用", "套用"}},
      {ControlId::ExitButton, {"E&xit", "退出", "退出"}},
      {ControlId::IndicatorEnableCheck, {"Enable/Disable", "启用/禁用", "啟用/禁用"}},
      {ControlId::ImeStyleGroup, {"IME Style", "输入法风格", "輸入法風格"}},
      {ControlId::TextServicesRadio, {"Text Services", "高级文字服务", "高級文字服務"}},
      {ControlId::IndicatorRadio, {"Input Locales", "输入法指示器", "輸入法指示器"}},
      {ControlId::SwitchGroup, {"", "", ""}},
      {ControlId::LayoutSwitchCheck, {"Switch keyboard layouts", "切换键盘布局", "切換鍵盤布局"}},
      {ControlId::ToggleGroup, {"Other IME Toggle Key", "其它切换热键", "其它切換熱鍵"}},
      {ControlId::OtherGroup, {"Other", "其它", "其它"}},
      {ControlId::CapsLabel, {"Turn off Caps Lock", "关闭 Caps Lock: ", "關閉大寫鍵"}},
      {ControlId::ShowStatusCheck, {"Show Status", "输入法指示条", "輸入法指示條"}},
      {ControlId::RemoveGroup, {"Delete from Registry", "从注册表删除", "從注冊表刪除"}},
      {ControlId::RemoveButton, {"Delete", "删除", "刪除"}},
      {ControlId::InstallGroup, {"Install IME", "安装输入法", "安裝輸入法"}},
      {ControlId::InstallNameLabel, {"Layout Text: ", "输入法名称: ", "輸入法名稱: "}},
      {ControlId::InstallFileLabel, {"IME file: ", "IME 文件: ", "IME 檔案: "}},
      {ControlId::BrowseButton, {"...", "...", "..."}},
      {ControlId::InstallButton, {"Install", "安装", "安裝"}},
  };
  return captions;
}

void ApplyCaptions(MainWindow& window, UiLanguage language) {
  window.PageCaptions.clear();
  for (const Text3& caption : kPageCaptions) window.PageCaptions.push_back(caption.In(language));
  window.PreloadListView.NameColumnCaption = kNameColumnCaption.In(language);
  window.PreloadListView.HotkeyColumnCaption = kHotkeyColumnCaption.In(language);
  for (const ControlCaption& caption : ControlCaptions()) {
    if (Control* control = FindControl(window, caption.Control)) control->Caption = caption.Text.In(language);
  }
  window.LanguageSwitchCheck.Caption = LanguageSwitchCaption(window.Settings.ShownIndicatorStyle, language);
  window.ToggleHotkeyButton.Caption = window.HotkeyButton.Caption;
  window.ToggleCombo.Items = ToggleItems(language);
  window.CapsCombo.Items = {"Caps Lock", "Shift"};
}

void ApplyUiTexts(Context& context, MainWindow& window) {
  const UiLanguage language = window.Language;
  const WindowsVersion& version = context.Version;

  window.TaskbarTitle = kApplicationTitle;
  window.Title = window.TaskbarTitle + kVersionSuffix;
  window.SystemMenu = SystemMenuItems(language);

  ApplyCaptions(window, language);
  window.PreloadListView.NameColumnWidth = kNameColumnWidth;
  window.PreloadListView.HotkeyColumnWidth = kHotkeyColumnWidth;
  window.LanguageChordCombo.Items = ChordItems(version);
  window.LayoutChordCombo.Items = ChordItems(version);

  // From Windows Vista on the install button stays off for the whole run: the
  // install-field rule never turns it on there.
  if (version.IsVistaOrLater()) window.InstallButton.Enabled = false;

  window.FontHeight = version.IsNtFamily() ? kNtFontHeight : kFontHeight;
}

}  // namespace fennick
