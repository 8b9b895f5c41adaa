#include "settings/catalog.h"

#include <array>

#include "common/text.h"
#include "registry/catalog_value.h"
#include "registry/schema.h"
#include "settings/display_names.h"

namespace fennick {

namespace {

using schema::HKLM;

constexpr std::uint32_t kTraditionalChineseLocale = 0x0404;
constexpr std::uint32_t kSimplifiedChineseLocale = 0x0804;

// The base layouts the repair writes.
constexpr char kUsLayoutId[] = "00000409";
constexpr char kTraditionalLayoutId[] = "00000404";
constexpr char kSimplifiedLayoutId[] = "00000804";
constexpr char kUsLayoutFile[] = "KBDUS.DLL";
constexpr char kUsTextSimplified[] = "美国英语";
constexpr char kUsTextTraditional[] = "美式英文";
constexpr char kUsTextOther[] = "US";
constexpr char kTraditionalBaseText[] = "中文 (繁體) - 美式鍵盤";
constexpr char kSimplifiedBaseText[] = "中文 (简体) - 美式键盘";

// Language parts of the groups of the available list.
constexpr char kUsLanguage[] = "0409";
constexpr char kTraditionalLanguage[] = "0404";
constexpr char kSimplifiedLanguage[] = "0804";
constexpr char kJapaneseLanguage[] = "0411";
constexpr char kKoreanLanguage[] = "0412";

std::vector<std::string> CatalogKeyNames(Context& context) {
  std::vector<std::string> names;
  RegKey key = context.Registry.OpenForRead(HKLM, schema::kLayoutsKey);
  context.Registry.ListSubKeys(key, names);
  return names;
}

void RepairBaseLayout(Context& context, const std::string& layoutId, const std::string& layoutText) {
  std::string path = schema::CatalogKey(layoutId);
  if (context.Registry.KeyExists(HKLM, path)) return;
  RegKey key = context.Registry.OpenOrCreate(HKLM, path);
  context.Registry.SetString(key, schema::kLayoutFileValue, kUsLayoutFile);
  context.Registry.SetString(key, schema::kLayoutTextValue, layoutText);
}

// An IME stays in the catalog and in the available list only while its file exists.
bool ImeFileMissing(CatalogFileCache& files, const std::string& imeFile) {
  return imeFile.empty() || !files.Exists(files.ImeFilePath(imeFile));
}

}  // namespace

bool IsIme(const std::string& layoutId) { return !layoutId.empty() && layoutId[0] != '0'; }

std::string LanguagePart(const std::string& layoutId) {
  return layoutId.size() > 4 ? layoutId.substr(4, 4) : std::string();
}

LayoutEntry ReadLayoutEntry(Context& context, const std::string& layoutId) {
  LayoutEntry entry;
  entry.LayoutId = ToUpperAscii(layoutId);
  RegKey key = context.Registry.OpenForRead(HKLM, schema::CatalogKey(layoutId));
  if (key.IsNone()) return entry;
  entry.LayoutText = context.Registry.GetString(key, schema::kLayoutTextValue);
  entry.DisplayName = context.Registry.GetString(key, schema::kLayoutDisplayNameValue);
  entry.ImeFile = context.Registry.GetString(key, schema::kImeFileValue);
  return entry;
}

std::string ReadImeFile(Context& context, const std::string& layoutId) {
  return ReadCatalogValue(context, layoutId, schema::kImeFileValue);
}

void RepairBaseLayouts(Context& context, std::uint32_t systemLocale) {
  if (!context.Version.IsNtFamily()) return;
  const char* usText = systemLocale == kSimplifiedChineseLocale    ? kUsTextSimplified
                       : systemLocale == kTraditionalChineseLocale ? kUsTextTraditional
                                                                   : kUsTextOther;
  RepairBaseLayout(context, kUsLayoutId, usText);
  if (systemLocale == kTraditionalChineseLocale) RepairBaseLayout(context, kTraditionalLayoutId, kTraditionalBaseText);
  if (systemLocale == kSimplifiedChineseLocale) RepairBaseLayout(context, kSimplifiedLayoutId, kSimplifiedBaseText);
}

std::vector<AvailableEntry> ListAvailableLayouts(Context& context, CatalogFileCache& files,
                                                 const std::vector<std::string>& preloadIds,
                                                 std::uint32_t systemLocale) {
  bool traditionalFirst = systemLocale == kTraditionalChineseLocale;
  const std::array<std::string, 4> languages = {traditionalFirst ? kTraditionalLanguage : kSimplifiedLanguage,
                                                traditionalFirst ? kSimplifiedLanguage : kTraditionalLanguage,
                                                kJapaneseLanguage, kKoreanLanguage};
  // Groups: US, first Chinese, second Chinese, Japanese, Korean, other.
  std::array<std::vector<std::string>, 6> groups;
  for (const std::string& name : CatalogKeyNames(context)) {
    std::string id = ToUpperAscii(name);
    std::string language = LanguagePart(id);
    if (id == kUsLayoutId) {
      groups[0].push_back(id);
      continue;
    }
    bool grouped = false;
    for (std::size_t i = 0; i < languages.size() && !grouped; ++i) {
      if (language == languages[i]) {
        groups[i + 1].push_back(id);
        grouped = true;
      }
    }
    if (!grouped && language != kUsLanguage && context.Version.IsNtFamily()) groups[5].push_back(id);
  }

  std::vector<AvailableEntry> available;
  for (const std::vector<std::string>& group : groups) {
    for (const std::string& id : group) {
      bool preloaded = false;
      for (const std::string& preloadId : preloadIds) preloaded = preloaded || ToUpperAscii(preloadId) == id;
      if (preloaded) continue;
      LayoutEntry entry = ReadLayoutEntry(context, id);
      if (IsIme(id) && ImeFileMissing(files, entry.ImeFile)) continue;
      EntryNames names = AvailableEntryNames(files, entry);
      available.push_back({id, names.LegacyName, names.ServicesName});
    }
  }
  return available;
}

void PurgeMissingImes(Context& context) {
  CatalogFileCache files(context);
  for (const std::string& name : CatalogKeyNames(context)) {
    if (!IsIme(name)) continue;
    if (ImeFileMissing(files, ReadImeFile(context, name))) context.Registry.DeleteKey(HKLM, schema::CatalogKey(name));
  }
}

}  // namespace fennick
