// The layout catalog: one HKLM key per installed keyboard layout or IME under
// "SYSTEM\CurrentControlSet\Control\Keyboard Layouts", named by its LayoutId.
// Reading entries, the list of layouts that can still be added, the repair of
// missing base layouts and the removal of IMEs whose file is gone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/working_settings.h"
#include "registry/context.h"
#include "settings/catalog_files.h"

namespace fennick {

// One catalog key and the values its names are made of. ("Layout File" is read
// only where it is shown: the status line, the keyboard-layout chooser.)
struct LayoutEntry {
  std::string LayoutId;     // the key name in upper case
  std::string LayoutText;   // "Layout Text"
  std::string DisplayName;  // "Layout Display Name" (REG_SZ only): plain or "@file,-id"
  std::string ImeFile;      // "IME File"; empty for a plain layout
};

// An entry is an IME exactly when the first character of its LayoutId is not
// "0"; nothing else decides it.
bool IsIme(const std::string& layoutId);

// Characters 5 to 8 of a LayoutId ("0804" of E0010804), as far as they exist.
std::string LanguagePart(const std::string& layoutId);

// The entry's values, read with one open key; a missing key gives empty values.
LayoutEntry ReadLayoutEntry(Context& context, const std::string& layoutId);

// The "IME File" of the entry's catalog key as it stands in the registry now;
// empty when the key or the value is missing.
std::string ReadImeFile(Context& context, const std::string& layoutId);

// On the NT family, creates the US base layout "00000409" when it is missing,
// and on Traditional (0x404) or Simplified (0x804) Chinese systems the Chinese
// base layout of the system's language. Existing keys are left untouched;
// without rights to HKLM nothing happens.
void RepairBaseLayouts(Context& context, std::uint32_t systemLocale);

// The catalog entries that can still be added to the preload list, in this
// order: "00000409", the Chinese entries of the system's language, the other
// Chinese entries, Japanese, Korean and, on the NT family only, every other
// language (US variants are never offered). Each group keeps the registry's
// order. Entries of the preload list are left out, and so is every IME whose
// file does not exist.
std::vector<AvailableEntry> ListAvailableLayouts(Context& context, CatalogFileCache& files,
                                                 const std::vector<std::string>& preloadIds,
                                                 std::uint32_t systemLocale);

// Deletes the catalog key of every IME whose "IME File" is empty or names a
// file that does not exist. Plain layouts are never deleted.
void PurgeMissingImes(Context& context);

}  // namespace fennick
