// The registry of the in-memory Windows: names compare without case and keep
// their case, sub-keys enumerate sorted without regard to case, values keep
// creation order, access masks are checked per handle, and each root can deny
// writes to play a user without administrator rights.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/sim/call_log.h"

namespace fennick::sim {

using platform::RegHandle;
using platform::RegRoot;
using platform::RegType;
using platform::RegValue;

class SimRegistry : public platform::Registry {
 public:
  explicit SimRegistry(CallLog& log) : log_(log) {}

  RegHandle OpenKey(RegRoot root, const std::string& path, std::uint32_t accessMask) override;
  RegHandle CreateKey(RegRoot root, const std::string& path, std::uint32_t accessMask) override;
  void CloseKey(RegHandle key) override;
  bool QueryValue(RegHandle key, const std::string& name, RegValue& value) override;
  bool SetValue(RegHandle key, const std::string& name, const RegValue& value) override;
  bool DeleteValue(RegHandle key, const std::string& name) override;
  bool DeleteKey(RegRoot root, const std::string& path) override;
  bool EnumSubKeys(RegHandle key, std::vector<std::string>& names) override;
  bool EnumValueNames(RegHandle key, std::vector<std::string>& names) override;

  // Test set-up and inspection; these bypass rights and the call log.
  void DenyWrites(RegRoot root, bool deny) { denied_[Index(root)] = deny; }
  bool WritesDenied(RegRoot root) const { return denied_[Index(root)]; }
  void PutString(RegRoot root, const std::string& path, const std::string& name, const std::string& text,
                 RegType type = RegType::Sz);
  void PutDword(RegRoot root, const std::string& path, const std::string& name, std::uint32_t number);
  void PutBytes(RegRoot root, const std::string& path, const std::string& name,
                const std::vector<std::uint8_t>& bytes, RegType type = RegType::Binary);
  void PutKey(RegRoot root, const std::string& path);
  void RemoveTree(RegRoot root, const std::string& path);
  bool HasKey(RegRoot root, const std::string& path) const;
  std::optional<RegValue> Peek(RegRoot root, const std::string& path, const std::string& name) const;
  std::optional<std::string> PeekString(RegRoot root, const std::string& path, const std::string& name) const;
  std::vector<std::string> SubKeyNames(RegRoot root, const std::string& path) const;
  std::vector<std::string> ValueNames(RegRoot root, const std::string& path) const;
  std::size_t OpenHandleCount() const { return handles_.size(); }
  // Every key and value under the root, one line each, in enumeration order;
  // equal texts mean equal trees.
  std::string Dump(RegRoot root) const;

  struct Node {
    std::string Name;
    // Keyed by the upper-case name, so sub-keys enumerate as Windows sorts them.
    // (Wine compares lower case instead; the two differ only for names holding
    // one of [ \ ] ^ _ ` , which no layout identifier does.)
    std::map<std::string, std::unique_ptr<Node>> Children;
    std::vector<std::pair<std::string, RegValue>> Values;    // creation order
  };

 private:
  struct OpenKeyRecord {
    RegRoot Root;
    std::vector<std::string> Path;
    std::uint32_t Access;
  };

  static int Index(RegRoot root) { return root == RegRoot::CurrentUser ? 0 : 1; }
  Node* Find(RegRoot root, const std::vector<std::string>& path) const;
  Node* Make(RegRoot root, const std::vector<std::string>& path);
  Node* Resolve(RegHandle key, std::uint32_t needed);
  RegHandle NewHandle(RegRoot root, std::vector<std::string> path, std::uint32_t accessMask);
  bool WriteRefused(RegRoot root, std::uint32_t accessMask) const;
  std::string Describe(RegHandle key) const;

  CallLog& log_;
  Node roots_[2];
  bool denied_[2] = {false, false};
  std::map<RegHandle, OpenKeyRecord> handles_;
  RegHandle next_ = 0x100;
};

}  // namespace fennick::sim
