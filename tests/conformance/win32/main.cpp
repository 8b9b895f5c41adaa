// Runs the conformance suites against the real Win32 calls (under Wine in the
// project's test run).
#include <gtest/gtest.h>

#include "conformance/conformance.h"
#include "platform/win32/win32_windows.h"

namespace fennick::conformance {

platform::Platform PlatformUnderTest() {
  static win32::Win32Windows windows;
  return windows.Platform();
}

}  // namespace fennick::conformance

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
