#include "ui/keyboard_dialog.h"

#include <vector>

#include "common/text.h"
#include "registry/catalog_value.h"
#include "registry/schema.h"
#include "settings/catalog_files.h"
#include "settings/display_names.h"
#include "ui/texts.h"

namespace fennick {

namespace {

constexpr Text3 kCurrentCaption = {"Current: ", "当前: ", "當前: "};
constexpr Text3 kNewCaption = {"New: ", "修改为: ", "修改為: "};
constexpr Text3 kOkCaption = {"OK", "确认", "確定"};
constexpr Text3 kCancelCaption = {"Cancel", "取消", "放棄"};
// The title label's text until the first use names the input locale.
constexpr char kFirstTitle[] = "IME";
constexpr char kUsLayout[] = "00000409";

bool Offered(const std::string& layoutId) {
  if (layoutId == "00000404" || layoutId == "00000804" || layoutId == kUsLayout) return false;
  return layoutId.empty() || (layoutId[0] != 'E' && layoutId[0] != 'e');
}

void AddLayout(Context& context, CatalogFileCache& files, KeyboardDialog& dialog, const std::string& layoutId) {
  RegKey key = context.Registry.OpenForRead(schema::HKLM, schema::CatalogKey(layoutId));
  std::string name = ResolveDisplayName(files, context.Registry.GetString(key, schema::kLayoutDisplayNameValue));
  if (name.empty()) name = context.Registry.GetString(key, schema::kLayoutTextValue);
  dialog.LayoutChoice.Items.push_back(name);
  dialog.LayoutFiles.push_back(ToUpperAscii(context.Registry.GetString(key, schema::kLayoutFileValue)));
  dialog.LayoutIds.push_back(layoutId);
}

// The current box: the edited input locale's layout file, named by the first
// offered layout with that file when there is one.
void ShowCurrentLayout(Context& context, KeyboardDialog& dialog) {
  std::string file;
  if (!dialog.EditedLayoutId.empty()) {
    file = ToUpperAscii(ReadCatalogValue(context, dialog.EditedLayoutId, schema::kLayoutFileValue));
  }
  dialog.CurrentBox.Text = file;
  if (file.empty()) return;
  for (std::size_t i = 0; i < dialog.LayoutFiles.size() && i < dialog.LayoutChoice.Items.size(); ++i) {
    if (dialog.LayoutFiles[i] == file) {
      dialog.CurrentBox.Text = dialog.LayoutChoice.Items[i];
      return;
    }
  }
}

}  // namespace

void CreateKeyboardDialog(Context& context, MainWindow& window) {
  const UiLanguage language = window.Language;
  KeyboardDialog dialog;
  dialog.Title = kKeyboardDialogTitle.In(language);
  const WindowsVersion& version = context.Version;
  const bool small = version.Class == WindowsVersionClass::WinNT || version.Class == WindowsVersionClass::Win2000 ||
                     version.Class == WindowsVersionClass::WinXP || version.Class == WindowsVersionClass::WinVista ||
                     version.IsWindows7OrLater();
  dialog.FontHeight = small ? -11 : -12;
  dialog.TitleLabel.Caption = kFirstTitle;
  dialog.CurrentLabel.Caption = kCurrentCaption.In(language);
  dialog.NewLabel.Caption = kNewCaption.In(language);
  dialog.OkButton.Caption = kOkCaption.In(language);
  dialog.CancelButton.Caption = kCancelCaption.In(language);

  std::vector<std::string> layoutIds;
  {
    RegKey catalog = context.Registry.OpenForRead(schema::HKLM, schema::kLayoutsKey);
    context.Registry.ListSubKeys(catalog, layoutIds);
  }
  CatalogFileCache files(context);
  AddLayout(context, files, dialog, kUsLayout);
  for (const std::string& layoutId : layoutIds) {
    if (Offered(layoutId)) AddLayout(context, files, dialog, layoutId);
  }
  window.KeyboardChooser = dialog;
}

void ChooseKeyboard(Context& context, MainWindow& window, DialogHost& host) {
  KeyboardDialog& dialog = window.KeyboardChooser;
  const int row = window.PreloadListView.Selected;
  const bool selected = row >= 0 && row < static_cast<int>(window.Settings.PreloadList.size()) &&
                        row < static_cast<int>(window.PreloadListView.Rows.size());
  const auto r = static_cast<std::size_t>(row);
  dialog.TitleLabel.Caption = selected ? window.PreloadListView.Rows[r].Name : std::string();
  dialog.EditedLayoutId = selected ? window.Settings.PreloadList[r].LayoutId : std::string();
  ShowCurrentLayout(context, dialog);
  dialog.Result = DialogResult::None;
  host.RunModal(context, window, ModalDialog::Keyboard);
  dialog.Result = DialogResult::None;
}

void KeyboardLayoutChosen(MainWindow& window, int index) {
  ComboBox& choice = window.KeyboardChooser.LayoutChoice;
  if (index >= 0 && index < static_cast<int>(choice.Items.size())) choice.Current = index;
}

void KeyboardDialogOk(Context& context, MainWindow& window) {
  KeyboardDialog& dialog = window.KeyboardChooser;
  dialog.Result = DialogResult::Ok;
  const int chosen = dialog.LayoutChoice.Current;
  if (dialog.EditedLayoutId.empty() || chosen < 0 || chosen >= static_cast<int>(dialog.LayoutFiles.size())) return;
  const std::string& file = dialog.LayoutFiles[static_cast<std::size_t>(chosen)];
  // A layout without a file would leave the input locale without a keyboard.
  if (file.empty()) return;
  RegKey key = context.Registry.OpenOrCreate(schema::HKLM, schema::CatalogKey(dialog.EditedLayoutId));
  context.Registry.SetString(key, schema::kLayoutFileChosenValue, file);
}

void KeyboardDialogCancel(MainWindow& window) { window.KeyboardChooser.Result = DialogResult::Cancel; }

}  // namespace fennick
