// What one load of the settings learns about the files the layout catalog
// names: whether a file exists, its file description, and the resource modules
// display names are read from.
//
// A real catalog has about 200 entries whose display names all live in one
// system file, and many IMEs share their files, so each distinct file is asked
// about once and each module is opened once per load, however many entries
// name it.
//
// Use: create one at the start of a load, hand it to every PreloadEntryNames,
// AvailableEntryNames, ListAvailableLayouts and ResolveDisplayName call of
// that load, and let it go at the end of the load, which releases the modules.
// Do not keep it from one load to the next: files come and go in between (an
// IME installed, an IME file deleted).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/files.h"
#include "registry/context.h"

namespace fennick {

// True for a path that names its file by itself: one with a drive letter
// ("C:\..."), a UNC path ("\\server\share\...") or one that starts at the
// root ("\..."). Wine's input method manager stores such a path as the
// "IME File"; Windows stores a bare file name.
bool IsAbsolutePath(const std::string& path);

class CatalogFileCache {
 public:
  explicit CatalogFileCache(Context& context) : context_(context) {}
  CatalogFileCache(const CatalogFileCache&) = delete;
  CatalogFileCache& operator=(const CatalogFileCache&) = delete;

  // The file an "IME File" value names: an absolute path as it stands, a bare
  // name in the system directory.
  std::string ImeFilePath(const std::string& imeFile);
  // The system directory with a trailing backslash.
  const std::string& SystemDirectory();

  bool Exists(const std::string& path);
  std::string Description(const std::string& path);
  std::string Expand(const std::string& text);
  // String resource `id` of the file, read from a module opened once per load;
  // empty when the file cannot be opened or has no such string.
  std::string ResourceString(const std::string& path, std::uint16_t id);

 private:
  Context& context_;
  std::optional<std::string> systemDirectory_;
  // Keyed by the upper-case path: file names compare without case.
  std::map<std::string, bool> exists_;
  std::map<std::string, std::string> descriptions_;
  std::map<std::string, std::unique_ptr<platform::ResourceModule>> modules_;  // null: could not be opened
  std::map<std::string, std::string> expanded_;
};

}  // namespace fennick
