#include "platform/sim/sim_files.h"

#include "common/text.h"

namespace fennick::sim {

namespace {

std::string Hex4(std::uint16_t value) { return Hex8(value).substr(4); }

// Version-resource keys compare without case, as the system's lookup does.
template <typename Map>
const typename Map::mapped_type* FindIgnoringCase(const Map& map, const std::string& key) {
  for (const auto& entry : map) {
    if (EqualsIgnoreCase(entry.first, key)) return &entry.second;
  }
  return nullptr;
}

}  // namespace

SimFile DescribedImage(const std::string& description, std::uint16_t language, std::uint16_t codePage) {
  SimFile file;
  file.IsImage = true;
  file.Version = SimVersionInfo{{{language, codePage}}, {{Hex4(language) + Hex4(codePage), {{"FileDescription", description}}}}};
  return file;
}

SimFile StringImage(std::map<std::uint16_t, std::string> strings) {
  SimFile file;
  file.IsImage = true;
  file.Strings = std::move(strings);
  return file;
}

// A module stays valid while it is open even when the file is removed, so it
// keeps its own copy of the string table.
class SimFiles::Module : public platform::ResourceModule {
 public:
  Module(SimFiles& files, std::string path, std::map<std::uint16_t, std::string> strings)
      : files_(files), path_(std::move(path)), strings_(std::move(strings)) {
    ++files_.openModules_;
  }
  ~Module() override {
    files_.log_.Record("FreeLibrary " + path_);
    --files_.openModules_;
  }

  std::string String(std::uint16_t id) override {
    if (!files_.log_.Record("LoadString " + path_ + "|" + std::to_string(id))) return {};
    auto it = strings_.find(id);
    return it == strings_.end() ? std::string() : it->second;
  }

 private:
  SimFiles& files_;
  std::string path_;
  std::map<std::uint16_t, std::string> strings_;
};

void SimFiles::Put(const std::string& path, SimFile file) { files_[ToUpperAscii(path)] = std::move(file); }

void SimFiles::PutFolder(const std::string& path) { folders_.insert(ToUpperAscii(path)); }

void SimFiles::Remove(const std::string& path) { files_.erase(ToUpperAscii(path)); }

bool SimFiles::FileExists(const std::string& path) {
  if (!log_.Record("GetFileAttributes " + path)) return false;
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

std::string SimFiles::FileDescription(const std::string& path) {
  if (!log_.Record("GetFileVersionInfo " + path)) return {};
  const SimFile* file = Get(path);
  if (!file || !file->Version || file->Version->Translations.empty()) return {};
  auto [language, codePage] = file->Version->Translations.front();
  const auto* table = FindIgnoringCase(file->Version->StringTables, Hex4(language) + Hex4(codePage));
  if (!table) return {};
  const std::string* description = FindIgnoringCase(*table, "FileDescription");
  return description ? *description : std::string();
}

std::unique_ptr<platform::ResourceModule> SimFiles::OpenResourceModule(const std::string& path) {
  if (!log_.Record("LoadLibraryEx " + path)) return nullptr;
  const SimFile* file = Get(path);
  if (!file || !file->IsImage) return nullptr;
  return std::make_unique<Module>(*this, path, file->Strings);
}

bool SimFiles::HasIcon(const std::string& path) {
  if (!log_.Record("ExtractIcon " + path)) return false;
  const SimFile* file = Get(path);
  return file && file->Icon;
}

}  // namespace fennick::sim
