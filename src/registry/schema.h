// Every registry key and value name the program reads, writes or deletes.
// Names compare without case; the lower-case spellings ("preload", "hotkey",
// "Layout file") address the same keys and values as the usual ones.
#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace fennick::schema {

constexpr platform::RegRoot HKCU = platform::RegRoot::CurrentUser;
constexpr platform::RegRoot HKLM = platform::RegRoot::LocalMachine;

// HKCU
constexpr char kKeyboardLayoutKey[] = "Keyboard Layout";
constexpr char kAttributesValue[] = "Attributes";
constexpr std::uint32_t kCapsReleaseWithShift = 0x10000;

constexpr char kPreloadKey[] = "Keyboard Layout\\preload";

constexpr char kToggleKey[] = "Keyboard Layout\\Toggle";
constexpr char kHotkeyValue[] = "hotkey";
constexpr char kLanguageHotkeyValue[] = "Language Hotkey";
constexpr char kLayoutHotkeyValue[] = "Layout Hotkey";
constexpr char kDefaultValue[] = "";

constexpr char kInputMethodKey[] = "Control Panel\\Input Method";
constexpr char kShowStatusValue[] = "Show Status";

constexpr char kHotKeysKey[] = "Control Panel\\Input Method\\Hot Keys";
constexpr char kKeyModifiersValue[] = "Key Modifiers";
constexpr char kVirtualKeyValue[] = "Virtual Key";
constexpr char kTargetImeValue[] = "Target IME";

constexpr char kCtfKey[] = "Software\\Microsoft\\CTF";
constexpr char kDisableThreadInputManagerValue[] = "Disable Thread Input Manager";
constexpr char kLangBarKey[] = "Software\\Microsoft\\CTF\\LangBar";
constexpr char kLangBarShowStatusValue[] = "ShowStatus";

// HKCU and HKLM
constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// HKLM: the layout catalog, one sub-key per LayoutId.
constexpr char kLayoutsKey[] = "SYSTEM\\CurrentControlSet\\Control\\Keyboard Layouts";
constexpr char kLayoutTextValue[] = "Layout Text";
constexpr char kLayoutDisplayNameValue[] = "Layout Display Name";
constexpr char kLayoutFileValue[] = "Layout File";
// The keyboard-layout chooser writes "Layout File" under this spelling.
constexpr char kLayoutFileChosenValue[] = "Layout file";
constexpr char kImeFileValue[] = "IME File";

// "Keyboard Layout\preload\" + n, the Windows 95 line's form of the preload list.
std::string PreloadSubKey(int n);
// The catalog key of one layout.
std::string CatalogKey(const std::string& layoutId);
// "Control Panel\Input Method\Hot Keys\" + the record number as 8 hex digits.
std::string HotKeyRecordKey(std::uint32_t recordNumber);

}  // namespace fennick::schema
