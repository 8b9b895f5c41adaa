#include "ui/main_window_controls.h"

namespace fennick {

const Control* FindControl(const MainWindow& w, ControlId id) {
  switch (id) {
    case ControlId::PreloadListView: return &w.PreloadListView;
    case ControlId::UpButton: return &w.UpButton;
    case ControlId::DownButton: return &w.DownButton;
    case ControlId::DeleteButton: return &w.DeleteButton;
    case ControlId::HotkeyButton: return &w.HotkeyButton;
    case ControlId::PropertiesButton: return &w.PropertiesButton;
    case ControlId::KeyboardButton: return &w.KeyboardButton;
    case ControlId::AvailableCombo: return &w.AvailableCombo;
    case ControlId::AddButton: return &w.AddButton;
    case ControlId::OkButton: return &w.OkButton;
    case ControlId::ApplyButton: return &w.ApplyButton;
    case ControlId::ExitButton: return &w.ExitButton;
    case ControlId::IndicatorEnableCheck: return &w.IndicatorEnableCheck;
    case ControlId::IndicatorRadio: return &w.IndicatorRadio;
    case ControlId::TextServicesRadio: return &w.TextServicesRadio;
    case ControlId::LanguageSwitchCheck: return &w.LanguageSwitchCheck;
    case ControlId::LayoutSwitchCheck: return &w.LayoutSwitchCheck;
    case ControlId::LanguageChordCombo: return &w.LanguageChordCombo;
    case ControlId::LayoutChordCombo: return &w.LayoutChordCombo;
    case ControlId::ToggleCombo: return &w.ToggleCombo;
    case ControlId::ToggleHotkeyButton: return &w.ToggleHotkeyButton;
    case ControlId::CapsCombo: return &w.CapsCombo;
    case ControlId::ShowStatusCheck: return &w.ShowStatusCheck;
    case ControlId::RemoveNameBox: return &w.RemoveNameBox;
    case ControlId::RemoveButton: return &w.RemoveButton;
    case ControlId::InstallNameEdit: return &w.InstallNameEdit;
    case ControlId::InstallFileEdit: return &w.InstallFileEdit;
    case ControlId::BrowseButton: return &w.BrowseButton;
    case ControlId::InstallButton: return &w.InstallButton;
    case ControlId::ImeStyleGroup: return &w.ImeStyleGroup;
    case ControlId::SwitchGroup: return &w.SwitchGroup;
    case ControlId::ToggleGroup: return &w.ToggleGroup;
    case ControlId::OtherGroup: return &w.OtherGroup;
    case ControlId::CapsLabel: return &w.CapsLabel;
    case ControlId::SeparatorLine: return &w.SeparatorLine;
    case ControlId::RemoveGroup: return &w.RemoveGroup;
    case ControlId::InstallGroup: return &w.InstallGroup;
    case ControlId::InstallNameLabel: return &w.InstallNameLabel;
    case ControlId::InstallFileLabel: return &w.InstallFileLabel;
    case ControlId::None:
    case ControlId::SettingsTabs:
    case ControlId::GeneralPage:
    case ControlId::OtherPage:
    case ControlId::AdvancedPage:
    case ControlId::StatusLine: return nullptr;
  }
  return nullptr;
}

Control* FindControl(MainWindow& w, ControlId id) {
  return const_cast<Control*>(FindControl(static_cast<const MainWindow&>(w), id));
}

}  // namespace fennick
