// The catalog's fixture files, as the Windows build makes them
// (tests/fixtures/catalog.cmake), put into the in-memory Windows' system
// directory.
#include "conformance/sim/sim_fixtures.h"

namespace fennick::conformance {
namespace {

void PutCatalogFixtures(sim::SimWindows& windows) {
  const std::string system = windows.System.SystemFolder + "\\";
  windows.Files.Put(system + "fnkime.ime", sim::DescribedImage("Fennick 测试输入法", 0x0804, 0x04B0));

  sim::SimFile first;
  first.IsImage = true;
  first.Version = sim::SimVersionInfo{{{0x0409, 0x04B0}, {0x0804, 0x04B0}},
                                      {{"080404B0", {{"FileDescription", "Second translation"}}}}};
  windows.Files.Put(system + "fnkfirst.ime", first);

  sim::SimFile bare;
  bare.IsImage = true;
  windows.Files.Put(system + "fnkbare.ime", bare);

  windows.Files.Put(system + "fnkstr.dll",
                    sim::StringImage({{5000, "中文 (简体) - Fennick"}, {5001, "Fennick Keyboard"}}));

  sim::SimFile icon;
  icon.IsImage = true;
  icon.Icon = true;
  windows.Files.Put(system + "fnkicon.dll", icon);
}

const RegisterSimFixture registered(PutCatalogFixtures);

}  // namespace
}  // namespace fennick::conformance
