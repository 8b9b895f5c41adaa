// Files as the program reads them.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace fennick::platform {

// A file mapped as resource data only: its code never runs. The module is
// released when the object goes.
class ResourceModule {
 public:
  virtual ~ResourceModule() = default;

  // String resource number `id` as UTF-8; empty when the module has none.
  virtual std::string String(std::uint16_t id) = 0;
};

class Files {
 public:
  virtual ~Files() = default;

  // The whole file as UTF-8 text: a file that starts with a UTF-8 byte-order
  // mark is UTF-8 (the mark dropped), any other is decoded from the system's
  // ANSI code page. Nothing when the file cannot be opened.
  virtual std::optional<std::string> ReadTextFile(const std::string& path) = 0;

  // True when the path names an existing file (a folder does not count).
  virtual bool FileExists(const std::string& path) = 0;

  // Copies a file to a target that must not exist yet (fail-if-exists). False
  // when the source is missing, the target exists or it cannot be written.
  virtual bool CopyFileNoReplace(const std::string& source, const std::string& target) = 0;

  // The "FileDescription" text of the file's version resource, taken from the
  // string table of the first (language, code page) pair the resource lists
  // under "\VarFileInfo\Translation". Empty when the file has no version
  // resource, no translation or no such string.
  virtual std::string FileDescription(const std::string& path) = 0;

  // Opens the file as a resource-only module (nothing of it runs); nothing when
  // it cannot be opened that way.
  virtual std::unique_ptr<ResourceModule> OpenResourceModule(const std::string& path) = 0;

  // True when the file holds an icon that extracting icon number 0 gives.
  virtual bool HasIcon(const std::string& path) = 0;
};

}  // namespace fennick::platform
