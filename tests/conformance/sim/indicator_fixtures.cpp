// The in-memory Windows' copy of the indicator fixtures: the two stand-in
// programs and the self-registering library in the system directory, and
// kernel32.dll, which has no registration entry points.
#include "conformance/sim/sim_fixtures.h"

namespace fennick::conformance {
namespace {

void IndicatorFixtures(sim::SimWindows& windows) {
  const std::string system = windows.System.SystemFolder + "\\";
  windows.Files.Put(system + "ctfmon.exe", {});
  windows.Files.Put(system + "internat.exe", {});
  windows.Processes.PutLibrary(system + "fnkselfreg.dll",
                               sim::SimLibrary{{{"DllRegisterServer", 1},
                                                {"DllUnregisterServer", static_cast<std::int32_t>(0x80004005)}}});
  windows.Processes.PutLibrary(system + "kernel32.dll", sim::SimLibrary{});
}

const RegisterSimFixture registration(IndicatorFixtures);

}  // namespace
}  // namespace fennick::conformance
