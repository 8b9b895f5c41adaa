// Runs the conformance suites against the in-memory Windows.
#include <gtest/gtest.h>

#include "conformance/conformance.h"
#include "platform/sim/sim_windows.h"

namespace fennick::conformance {

platform::Platform PlatformUnderTest() {
  static sim::SimWindows windows;
  return windows.Platform();
}

}  // namespace fennick::conformance

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
