// Fixtures of the in-memory Windows: each area registers a function that puts
// into the sim the same files and facts its Win32 fixtures give the real one.
#pragma once

#include <vector>

#include "platform/sim/sim_windows.h"

namespace fennick::conformance {

using SimFixture = void (*)(sim::SimWindows& windows);

std::vector<SimFixture>& SimFixtures();

struct RegisterSimFixture {
  explicit RegisterSimFixture(SimFixture fixture) { SimFixtures().push_back(fixture); }
};

}  // namespace fennick::conformance
