#include "platform/sim/sim_registry.h"

#include <functional>

#include "common/text.h"

namespace fennick::sim {

namespace {

constexpr std::uint32_t kWriteRights = 0x0002 | 0x0004 | 0x0020 | 0x10000 | 0x40000 | 0x80000;

std::vector<std::string> PathParts(const std::string& path) {
  std::vector<std::string> parts;
  for (std::string& part : Split('\\', path)) {
    if (!part.empty()) parts.push_back(std::move(part));
  }
  return parts;
}

const char* TypeName(RegType type) {
  switch (type) {
    case RegType::Sz: return "REG_SZ";
    case RegType::ExpandSz: return "REG_EXPAND_SZ";
    case RegType::Binary: return "REG_BINARY";
    case RegType::Dword: return "REG_DWORD";
    case RegType::MultiSz: return "REG_MULTI_SZ";
    default: return "REG_OTHER";
  }
}

std::string DescribeData(const RegValue& value) {
  if (value.Type == RegType::Sz || value.Type == RegType::ExpandSz) {
    return "\"" + std::string(value.Data.begin(), value.Data.end()) + "\"";
  }
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (std::uint8_t byte : value.Data) {
    if (!out.empty()) out += ' ';
    out += digits[byte >> 4];
    out += digits[byte & 0xF];
  }
  return out;
}

std::pair<std::string, RegValue>* FindValue(SimRegistry::Node& node, const std::string& name) {
  for (auto& entry : node.Values) {
    if (EqualsIgnoreCase(entry.first, name)) return &entry;
  }
  return nullptr;
}

}  // namespace

std::string SimRegistry::Describe(RegHandle key) const {
  auto it = handles_.find(key);
  if (it == handles_.end()) return "<no key>";
  std::string text = platform::RootName(it->second.Root);
  for (const std::string& part : it->second.Path) text += "\\" + part;
  return text;
}

SimRegistry::Node* SimRegistry::Find(RegRoot root, const std::vector<std::string>& path) const {
  const Node* node = &roots_[Index(root)];
  for (const std::string& part : path) {
    auto it = node->Children.find(ToUpperAscii(part));
    if (it == node->Children.end()) return nullptr;
    node = it->second.get();
  }
  return const_cast<Node*>(node);
}

SimRegistry::Node* SimRegistry::Make(RegRoot root, const std::vector<std::string>& path) {
  Node* node = &roots_[Index(root)];
  for (const std::string& part : path) {
    std::unique_ptr<Node>& child = node->Children[ToUpperAscii(part)];
    if (!child) {
      child = std::make_unique<Node>();
      child->Name = part;
    }
    node = child.get();
  }
  return node;
}

bool SimRegistry::WriteRefused(RegRoot root, std::uint32_t accessMask) const {
  return denied_[Index(root)] && (accessMask & kWriteRights) != 0;
}

RegHandle SimRegistry::NewHandle(RegRoot root, std::vector<std::string> path, std::uint32_t accessMask) {
  RegHandle handle = next_++;
  handles_[handle] = OpenKeyRecord{root, std::move(path), accessMask};
  return handle;
}

SimRegistry::Node* SimRegistry::Resolve(RegHandle key, std::uint32_t needed) {
  auto it = handles_.find(key);
  if (it == handles_.end() || (it->second.Access & needed) != needed) return nullptr;
  return Find(it->second.Root, it->second.Path);
}

RegHandle SimRegistry::OpenKey(RegRoot root, const std::string& path, std::uint32_t accessMask) {
  std::string call = std::string("RegOpenKey ") + platform::RootName(root) + "\\" + path;
  if (!log_.Record(call)) return 0;
  std::vector<std::string> parts = PathParts(path);
  if (!Find(root, parts) || WriteRefused(root, accessMask)) return 0;
  return NewHandle(root, std::move(parts), accessMask);
}

RegHandle SimRegistry::CreateKey(RegRoot root, const std::string& path, std::uint32_t accessMask) {
  std::string call = std::string("RegCreateKey ") + platform::RootName(root) + "\\" + path;
  if (!log_.Record(call)) return 0;
  std::vector<std::string> parts = PathParts(path);
  if (WriteRefused(root, accessMask)) return 0;
  if (!Find(root, parts) && denied_[Index(root)]) return 0;
  Make(root, parts);
  return NewHandle(root, std::move(parts), accessMask);
}

void SimRegistry::CloseKey(RegHandle key) {
  log_.Record("RegCloseKey " + Describe(key));
  handles_.erase(key);
}

bool SimRegistry::QueryValue(RegHandle key, const std::string& name, RegValue& value) {
  if (!log_.Record("RegQueryValue " + Describe(key) + "|" + name)) return false;
  Node* node = Resolve(key, platform::access::QueryValue);
  if (!node) return false;
  auto* entry = FindValue(*node, name);
  if (!entry) return false;
  value = entry->second;
  return true;
}

bool SimRegistry::SetValue(RegHandle key, const std::string& name, const RegValue& value) {
  std::string call = "RegSetValue " + Describe(key) + "|" + name + " = " + TypeName(value.Type) + " " +
                     DescribeData(value);
  if (!log_.Record(call)) return false;
  Node* node = Resolve(key, platform::access::SetValue);
  if (!node) return false;
  if (auto* entry = FindValue(*node, name)) {
    entry->second = value;
  } else {
    node->Values.emplace_back(name, value);
  }
  return true;
}

bool SimRegistry::DeleteValue(RegHandle key, const std::string& name) {
  if (!log_.Record("RegDeleteValue " + Describe(key) + "|" + name)) return false;
  Node* node = Resolve(key, platform::access::SetValue);
  if (!node) return false;
  for (auto it = node->Values.begin(); it != node->Values.end(); ++it) {
    if (EqualsIgnoreCase(it->first, name)) {
      node->Values.erase(it);
      return true;
    }
  }
  return false;
}

bool SimRegistry::DeleteKey(RegRoot root, const std::string& path) {
  std::string call = std::string("RegDeleteKey ") + platform::RootName(root) + "\\" + path;
  if (!log_.Record(call)) return false;
  std::vector<std::string> parts = PathParts(path);
  if (parts.empty() || denied_[Index(root)]) return false;
  Node* node = Find(root, parts);
  if (!node || !node->Children.empty()) return false;
  std::string last = ToUpperAscii(parts.back());
  parts.pop_back();
  Find(root, parts)->Children.erase(last);
  return true;
}

bool SimRegistry::EnumSubKeys(RegHandle key, std::vector<std::string>& names) {
  if (!log_.Record("RegEnumKey " + Describe(key))) return false;
  Node* node = Resolve(key, platform::access::EnumerateSubKeys);
  if (!node) return false;
  for (const auto& child : node->Children) names.push_back(child.second->Name);
  return true;
}

bool SimRegistry::EnumValueNames(RegHandle key, std::vector<std::string>& names) {
  if (!log_.Record("RegEnumValue " + Describe(key))) return false;
  Node* node = Resolve(key, platform::access::QueryValue);
  if (!node) return false;
  for (const auto& entry : node->Values) names.push_back(entry.first);
  return true;
}

void SimRegistry::PutString(RegRoot root, const std::string& path, const std::string& name, const std::string& text,
                            RegType type) {
  PutBytes(root, path, name, std::vector<std::uint8_t>(text.begin(), text.end()), type);
}

void SimRegistry::PutDword(RegRoot root, const std::string& path, const std::string& name, std::uint32_t number) {
  std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
                                     static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)};
  PutBytes(root, path, name, bytes, RegType::Dword);
}

