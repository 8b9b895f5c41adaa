#include "ime/remove_layout.h"

#include "common/message_texts.h"
#include "common/text.h"
#include "registry/schema.h"
#include "settings/catalog.h"
#include "settings/preload_editing.h"

namespace fennick {

void DeleteAvailableLayout(Context& context, MainWindow& window, std::size_t index) {
  WorkingSettings& s = window.Settings;
  if (index >= s.AvailableList.size()) return;
  context.Registry.DeleteKey(schema::HKLM, schema::CatalogKey(s.AvailableList[index].LayoutId));
  RemoveAvailableEntry(window, index);
  window.AvailableCombo.Current = window.AvailableCombo.Items.empty() ? -1 : 0;
}

void RemoveCatalogEntry(Context& context, MainWindow& window) {
  const WorkingSettings& s = window.Settings;
  ComboBox& combo = window.AvailableCombo;
  const int current = combo.Current;
  if (current < 0 || current >= static_cast<int>(s.AvailableList.size()) ||
      current >= static_cast<int>(combo.Items.size())) {
    return;
  }
  const auto i = static_cast<std::size_t>(current);
  const std::string& layoutId = s.AvailableList[i].LayoutId;
  const std::string imeFile = ToUpperAscii(ReadImeFile(context, layoutId));
  const std::string question = std::string(kDeletePromptPrefix.In(window.Language)) + layoutId + ":\"" +
                               combo.Items[i] + " (" + imeFile + ")" + kDeletePromptSuffix.In(window.Language);
  const int answer = context.Os.dialogs.ShowMessage(platform::BoxOwner::ActiveWindow, question,
                                                    kWarningTitle.In(window.Language),
                                                    platform::box::OkCancel | platform::box::IconExclamation);
  if (answer != platform::box::IdOk) return;

  DeleteAvailableLayout(context, window, i);
  const bool hasCurrent = combo.Current >= 0;
  window.RemoveNameBox.Caption = hasCurrent ? combo.Items[static_cast<std::size_t>(combo.Current)] : std::string();
  window.RemoveButton.Enabled =
      hasCurrent && IsIme(window.Settings.AvailableList[static_cast<std::size_t>(combo.Current)].LayoutId);
}

}  // namespace fennick
