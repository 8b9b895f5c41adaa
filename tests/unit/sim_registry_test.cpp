// What the in-memory Windows adds to the registry for tests: write denial per
// root, the call log and injected failures. Everything else it shares with the
// real registry is proven by the conformance suite.
#include <gtest/gtest.h>

#include "platform/sim/sim_windows.h"
#include "registry/registry_store.h"

namespace fennick {
namespace {

using platform::RegRoot;

class SimRegistryTest : public ::testing::Test {
 protected:
  sim::SimWindows windows_;
  RegistryStore store_{windows_.Registry, ClassifyWindowsVersion(sim::version::WindowsXP)};
};

TEST_F(SimRegistryTest, ADeniedRootCanBeReadButNotChanged) {
  windows_.Registry.PutString(RegRoot::LocalMachine, "Catalog\\E0010804", "IME File", "WINPY.IME");
  windows_.Registry.DenyWrites(RegRoot::LocalMachine, true);

  EXPECT_EQ(store_.GetString(store_.OpenForRead(RegRoot::LocalMachine, "Catalog\\E0010804"), "IME File"), "WINPY.IME");
  EXPECT_TRUE(store_.OpenForWrite(RegRoot::LocalMachine, "Catalog\\E0010804").IsNone());
  EXPECT_TRUE(store_.OpenOrCreate(RegRoot::LocalMachine, "Catalog\\E0010804").IsNone());
  EXPECT_TRUE(store_.OpenOrCreate(RegRoot::LocalMachine, "Catalog\\New").IsNone());
  EXPECT_FALSE(store_.DeleteKey(RegRoot::LocalMachine, "Catalog\\E0010804"));
  EXPECT_TRUE(windows_.Registry.HasKey(RegRoot::LocalMachine, "Catalog\\E0010804"));
  EXPECT_FALSE(windows_.Registry.HasKey(RegRoot::LocalMachine, "Catalog\\New"));

  EXPECT_FALSE(store_.OpenOrCreate(RegRoot::CurrentUser, "Keyboard Layout").IsNone());
}

TEST_F(SimRegistryTest, EveryCallIsLoggedInOrderAndHandlesAreReleased) {
  {
    RegKey key = store_.OpenOrCreate(RegRoot::CurrentUser, "Keyboard Layout\\preload");
    store_.SetString(key, "1", "00000409");
  }
  EXPECT_EQ(windows_.Log.Calls, (std::vector<std::string>{
                                    "RegCreateKey HKCU\\Keyboard Layout\\preload",
                                    "RegSetValue HKCU\\Keyboard Layout\\preload|1 = REG_SZ \"00000409\"",
                                    "RegCloseKey HKCU\\Keyboard Layout\\preload",
                                }));
  EXPECT_EQ(windows_.Registry.OpenHandleCount(), 0u);
}

TEST_F(SimRegistryTest, AnInjectedFailureFailsOnlyTheChosenCall) {
  windows_.Log.FailWhen = [](const std::string& call) { return call.rfind("RegSetValue", 0) == 0 && call.find("|2") != std::string::npos; };
  RegKey key = store_.OpenOrCreate(RegRoot::CurrentUser, "Keyboard Layout\\preload");
  EXPECT_TRUE(store_.SetString(key, "1", "00000409"));
  EXPECT_FALSE(store_.SetString(key, "2", "00000804"));
  EXPECT_EQ(windows_.Registry.ValueNames(RegRoot::CurrentUser, "Keyboard Layout\\preload"),
            std::vector<std::string>{"1"});
}

}  // namespace
}  // namespace fennick
