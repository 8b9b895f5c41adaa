#include "settings/display_names.h"

#include <cstdint>

#include "common/text.h"

namespace fennick {

namespace {

std::string LegacyNameOf(CatalogFileCache& files, const LayoutEntry& entry) {
  if (!entry.ImeFile.empty()) {
    std::string path = files.ImeFilePath(entry.ImeFile);
    // An IME whose file exists is named by its description, even an empty one.
    if (files.Exists(path)) return files.Description(path);
  }
  return entry.LayoutText;
}

}  // namespace

std::string ReadFileDescription(Context& context, const std::string& path) {
  return context.Os.files.FileDescription(path);
}

std::string ResolveDisplayName(CatalogFileCache& files, const std::string& text) {
  if (text.empty() || text[0] != '@') return text;
  std::string rest = text.substr(1);
  std::size_t comma = rest.find(',');
  std::string file = rest.substr(0, comma);
  std::string number = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
  // "-5000" names string resource 5000.
  std::int64_t id = -static_cast<std::int64_t>(Number(number));
  std::string path = files.Expand(file);
  // A file named without its folder is a system file: it is looked for in the
  // system directory, never in whatever the current directory is.
  if (!IsAbsolutePath(path)) path = files.SystemDirectory() + path;
  if (!files.Exists(path)) return {};
  // Resource numbers are 16 bits wide; the system would read a wider number by
  // its low 16 bits and find an unrelated string, so such a name has none.
  if (id < 0 || id > 0xFFFF) return {};
  return files.ResourceString(path, static_cast<std::uint16_t>(id));
}

EntryNames PreloadEntryNames(CatalogFileCache& files, const LayoutEntry& entry) {
  EntryNames names;
  names.LegacyName = LegacyNameOf(files, entry);
  if (!entry.DisplayName.empty()) {
    names.ServicesName = ResolveDisplayName(files, entry.DisplayName);
  } else if (!entry.LayoutText.empty()) {
    names.ServicesName = ResolveDisplayName(files, entry.LayoutText);
  } else {
    names.ServicesName = names.LegacyName;
  }
  return names;
}

EntryNames PreloadEntryNames(Context& context, CatalogFileCache& files, const std::string& layoutId) {
  return PreloadEntryNames(files, ReadLayoutEntry(context, layoutId));
}

EntryNames AvailableEntryNames(CatalogFileCache& files, const LayoutEntry& entry) {
  EntryNames names;
  names.LegacyName = LegacyNameOf(files, entry);
  names.ServicesName =
      entry.DisplayName.empty() ? names.LegacyName : ResolveDisplayName(files, entry.DisplayName);
  return names;
}

EntryNames AvailableEntryNames(Context& context, CatalogFileCache& files, const std::string& layoutId) {
  return AvailableEntryNames(files, ReadLayoutEntry(context, layoutId));
}

}  // namespace fennick
