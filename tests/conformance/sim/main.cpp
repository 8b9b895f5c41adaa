// Runs the conformance suites against the in-memory Windows.
#include <gtest/gtest.h>

#include "conformance/conformance.h"
#include "conformance/sim/sim_fixtures.h"

namespace fennick::conformance {

std::vector<SimFixture>& SimFixtures() {
  static std::vector<SimFixture> fixtures;
  return fixtures;
}

platform::Platform PlatformUnderTest() {
  static sim::SimWindows* windows = [] {
    auto* made = new sim::SimWindows;
    for (SimFixture fixture : SimFixtures()) fixture(*made);
    return made;
  }();
  return windows->Platform();
}

}  // namespace fennick::conformance

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
