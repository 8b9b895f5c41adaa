#include "settings/apply_settings.h"

#include <set>

#include "common/text.h"
#include "hotkeys/ime_hotkeys.h"
#include "hotkeys/switch_chords.h"
#include "indicator/indicator_style.h"
#include "registry/schema.h"
#include "settings/catalog.h"
#include "settings/load_settings.h"

namespace fennick {

namespace {

// A name the user gave an IME goes into the catalog when it differs from both
// names the entry already has.
void WriteDisplayNames(Context& context, const WorkingSettings& s) {
  for (const PreloadEntry& entry : s.PreloadList) {
    if (entry.NewDisplayName.empty() || entry.NewDisplayName == entry.LegacyName ||
        entry.NewDisplayName == entry.ServicesName) {
      continue;
    }
    RegKey key = context.Registry.OpenOrCreate(schema::HKLM, schema::CatalogKey(entry.LayoutId));
    context.Registry.SetString(key, schema::kLayoutDisplayNameValue, entry.NewDisplayName);
  }
}

// The preload list of the NT family: values "1" to "n". The new values are
// written over the old ones first and the values past them removed after, so
// that a failure half-way never leaves the user without input locales.
void WriteNtPreloadList(Context& context, const WorkingSettings& s) {
  RegistryStore& registry = context.Registry;
  std::set<std::string> written;
  {
    RegKey key = registry.OpenOrCreate(schema::HKCU, schema::kPreloadKey);
    for (std::size_t n = 1; n <= s.PreloadList.size(); ++n) {
      registry.SetString(key, std::to_string(n), s.PreloadList[n - 1].LayoutId);
      written.insert(std::to_string(n));
    }
  }
  RegKey key = registry.OpenForWrite(schema::HKCU, schema::kPreloadKey);
  std::vector<std::string> names;
  registry.ListValueNames(key, names);
  for (const std::string& name : names) {
    if (!written.count(name)) registry.DeleteValue(key, name);
  }
}

// The preload list of the Windows 95 line: sub-keys "1" to "n", each holding its
// LayoutId as default value. As above, the new sub-keys are written first; the
// old ones past them are removed afterwards, and only when the last load found
// a list there.
void WriteWin9xPreloadList(Context& context, const WorkingSettings& s) {
  RegistryStore& registry = context.Registry;
  std::set<std::string> written;
  for (std::size_t n = 1; n <= s.PreloadList.size(); ++n) {
    RegKey key = registry.OpenOrCreate(schema::HKCU, schema::PreloadSubKey(static_cast<int>(n)));
    registry.SetString(key, schema::kDefaultValue, s.PreloadList[n - 1].LayoutId);
    written.insert(std::to_string(n));
  }
  if (s.LoadedPreloadCount <= 0) return;
  std::vector<std::string> subKeys;
  {
    RegKey key = registry.OpenForRead(schema::HKCU, schema::kPreloadKey);
    registry.ListSubKeys(key, subKeys);
  }
  for (const std::string& name : subKeys) {
    if (!written.count(name)) registry.DeleteKey(schema::HKCU, std::string(schema::kPreloadKey) + "\\" + name);
  }
  if (s.PreloadList.empty()) registry.DeleteKey(schema::HKCU, schema::kPreloadKey);
}

void WriteCapsRelease(Context& context, const WorkingSettings& s) {
  RegKey key = context.Registry.OpenOrCreate(schema::HKCU, schema::kKeyboardLayoutKey);
  context.Registry.SetDword(key, schema::kAttributesValue, s.CapsRelease == 0 ? 0 : schema::kCapsReleaseWithShift);
  std::uint32_t flags = platform::klf::Reset | (s.CapsRelease == 0 ? 0 : platform::klf::ShiftLock);
  context.Os.keyboard.ActivateLayout(0, flags);
}

// Unloads every layout and loads the list from its last entry to its first,
// which leaves the first entry at the head of the system's list; then the
// first layout becomes the active and the default one.
void ReloadLayouts(Context& context, WorkingSettings& s) {
  platform::Keyboard& keyboard = context.Os.keyboard;
  ReadLayoutHandles(context, s);
  for (platform::LayoutHandle handle : s.LayoutHandles) {
    if (handle != 0) keyboard.UnloadLayout(handle);
  }
  for (std::size_t n = s.PreloadList.size(); n >= 1; --n) {
    keyboard.LoadLayout(s.PreloadList[n - 1].LayoutId, platform::klf::Reorder);
  }
  ReadLayoutHandles(context, s);
  keyboard.ActivateLayout(s.LayoutHandles[0], platform::klf::Activate);
  keyboard.SetDefaultInputLanguage(s.LayoutHandles[0]);
}

}  // namespace

void ApplyWorkingSettings(Context& context, MainWindow& window) {
  WorkingSettings& s = window.Settings;
  const WindowsVersion& version = context.Version;
  context.Os.keyboard.SetShowImeStatus(s.ShowStatusWindow);
  WriteDisplayNames(context, s);
  if (version.IsNtFamily()) WriteNtPreloadList(context, s);
  if (version.IsWin9xFamily()) WriteWin9xPreloadList(context, s);
  WriteImeHotkeys(context, s);
  WriteOtherToggles(context, window);
  WriteSwitchChords(context, s);
  if (version.IsNtFamily()) WriteCapsRelease(context, s);
  context.Os.keyboard.ReloadLanguageToggle();
  ReloadLayouts(context, s);
  PurgeMissingImes(context);
  ApplyIndicatorStyle(context, window);
  LoadWorkingSettings(context, window);
}

void ApplyAndClose(Context& context, MainWindow& window) {
  ApplyWorkingSettings(context, window);
  window.CloseRequested = true;
}

}  // namespace fennick
