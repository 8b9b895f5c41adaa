// Files of the in-memory Windows. Paths compare without case; the system's
// ANSI code page is taken to be UTF-8, so text files are read as they are
// stored (a UTF-8 byte-order mark dropped).
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/files.h"
#include "platform/sim/call_log.h"

namespace fennick::sim {

struct SimFile {
  std::string Bytes;
};

class SimFiles : public platform::Files {
 public:
  explicit SimFiles(CallLog& log) : log_(log) {}

  std::optional<std::string> ReadTextFile(const std::string& path) override;
  bool FileExists(const std::string& path) override;

  void Put(const std::string& path, SimFile file);
  void PutFolder(const std::string& path);
  void Remove(const std::string& path);
  SimFile* Get(const std::string& path);

  // Fails when the source is missing, the target exists or the target's folder
  // is protected.
  bool CopyFileNoReplace(const std::string& source, const std::string& target) override;
  // Files cannot be written into this folder (the system directory for a user
  // without administrator rights).
  void ProtectFolder(const std::string& path);

 private:
  CallLog& log_;
  std::map<std::string, SimFile> files_;  // keyed by the upper-case path
  std::set<std::string> folders_;         // upper-case paths
  std::set<std::string> protected_;       // upper-case folder paths
};

}  // namespace fennick::sim
