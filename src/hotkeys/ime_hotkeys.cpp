#include "hotkeys/ime_hotkeys.h"

#include "common/text.h"
#include "hotkeys/hotkey_codes.h"
#include "registry/schema.h"

namespace fennick {

namespace {

constexpr std::uint32_t kFirstImeRecord = 0x100;
constexpr std::uint32_t kImeRecordsRead = 100;          // 0x100 to 0x163
constexpr std::uint32_t kLastImeRecordDeleted = 0x1C8;  // writing clears up to here

constexpr Text3 kToggleItems[3] = {
    {"Ime/NonIme Toggle", "打开/关闭输入法", "打開/關閉輸入法"},
    {"Shape Toggle", "全角/半角切换", "全角/半角切換"},
    {"Symbol Toggle", "中英文标点切换", "中英文標點切換"},
};
constexpr Text3 kDuplicateHotkeyText = {"Duplicate hotkey!", "热键重复！", "熱鍵重復！"};

// A four-byte REG_BINARY value; a missing one reads as 0.
std::uint32_t ReadNumber(RegistryStore& registry, const RegKey& key, const char* name) {
  std::array<std::uint8_t, 4> bytes = {0, 0, 0, 0};
  registry.GetBytes(key, name, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
  return HotkeyValueFromBytes(bytes);
}

void WriteNumber(RegistryStore& registry, const RegKey& key, const char* name, std::uint32_t number) {
  const std::array<std::uint8_t, 4> bytes = HotkeyValueBytes(number);
  registry.SetBytes(key, name, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

// The number of an eight-digit text; an empty text is written as 0.
std::uint32_t NumberOf(const std::string& hexText) { return hexText.empty() ? 0 : ParseHex(hexText); }

void WriteRecord(RegistryStore& registry, std::uint32_t recordNumber, std::uint32_t modifiers,
                 std::uint32_t virtualKey, std::uint32_t target) {
  RegKey key = registry.OpenOrCreate(schema::HKCU, schema::HotKeyRecordKey(recordNumber));
  WriteNumber(registry, key, schema::kKeyModifiersValue, modifiers);
  WriteNumber(registry, key, schema::kVirtualKeyValue, virtualKey);
  WriteNumber(registry, key, schema::kTargetImeValue, target);
}

}  // namespace

std::uint32_t TargetHandleOf(const std::string& layoutId) {
  if (layoutId.compare(0, 4, "0000") == 0) return ParseHex(layoutId.substr(4) + layoutId.substr(4));
  return ParseHex(layoutId);
}

std::string LayoutIdOfHandle(std::uint32_t handle) {
  std::string digits = Hex8(handle);
  if (digits.compare(0, 4, digits, 4, 4) == 0) return "0000" + digits.substr(0, 4);
  return digits;
}

std::array<std::optional<std::uint32_t>, 3> ToggleRecordNumbers(std::uint32_t systemLocale) {
  switch (systemLocale) {
    case 0x0804: return {0x10, 0x11, 0x12};
    case 0x0404: return {0x70, 0x71, 0x72};
    case 0x0412: return {0x50, 0x51, 0x52};
    case 0x0411: return {0x30, std::nullopt, std::nullopt};
    default: return {};
  }
}

std::vector<std::string> ToggleItems(UiLanguage language) {
  std::vector<std::string> items;
  for (const Text3& item : kToggleItems) items.push_back(item.In(language));
  return items;
}

const char* DuplicateHotkeyText(UiLanguage language) { return kDuplicateHotkeyText.In(language); }

void ReadImeHotkeys(Context& context, MainWindow& window) {
  RegistryStore& registry = context.Registry;
  WorkingSettings& s = window.Settings;
  s.ImeHotkeys.clear();
  for (std::uint32_t n = 0; n < kImeRecordsRead; ++n) {
    RegKey key = registry.OpenForRead(schema::HKCU, schema::HotKeyRecordKey(kFirstImeRecord + n));
    if (key.IsNone()) continue;
    std::string target = LayoutIdOfHandle(ReadNumber(registry, key, schema::kTargetImeValue));
    bool inPreloadList = false;
    for (const PreloadEntry& entry : s.PreloadList) inPreloadList = inPreloadList || entry.LayoutId == target;
    if (!inPreloadList) continue;  // dropped, and so deleted by the next write
    s.ImeHotkeys.push_back({Hex8(ReadNumber(registry, key, schema::kKeyModifiersValue)),
                            Hex8(ReadNumber(registry, key, schema::kVirtualKeyValue)), target});
  }
  // A later record for the same target overwrites the label of an earlier one.
  for (const ImeHotkey& record : s.ImeHotkeys) {
    for (PreloadEntry& entry : s.PreloadList) {
      if (entry.LayoutId != record.TargetLayoutId) continue;
      entry.HotkeyLabel = FormatHotkeyLabel(record.Modifiers, record.VirtualKey, window.Language);
      break;
    }
  }
}

void WriteImeHotkeys(Context& context, const WorkingSettings& settings) {
  RegistryStore& registry = context.Registry;
  for (std::uint32_t number = kFirstImeRecord; number <= kLastImeRecordDeleted; ++number) {
    const std::string path = schema::HotKeyRecordKey(number);
    if (registry.KeyExists(schema::HKCU, path)) registry.DeleteKey(schema::HKCU, path);
  }
  std::uint32_t number = kFirstImeRecord;
  for (const ImeHotkey& record : settings.ImeHotkeys) {
    WriteRecord(registry, number++, NumberOf(record.Modifiers), NumberOf(record.VirtualKey),
                TargetHandleOf(record.TargetLayoutId));
  }
}

void ReadOtherToggles(Context& context, MainWindow& window) {
  RegistryStore& registry = context.Registry;
  const auto numbers = ToggleRecordNumbers(window.SystemLocale);
  for (int slot = 0; slot < 3; ++slot) {
    ToggleSlot& toggle = window.Settings.OtherToggles[slot];
    toggle = ToggleSlot();
    if (!numbers[slot]) continue;
    RegKey key = registry.OpenForRead(schema::HKCU, schema::HotKeyRecordKey(*numbers[slot]));
    if (key.IsNone()) continue;
    toggle.Modifiers = Hex8(ReadNumber(registry, key, schema::kKeyModifiersValue));
    toggle.VirtualKey = Hex8(ReadNumber(registry, key, schema::kVirtualKeyValue));
  }
  // A Japanese system has only the IME open/close toggle.
  if (window.SystemLocale == 0x0411 && window.ToggleCombo.Items.size() > 1) window.ToggleCombo.Items.resize(1);
  window.ToggleHotkeyButton.Caption = ToggleLabel(window, window.Settings.SelectedToggle);
}

void WriteOtherToggles(Context& context, const MainWindow& window) {
  const auto numbers = ToggleRecordNumbers(window.SystemLocale);
  for (int slot = 0; slot < 3; ++slot) {
    if (!numbers[slot]) continue;
    const ToggleSlot& toggle = window.Settings.OtherToggles[slot];
    WriteRecord(context.Registry, *numbers[slot], NumberOf(toggle.Modifiers), NumberOf(toggle.VirtualKey), 0);
  }
}

std::string ToggleLabel(const MainWindow& window, int slot) {
  if (slot < 0 || slot > 2) return {};
  const ToggleSlot& toggle = window.Settings.OtherToggles[slot];
  return FormatHotkeyLabel(toggle.Modifiers, toggle.VirtualKey, window.Language);
}

void SelectOtherToggle(MainWindow& window, int slot) {
  window.Settings.SelectedToggle = slot;
  window.ToggleHotkeyButton.Caption = ToggleLabel(window, slot);
}

void SetRowHotkey(MainWindow& window, std::size_t row, const std::string& modifiers, const std::string& virtualKey,
                  const std::string& label) {
  WorkingSettings& s = window.Settings;
  if (row >= s.PreloadList.size()) return;
  PreloadEntry& entry = s.PreloadList[row];
  if (entry.HotkeyLabel.empty()) {
    s.ImeHotkeys.push_back({modifiers, virtualKey, entry.LayoutId});
  } else {
    for (ImeHotkey& record : s.ImeHotkeys) {
      if (record.TargetLayoutId != entry.LayoutId) continue;
      record.Modifiers = modifiers;
      record.VirtualKey = virtualKey;
    }
  }
  entry.HotkeyLabel = label;
}

void SetOtherToggle(MainWindow& window, int slot, const std::string& modifiers, const std::string& virtualKey) {
  if (slot < 0 || slot > 2) return;
  window.Settings.OtherToggles[slot] = {modifiers, virtualKey};
}

bool HotkeyInUse(const WorkingSettings& settings, const std::string& modifiers, const std::string& virtualKey) {
  for (const ImeHotkey& record : settings.ImeHotkeys) {
    if (record.Modifiers == modifiers && record.VirtualKey == virtualKey) return true;
  }
  for (const ToggleSlot& toggle : settings.OtherToggles) {
    if (toggle.Modifiers == modifiers && toggle.VirtualKey == virtualKey) return true;
  }
  return false;
}

void RemoveRowHotkey(WorkingSettings& settings, std::size_t row) {
  if (row >= settings.PreloadList.size() || settings.PreloadList[row].HotkeyLabel.empty()) return;
  const std::string& target = settings.PreloadList[row].LayoutId;
  for (auto it = settings.ImeHotkeys.begin(); it != settings.ImeHotkeys.end(); ++it) {
    if (it->TargetLayoutId == target) {
      settings.ImeHotkeys.erase(it);
      return;
    }
  }
}

bool LabelInUse(const MainWindow& window, const std::string& label, std::optional<std::size_t> exceptRow,
                std::optional<int> exceptToggle) {
  const auto& entries = window.Settings.PreloadList;
  for (std::size_t row = 0; row < entries.size(); ++row) {
    if (row != exceptRow && entries[row].HotkeyLabel == label) return true;
  }
  const int offered = static_cast<int>(window.ToggleCombo.Items.size());
  for (int slot = 0; slot < offered && slot < 3; ++slot) {
    if (slot != exceptToggle && ToggleLabel(window, slot) == label) return true;
  }
  return false;
}

}  // namespace fennick
