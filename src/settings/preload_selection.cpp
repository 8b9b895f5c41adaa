#include "settings/preload_selection.h"

#include "hotkeys/hotkey_codes.h"
#include "settings/catalog.h"

namespace fennick {

void UpdateRowButtons(MainWindow& window) {
  const int selected = window.PreloadListView.Selected;
  const int rows = static_cast<int>(window.Settings.PreloadList.size());
  window.UpButton.Enabled = selected != 0;
  window.DownButton.Enabled = selected != rows - 1;
  window.PropertiesButton.Enabled =
      selected >= 0 && selected < rows && IsIme(window.Settings.PreloadList[static_cast<std::size_t>(selected)].LayoutId);
}

void SelectPreloadRow(Context& context, MainWindow& window, int row) {
  const int rows = static_cast<int>(window.Settings.PreloadList.size());
  if (row < 0 || row >= rows) {
    window.PreloadListView.Selected = -1;
    UpdateRowButtons(window);
    window.StatusLine.Set("");
    window.Focus = ControlId::PreloadListView;
    return;
  }
  window.PreloadListView.Selected = row;
  UpdateRowButtons(window);
  const PreloadEntry& entry = window.Settings.PreloadList[static_cast<std::size_t>(row)];
  window.StatusLine.Set(FormatStatusLine(context, entry.LayoutId, entry.HotkeyLabel, window.Language));
  window.Focus = ControlId::PreloadListView;
}

void EnsureRowSelected(Context& context, MainWindow& window) {
  const int rows = static_cast<int>(window.Settings.PreloadList.size());
  const int selected = window.PreloadListView.Selected;
  if (rows > 0 && (selected < 0 || selected >= rows)) SelectPreloadRow(context, window, rows - 1);
}

}  // namespace fennick