void SimRegistry::PutBytes(RegRoot root, const std::string& path, const std::string& name,
                           const std::vector<std::uint8_t>& bytes, RegType type) {
  Node* node = Make(root, PathParts(path));
  RegValue value{type, bytes};
  if (auto* entry = FindValue(*node, name)) {
    entry->second = value;
  } else {
    node->Values.emplace_back(name, value);
  }
}

void SimRegistry::PutKey(RegRoot root, const std::string& path) { Make(root, PathParts(path)); }

void SimRegistry::RemoveTree(RegRoot root, const std::string& path) {
  std::vector<std::string> parts = PathParts(path);
  if (parts.empty()) return;
  std::string last = ToUpperAscii(parts.back());
  parts.pop_back();
  if (Node* parent = Find(root, parts)) parent->Children.erase(last);
}

bool SimRegistry::HasKey(RegRoot root, const std::string& path) const { return Find(root, PathParts(path)) != nullptr; }

std::optional<RegValue> SimRegistry::Peek(RegRoot root, const std::string& path, const std::string& name) const {
  Node* node = Find(root, PathParts(path));
  if (!node) return std::nullopt;
  if (auto* entry = FindValue(*node, name)) return entry->second;
  return std::nullopt;
}

std::optional<std::string> SimRegistry::PeekString(RegRoot root, const std::string& path,
                                                   const std::string& name) const {
  std::optional<RegValue> value = Peek(root, path, name);
  if (!value || (value->Type != RegType::Sz && value->Type != RegType::ExpandSz)) return std::nullopt;
  return std::string(value->Data.begin(), value->Data.end());
}

std::vector<std::string> SimRegistry::SubKeyNames(RegRoot root, const std::string& path) const {
  std::vector<std::string> names;
  if (Node* node = Find(root, PathParts(path))) {
    for (const auto& child : node->Children) names.push_back(child.second->Name);
  }
  return names;
}

std::vector<std::string> SimRegistry::ValueNames(RegRoot root, const std::string& path) const {
  std::vector<std::string> names;
  if (Node* node = Find(root, PathParts(path))) {
    for (const auto& entry : node->Values) names.push_back(entry.first);
  }
  return names;
}

std::string SimRegistry::Dump(RegRoot root) const {
  std::string out;
  std::function<void(const Node&, const std::string&)> walk = [&](const Node& node, const std::string& path) {
    out += "[" + path + "]\n";
    for (const auto& value : node.Values) {
      out += value.first + " = " + TypeName(value.second.Type) + " " + DescribeData(value.second) + "\n";
    }
    for (const auto& child : node.Children) walk(*child.second, path + "\\" + child.second->Name);
  };
  walk(roots_[Index(root)], platform::RootName(root));
  return out;
}

}  // namespace fennick::sim
