// The names the program shows for catalog entries: one for the legacy
// indicator style (the IME file's description, or the layout text) and one for
// the text-services style (the display name, which may live in a string
// resource of a system file).
#pragma once

#include <string>

#include "registry/context.h"
#include "settings/catalog.h"
#include "settings/catalog_files.h"

namespace fennick {

struct EntryNames {
  std::string LegacyName;
  std::string ServicesName;
};

// The "FileDescription" of the file's version resource, under the first
// translation it lists; empty when there is none.
std::string ReadFileDescription(Context& context, const std::string& path);

// A display name of the form "@file,-id" becomes string resource id of the
// file, with environment variables in the file part expanded; empty when the
// file or the string does not exist. Any other text stays as it is.
std::string ResolveDisplayName(CatalogFileCache& files, const std::string& text);

// Names of an entry of the preload list. LegacyName: the description of the
// IME file when the entry has one that exists, otherwise the layout text.
// ServicesName: the resolved display name, else the resolved layout text, else
// LegacyName.
EntryNames PreloadEntryNames(Context& context, CatalogFileCache& files, const std::string& layoutId);
EntryNames PreloadEntryNames(CatalogFileCache& files, const LayoutEntry& entry);

// Names of an entry of the available list: LegacyName as above; ServicesName
// the resolved display name, else LegacyName (the layout text is not
// consulted).
EntryNames AvailableEntryNames(Context& context, CatalogFileCache& files, const std::string& layoutId);
EntryNames AvailableEntryNames(CatalogFileCache& files, const LayoutEntry& entry);

}  // namespace fennick
