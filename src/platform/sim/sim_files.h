// Files of the in-memory Windows. Paths compare without case; the system's
// ANSI code page is taken to be UTF-8, so text files are read as they are
// stored (a UTF-8 byte-order mark dropped). A file can carry what a PE image
// carries: a version resource, a string table and an icon.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/sim/call_log.h"

namespace fennick::sim {

// A version resource: its translation list and its string tables, each named
// by language and code page as eight hexadecimal digits ("080404B0").
struct SimVersionInfo {
  std::vector<std::pair<std::uint16_t, std::uint16_t>> Translations;  // (language, code page)
  std::map<std::string, std::map<std::string, std::string>> StringTables;
};

struct SimFile {
  SimFile() = default;
  SimFile(std::string bytes) : Bytes(std::move(bytes)) {}  // a plain file: just its bytes

  std::string Bytes;
  bool IsImage = false;  // a PE file, which opens as a resource module
  std::optional<SimVersionInfo> Version;
  std::map<std::uint16_t, std::string> Strings;  // the string table
  bool Icon = false;
};

// A PE image whose version resource lists one translation with a
// "FileDescription" in its string table.
SimFile DescribedImage(const std::string& description, std::uint16_t language = 0x0409,
                       std::uint16_t codePage = 0x04B0);
// A PE image with the given string table and no version resource.
SimFile StringImage(std::map<std::uint16_t, std::string> strings);

class SimFiles : public platform::Files {
 public:
  explicit SimFiles(CallLog& log) : log_(log) {}

  std::optional<std::string> ReadTextFile(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  std::string FileDescription(const std::string& path) override;
  std::unique_ptr<platform::ResourceModule> OpenResourceModule(const std::string& path) override;
  bool HasIcon(const std::string& path) override;

  void Put(const std::string& path, SimFile file);
  void PutFolder(const std::string& path);
  void Remove(const std::string& path);
  SimFile* Get(const std::string& path);
  // Resource modules opened and not yet released.
  int OpenModuleCount() const { return openModules_; }

  // Fails when the source is missing, the target exists or the target's folder
  // is protected.
  bool CopyFileNoReplace(const std::string& source, const std::string& target) override;
  // Files cannot be written into this folder (the system directory for a user
  // without administrator rights).
  void ProtectFolder(const std::string& path);

 private:
  class Module;

  CallLog& log_;
  std::map<std::string, SimFile> files_;  // keyed by the upper-case path
  std::set<std::string> folders_;         // upper-case paths
  std::set<std::string> protected_;       // upper-case folder paths
  int openModules_ = 0;
};

}  // namespace fennick::sim
