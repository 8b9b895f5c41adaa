// Files as the program reads them.
#pragma once

#include <optional>
#include <string>

namespace fennick::platform {

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
};

}  // namespace fennick::platform
