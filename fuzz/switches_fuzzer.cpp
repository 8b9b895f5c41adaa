// Command lines and switch files of any content through the whole program on a
// realistic machine: the command-line step, every switch, the final apply, the
// reload and the duplicate clean-up. The program must end with exit code 0,
// leave the settings as a load leaves them, and release what it opened.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/program.h"
#include "fuzz/invariants.h"
#include "tests/unit/realistic_machine.h"

using namespace fennick;

namespace {

struct NoWindow : WindowFrontEnd {
  void RunWindow(Context&, MainWindow&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  testing::TestMachine m;
  testing::MakeRealistic(m);
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string program = "\"C:\\Program Files\\Fennick\\fennick.exe\" ";
  if (data[0] & 1) {
    m.windows.Files.Put("C:\\Program Files\\Fennick\\set.txt", {text});
    m.windows.System.CommandLineText = program + "/load:set.txt";
  } else {
    m.windows.System.CommandLineText = program + text;
  }
  m.Reset();
  m.window = MainWindow();
  NoWindow frontEnd;
  fuzz::Require(RunProgram(*m.context, frontEnd, m.window) == 0, "the exit code is 0");
  fuzz::CheckLoadedWindow(m.window);
  fuzz::Require(m.windows.Registry.OpenHandleCount() == 0, "every key opened is closed");
  fuzz::Require(m.windows.Files.OpenModuleCount() == 0, "every resource module is released");
  return 0;
}
