#include "platform/sim/sim_files.h"

#include "common/text.h"

namespace fennick::sim {

void SimFiles::Put(const std::string& path, SimFile file) { files_[ToUpperAscii(path)] = std::move(file); }

void SimFiles::PutFolder(const std::string& path) { folders_.insert(ToUpperAscii(path)); }

void SimFiles::Remove(const std::string& path) { files_.erase(ToUpperAscii(path)); }

bool SimFiles::FileExists(const std::string& path) {
  log_.Record("GetFileAttributes " + path);
  return Get(path) != nullptr;
}

SimFile* SimFiles::Get(const std::string& path) {
  auto it = files_.find(ToUpperAscii(path));
  return it == files_.end() ? nullptr : &it->second;
}

std::optional<std::string> SimFiles::ReadTextFile(const std::string& path) {
  log_.Record("ReadFile " + path);
  const SimFile* file = Get(path);
  if (!file) return std::nullopt;
  const std::string bom = "\xEF\xBB\xBF";
  if (file->Bytes.compare(0, bom.size(), bom) == 0) return file->Bytes.substr(bom.size());
  return file->Bytes;
}

bool SimFiles::CopyFileNoReplace(const std::string& source, const std::string& target) {
  if (!log_.Record("CopyFile " + source + " -> " + target + " no replace")) return false;
  const SimFile* file = Get(source);
  std::size_t cut = target.rfind('\\');
  std::string folder = cut == std::string::npos ? std::string() : target.substr(0, cut);
  if (!file || Get(target) || protected_.count(ToUpperAscii(folder))) return false;
  files_[ToUpperAscii(target)] = *file;
  return true;
}

void SimFiles::ProtectFolder(const std::string& path) { protected_.insert(ToUpperAscii(path)); }

}  // namespace fennick::sim
