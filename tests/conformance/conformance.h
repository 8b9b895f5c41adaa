// The conformance suites run unchanged against the in-memory Windows (natively)
// and against the real Win32 calls (under Wine). Each binary provides the
// platform under test.
#pragma once

#include <string>

#include "platform/platform.h"

namespace fennick::conformance {

platform::Platform PlatformUnderTest();

// A key under HKCU and HKLM that a suite may fill and must leave empty; the
// binaries delete it before and after the run.
constexpr char kScratchKey[] = "Software\\FennickConformance";

}  // namespace fennick::conformance
