// Runs the conformance suites against the real Win32 calls (under Wine in the
// project's test run). Fixtures the build made for the system directory are
// copied there first.
#include <gtest/gtest.h>
#include <windows.h>

#include "conformance/conformance.h"
#include "conformance/win32/system_fixtures.h"
#include "platform/win32/win32_windows.h"

namespace fennick::conformance {

platform::Platform PlatformUnderTest() {
  static win32::Win32Windows windows;
  return windows.Platform();
}

}  // namespace fennick::conformance

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  fennick::testing::InstallSystemFixtures();
  return RUN_ALL_TESTS();
}
