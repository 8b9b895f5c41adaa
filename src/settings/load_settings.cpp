#include "settings/load_settings.h"

#include "common/text.h"
#include "hotkeys/ime_hotkeys.h"
#include "hotkeys/switch_chords.h"
#include "indicator/indicator_style.h"
#include "registry/schema.h"
#include "settings/catalog.h"
#include "settings/display_names.h"
#include "settings/preload_selection.h"
#include "settings/row_icons.h"
#include "settings/shown_names.h"

namespace fennick {

namespace {

void EmptyLists(MainWindow& window) {
  WorkingSettings& s = window.Settings;
  window.PreloadListView.Rows.clear();
  window.PreloadListView.Selected = -1;
  window.AvailableCombo.Items.clear();
  window.AvailableCombo.Current = -1;
  s.PreloadList.clear();
  s.AvailableList.clear();
  s.ImeHotkeys.clear();
}

// Which indicator runs decides the style: text services when the language bar
// runs (always from Windows Vista on), the legacy indicator otherwise; with no
// indicator running at all, indicators count as switched off.
void ReadIndicatorStyle(Context& context, MainWindow& window) {
  WorkingSettings& s = window.Settings;
  bool indicatorSelected = IsProcessRunning(context, indicator::kInternat);
  bool servicesSelected = IsProcessRunning(context, indicator::kCtfmon);
  window.IndicatorRadio.Enabled = s.IndicatorEnabled;
  window.TextServicesRadio.Enabled = s.IndicatorEnabled;
  if (context.Version.IsVistaOrLater()) {
    servicesSelected = true;
    window.IndicatorRadio.Enabled = false;
  }
  if (!indicatorSelected && !servicesSelected) {
    indicatorSelected = true;
    s.IndicatorEnabled = false;
  }
  s.IndicatorStyle = servicesSelected ? Indicator::TextServices : Indicator::LegacyIndicator;
}

// The preload list as stored: numbered values on the NT family, numbered
// sub-keys on the Windows 95 line, up to the first missing number.
std::vector<std::string> ReadPreloadIds(Context& context, MainWindow& window) {
  RegistryStore& registry = context.Registry;
  std::vector<std::string> ids;
  if (context.Version.IsNtFamily()) {
    RegKey key = registry.OpenForRead(schema::HKCU, schema::kPreloadKey);
    for (int n = 1; registry.ValueExists(key, std::to_string(n)); ++n) {
      ids.push_back(registry.GetString(key, std::to_string(n)));
    }
  } else if (context.Version.IsWin9xFamily()) {
    for (int n = 1; registry.KeyExists(schema::HKCU, schema::PreloadSubKey(n)); ++n) {
      RegKey key = registry.OpenForRead(schema::HKCU, schema::PreloadSubKey(n));
      ids.push_back(registry.GetString(key, schema::kDefaultValue));
    }
    window.CapsCombo.Enabled = false;
  }
  return ids;
}

void ReadPreloadList(Context& context, MainWindow& window, CatalogFileCache& files) {
  WorkingSettings& s = window.Settings;
  for (const std::string& id : ReadPreloadIds(context, window)) {
    if (id.empty()) continue;  // names no layout
    PreloadEntry entry;
    entry.LayoutId = ToUpperAscii(id);
    EntryNames names = PreloadEntryNames(context, files, entry.LayoutId);
    entry.LegacyName = names.LegacyName;
    entry.ServicesName = names.ServicesName;
    // An entry without a name has no catalog data worth showing; it is left
    // out, so the next apply no longer writes it.
    if (ShownName(entry, s.IndicatorStyle).empty()) continue;
    window.PreloadListView.Rows.push_back({ShownName(entry, s.IndicatorStyle)});
    s.PreloadList.push_back(std::move(entry));
  }
  s.LoadedPreloadCount = static_cast<int>(s.PreloadList.size());
}

void ReadAvailableList(Context& context, MainWindow& window, CatalogFileCache& files) {
  WorkingSettings& s = window.Settings;
  std::vector<std::string> preloadIds;
  for (const PreloadEntry& entry : s.PreloadList) preloadIds.push_back(entry.LayoutId);
  s.AvailableList = ListAvailableLayouts(context, files, preloadIds, window.SystemLocale);
  for (const AvailableEntry& entry : s.AvailableList) {
    window.AvailableCombo.Items.push_back(ShownName(entry, s.IndicatorStyle));
  }
}

void ReadCapsAndStatusWindow(Context& context, WorkingSettings& s) {
  RegistryStore& registry = context.Registry;
  RegKey keyboard = registry.OpenForRead(schema::HKCU, schema::kKeyboardLayoutKey);
  s.CapsRelease = registry.GetDword(keyboard, schema::kAttributesValue) == 0 ? 0 : 1;
  RegKey inputMethod = registry.OpenForRead(schema::HKCU, schema::kInputMethodKey);
  s.ShowStatusWindow = registry.GetString(inputMethod, schema::kShowStatusValue) == "1";
}

}  // namespace

void ReadLayoutHandles(Context& context, WorkingSettings& s) {
  s.LayoutHandles.fill(0);
  std::vector<platform::LayoutHandle> loaded = context.Os.keyboard.LoadedLayouts(kLayoutHandleSlots - 1);
  for (std::size_t i = 0; i < loaded.size() && i < s.LayoutHandles.size(); ++i) s.LayoutHandles[i] = loaded[i];
}

void LoadWorkingSettings(Context& context, MainWindow& window) {
  WorkingSettings& s = window.Settings;
  CatalogFileCache files(context);
  EmptyLists(window);
  ReadIndicatorStyle(context, window);
  ReadPreloadList(context, window, files);
  ReadImeHotkeys(context, window);
  ReadOtherToggles(context, window);
  UpdateRowButtons(window);
  RepairBaseLayouts(context, window.SystemLocale);
  ReadAvailableList(context, window, files);
  ReadCapsAndStatusWindow(context, s);
  ReadSwitchChords(context, window);
  window.AvailableCombo.Current = window.AvailableCombo.Items.empty() ? -1 : 0;
  SelectPreloadRow(context, window, 0);
  ReadLayoutHandles(context, s);
  RefreshRowIcons(context, window, files);
  s.ShownIndicatorStyle = s.IndicatorStyle;
}

}  // namespace fennick
