#include "settings/preload_editing.h"

#include <utility>

#include "common/text.h"
#include "hotkeys/ime_hotkeys.h"
#include "settings/catalog.h"
#include "settings/preload_selection.h"
#include "settings/row_icons.h"

namespace fennick {

void AddEntry(Context& context, MainWindow& window) {
  WorkingSettings& s = window.Settings;
  ComboBox& combo = window.AvailableCombo;
  if (combo.Current < 0 || combo.Current >= static_cast<int>(s.AvailableList.size())) return;
  const auto i = static_cast<std::size_t>(combo.Current);
  const AvailableEntry& available = s.AvailableList[i];
  // The item's text is normally the entry's shown name; after a removal it is
  // the removed row's text, which may be a name the user gave the entry.
  const std::string text = combo.Items[i];
  PreloadEntry entry{available.LayoutId, available.LegacyName, available.ServicesName, "", ""};
  if (text != entry.LegacyName && text != entry.ServicesName) entry.NewDisplayName = text;
  s.PreloadList.push_back(std::move(entry));
  window.PreloadListView.Rows.push_back({text});

  s.AvailableList.erase(s.AvailableList.begin() + static_cast<std::ptrdiff_t>(i));
  combo.Items.erase(combo.Items.begin() + static_cast<std::ptrdiff_t>(i));
  combo.Current = combo.Items.empty() ? -1 : 0;
  if (combo.Items.empty()) window.AddButton.Enabled = false;
  window.DeleteButton.Enabled = true;

  RefreshRowIcons(context, window);
  window.Focus = ControlId::PreloadListView;
}

void RemoveEntry(Context& context, MainWindow& window) {
  WorkingSettings& s = window.Settings;
  const int selected = window.PreloadListView.Selected;
  if (selected < 0 || selected >= static_cast<int>(s.PreloadList.size())) return;
  const auto i = static_cast<std::size_t>(selected);

  // Once a removal leaves a single entry, that entry cannot be removed.
  window.DeleteButton.Enabled = s.PreloadList.size() > 2;
  const PreloadEntry& entry = s.PreloadList[i];
  window.AvailableCombo.Items.push_back(window.PreloadListView.Rows[i].Name);
  s.AvailableList.push_back({entry.LayoutId, entry.LegacyName, entry.ServicesName});
  window.AddButton.Enabled = true;
  RemoveRowHotkey(s, i);

  // The layout-handle slots follow their entries up; the last slot keeps its value.
  for (std::size_t slot = i; slot + 1 < s.LayoutHandles.size(); ++slot) s.LayoutHandles[slot] = s.LayoutHandles[slot + 1];

  window.PreloadListView.Rows.erase(window.PreloadListView.Rows.begin() + static_cast<std::ptrdiff_t>(i));
  s.PreloadList.erase(s.PreloadList.begin() + static_cast<std::ptrdiff_t>(i));

  RefreshRowIcons(context, window);
  const int next = i < s.PreloadList.size() ? selected : selected - 1;
  SelectPreloadRow(context, window, next);
  window.Focus = ControlId::PreloadListView;
}

void RemoveAvailableEntry(MainWindow& window, std::size_t index) {
  WorkingSettings& s = window.Settings;
  ComboBox& combo = window.AvailableCombo;
  if (index >= s.AvailableList.size()) return;
  s.AvailableList.erase(s.AvailableList.begin() + static_cast<std::ptrdiff_t>(index));
  if (index < combo.Items.size()) combo.Items.erase(combo.Items.begin() + static_cast<std::ptrdiff_t>(index));
  const int removed = static_cast<int>(index);
  if (combo.Current == removed) {
    combo.Current = -1;
  } else if (combo.Current > removed) {
    --combo.Current;
  }
}

void SwapEntries(Context& context, MainWindow& window, std::size_t a, std::size_t b) {
  WorkingSettings& s = window.Settings;
  if (a >= s.PreloadList.size() || b >= s.PreloadList.size()) return;
  std::swap(s.PreloadList[a], s.PreloadList[b]);
  std::swap(window.PreloadListView.Rows[a], window.PreloadListView.Rows[b]);
  if (a < s.LayoutHandles.size() && b < s.LayoutHandles.size()) std::swap(s.LayoutHandles[a], s.LayoutHandles[b]);
  RefreshRowIcons(context, window);
}

void MoveEntryUp(Context& context, MainWindow& window) {
  const int p = window.PreloadListView.Selected;
  if (p <= 0 || p >= static_cast<int>(window.Settings.PreloadList.size())) return;
  SwapEntries(context, window, static_cast<std::size_t>(p - 1), static_cast<std::size_t>(p));
  SelectPreloadRow(context, window, p - 1);
}

void MoveEntryDown(Context& context, MainWindow& window) {
  const int p = window.PreloadListView.Selected;
  if (p < 0 || p + 1 >= static_cast<int>(window.Settings.PreloadList.size())) return;
  SwapEntries(context, window, static_cast<std::size_t>(p), static_cast<std::size_t>(p + 1));
  SelectPreloadRow(context, window, p + 1);
}

bool RenameEntry(MainWindow& window, std::size_t row, const std::optional<std::string>& text) {
  WorkingSettings& s = window.Settings;
  if (!text || Trim(*text).empty() || row >= s.PreloadList.size()) return false;
  // Only IMEs take a display name of their own, and only under text services.
  if (!IsIme(s.PreloadList[row].LayoutId) || s.IndicatorStyle == Indicator::LegacyIndicator) return false;
  if (*text != window.PreloadListView.Rows[row].Name) {
    s.PreloadList[row].NewDisplayName = *text;
    window.PreloadListView.Rows[row].Name = *text;
  }
  return true;
}

}  // namespace fennick
