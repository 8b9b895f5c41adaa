// Where each control of the main window sits: kind, parent, position and size
// in pixels relative to the parent's client area, in creation order, which is
// also the order Tab moves the focus in.
#pragma once

#include <array>

#include "model/controls.h"
#include "ui/win32/win32_controls.h"

namespace fennick::win32 {

constexpr int kClientWidth = 327;
constexpr int kClientHeight = 426;
constexpr int kButtonHeight = 22;
constexpr int kEditHeight = 22;
constexpr int kDropDownWidth = 100;

struct ControlPlacement {
  ControlId Id;
  ControlKind Kind;
  ControlId Parent;  // None: the window itself
  int Left, Top, Width, Height;
  bool TabStop;
};

// Tab pages fill the tab control's display area; their rectangle comes from the
// tab control once it has its font.
constexpr std::array<ControlPlacement, 43> kMainWindowLayout = {{
    {ControlId::OkButton, ControlKind::DefaultButton, ControlId::None, 8, 375, 57, kButtonHeight, true},
    {ControlId::SettingsTabs, ControlKind::TabControl, ControlId::None, 8, 184, 313, 185, false},
    {ControlId::GeneralPage, ControlKind::TabPage, ControlId::SettingsTabs, 0, 0, 0, 0, false},
    {ControlId::OtherPage, ControlKind::TabPage, ControlId::SettingsTabs, 0, 0, 0, 0, false},
    {ControlId::AdvancedPage, ControlKind::TabPage, ControlId::SettingsTabs, 0, 0, 0, 0, false},
    // General page
    {ControlId::IndicatorEnableCheck, ControlKind::CheckBox, ControlId::GeneralPage, 176, 5, kFitToCaption, kFitToCaption, true},
    {ControlId::SwitchGroup, ControlKind::GroupBox, ControlId::GeneralPage, 8, 65, 289, 79, false},
    {ControlId::LanguageSwitchCheck, ControlKind::CheckBox, ControlId::SwitchGroup, 14, 18, kFitToCaption, kFitToCaption, true},
    {ControlId::LayoutSwitchCheck, ControlKind::CheckBox, ControlId::SwitchGroup, 145, 18, kFitToCaption, kFitToCaption, true},
    {ControlId::LanguageChordCombo, ControlKind::DropDownList, ControlId::SwitchGroup, 14, 41, kDropDownWidth, 0, true},
    {ControlId::LayoutChordCombo, ControlKind::DropDownList, ControlId::SwitchGroup, 145, 41, kDropDownWidth, 0, true},
    {ControlId::ImeStyleGroup, ControlKind::GroupBox, ControlId::GeneralPage, 8, 7, 289, 52, false},
    {ControlId::TextServicesRadio, ControlKind::RadioButton, ControlId::ImeStyleGroup, 158, 20, kFitToCaption, kFitToCaption, true},
    {ControlId::IndicatorRadio, ControlKind::RadioButton, ControlId::ImeStyleGroup, 38, 20, kFitToCaption, kFitToCaption, true},
    // Other page
    {ControlId::OtherGroup, ControlKind::GroupBox, ControlId::OtherPage, 8, 73, 289, 73, false},
    {ControlId::CapsLabel, ControlKind::Label, ControlId::OtherGroup, 24, 23, kFitToCaption, kFitToCaption, false},
    {ControlId::SeparatorLine, ControlKind::SunkenLine, ControlId::OtherGroup, 144, 16, 2, 49, false},
    {ControlId::ShowStatusCheck, ControlKind::CheckBox, ControlId::OtherGroup, 168, 31, kFitToCaption, kFitToCaption, true},
    {ControlId::CapsCombo, ControlKind::DropDownList, ControlId::OtherGroup, 24, 43, 81, 0, true},
    {ControlId::ToggleGroup, ControlKind::GroupBox, ControlId::OtherPage, 8, 6, 289, 60, false},
    {ControlId::ToggleHotkeyButton, ControlKind::PushButton, ControlId::ToggleGroup, 152, 26, 121, kButtonHeight, true},
    {ControlId::ToggleCombo, ControlKind::DropDownList, ControlId::ToggleGroup, 16, 26, 129, 0, true},
    // Advanced page
    {ControlId::RemoveGroup, ControlKind::GroupBox, ControlId::AdvancedPage, 8, 7, 289, 55, false},
    {ControlId::RemoveNameBox, ControlKind::TextPanel, ControlId::RemoveGroup, 16, 22, 185, 22, false},
    {ControlId::RemoveButton, ControlKind::PushButton, ControlId::RemoveGroup, 217, 22, 59, kButtonHeight, true},
    {ControlId::InstallGroup, ControlKind::GroupBox, ControlId::AdvancedPage, 8, 69, 289, 78, false},
    {ControlId::InstallFileLabel, ControlKind::Label, ControlId::InstallGroup, 15, 52, kFitToCaption, kFitToCaption, false},
    {ControlId::InstallNameLabel, ControlKind::Label, ControlId::InstallGroup, 15, 20, kFitToCaption, kFitToCaption, false},
    {ControlId::InstallNameEdit, ControlKind::EditBox, ControlId::InstallGroup, 91, 16, 182, kEditHeight, true},
    {ControlId::InstallFileEdit, ControlKind::EditBox, ControlId::InstallGroup, 91, 48, 94, kEditHeight, true},
    {ControlId::BrowseButton, ControlKind::PushButton, ControlId::InstallGroup, 187, 48, 25, kButtonHeight, true},
    {ControlId::InstallButton, ControlKind::PushButton, ControlId::InstallGroup, 221, 48, 55, kButtonHeight, true},
    // Back on the window
    {ControlId::UpButton, ControlKind::PushButton, ControlId::None, 8, 128, 41, kButtonHeight, false},
    {ControlId::DownButton, ControlKind::PushButton, ControlId::None, 51, 128, 41, kButtonHeight, true},
    {ControlId::DeleteButton, ControlKind::PushButton, ControlId::None, 97, 128, 43, kButtonHeight, true},
    {ControlId::AddButton, ControlKind::PushButton, ControlId::None, 264, 158, 57, kButtonHeight, true},
    {ControlId::AvailableCombo, ControlKind::DropDownList, ControlId::None, 8, 158, 249, 0, true},
    {ControlId::PreloadListView, ControlKind::ReportList, ControlId::None, 8, 8, 313, 113, true},
    {ControlId::ExitButton, ControlKind::PushButton, ControlId::None, 264, 375, 57, kButtonHeight, true},
    {ControlId::HotkeyButton, ControlKind::PushButton, ControlId::None, 145, 128, 57, kButtonHeight, true},
    {ControlId::ApplyButton, ControlKind::PushButton, ControlId::None, 82, 375, 57, kButtonHeight, true},
    {ControlId::PropertiesButton, ControlKind::PushButton, ControlId::None, 204, 128, 57, kButtonHeight, true},
    {ControlId::KeyboardButton, ControlKind::PushButton, ControlId::None, 264, 128, 57, kButtonHeight, true},
}};

// Dialog ids of the controls, clear of IDOK and IDCANCEL.
constexpr int kFirstControlId = 1000;
constexpr int DialogId(ControlId id) { return kFirstControlId + static_cast<int>(id); }
constexpr ControlId ControlOfDialogId(int dialogId) {
  return dialogId > kFirstControlId && dialogId <= DialogId(ControlId::StatusLine)
             ? static_cast<ControlId>(dialogId - kFirstControlId)
             : ControlId::None;
}

}  // namespace fennick::win32
