#include "settings/catalog_files.h"

#include "common/text.h"
#include "settings/display_names.h"

namespace fennick {

bool IsAbsolutePath(const std::string& path) {
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (path.size() >= 2 && letter(path[0]) && path[1] == ':') return true;
  return !path.empty() && (path[0] == '\\' || path[0] == '/');
}

const std::string& CatalogFileCache::SystemDirectory() {
  if (!systemDirectory_) systemDirectory_ = context_.Os.system.SystemDirectory() + "\\";
  return *systemDirectory_;
}

std::string CatalogFileCache::ImeFilePath(const std::string& imeFile) {
  return IsAbsolutePath(imeFile) ? imeFile : SystemDirectory() + imeFile;
}

bool CatalogFileCache::Exists(const std::string& path) {
  auto [it, added] = exists_.try_emplace(ToUpperAscii(path), false);
  if (added) it->second = context_.Os.files.FileExists(path);
  return it->second;
}

std::string CatalogFileCache::Description(const std::string& path) {
  auto [it, added] = descriptions_.try_emplace(ToUpperAscii(path));
  if (added) it->second = ReadFileDescription(context_, path);
  return it->second;
}

std::string CatalogFileCache::Expand(const std::string& text) {
  auto [it, added] = expanded_.try_emplace(text);
  if (added) it->second = context_.Os.system.ExpandEnvironment(text);
  return it->second;
}

std::string CatalogFileCache::ResourceString(const std::string& path, std::uint16_t id) {
  auto [it, added] = modules_.try_emplace(ToUpperAscii(path));
  if (added) it->second = context_.Os.files.OpenResourceModule(path);
  return it->second ? it->second->String(id) : std::string();
}

}  // namespace fennick
