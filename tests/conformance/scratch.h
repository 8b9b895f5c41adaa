// Scratch keys for one test: created empty, removed with everything below.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "conformance/conformance.h"
#include "registry/registry_store.h"

namespace fennick::conformance {

// Deletes a key with all its sub-keys, one empty key at a time.
inline void DeleteTree(platform::Registry& registry, platform::RegRoot root, const std::string& path) {
  WindowsVersion windows98;
  windows98.Class = WindowsVersionClass::Win98;
  RegistryStore store(registry, windows98);
  store.DeleteKey(root, path);
}

class ScratchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (platform::RegRoot root : {platform::RegRoot::CurrentUser, platform::RegRoot::LocalMachine}) {
      DeleteTree(os_.registry, root, Base());
    }
  }
  void TearDown() override { SetUp(); }

  // The test's own key: "Software\FennickConformance\<test name>".
  std::string Base() const {
    return std::string(kScratchKey) + "\\" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
  }
  std::string Path(const std::string& relative) const { return Base() + "\\" + relative; }

  platform::Platform os_ = PlatformUnderTest();
};

}  // namespace fennick::conformance
