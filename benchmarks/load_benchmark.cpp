// Loading and applying the working settings on the in-memory Windows with a
// catalog of real size: 250 entries, 20 preloaded, 100 hotkey records. Besides
// the time, each load reports the registry calls it made and how many distinct
// values it read, which is the least any load must read.
#include <benchmark/benchmark.h>

#include <set>

#include "common/text.h"
#include "settings/apply_settings.h"
#include "unit/test_machine.h"

namespace fennick {
namespace {

using testing::TestMachine;

const char* const kLanguages[] = {"0407", "040C", "0410", "0413", "0416", "0419", "041D", "0415", "0405", "040E"};

std::unique_ptr<TestMachine> RealSizedMachine() {
  auto m = std::make_unique<TestMachine>(sim::version::WindowsXP, 0x0804);
  m->windows.Files.Put(m->SystemFile("input.dll"), sim::StringImage({}));
  sim::SimFile* input = m->windows.Files.Get(m->SystemFile("input.dll"));
  std::vector<std::string> preload;
  // 200 plain layouts whose display names live in one system file.
  for (int i = 0; i < 200; ++i) {
    std::string id = Hex8(static_cast<std::uint32_t>(i / 10) << 16).substr(0, 4) + kLanguages[i % 10];
    std::uint16_t string = static_cast<std::uint16_t>(5000 + i);
    input->Strings[string] = "Layout " + std::to_string(i);
    m->AddLayout({id, "Layout text " + std::to_string(i), "@%SystemRoot%\\system32\\input.dll,-" + std::to_string(string), ""});
    if (i < 10) preload.push_back(id);
  }
  // 50 IMEs sharing ten files, one of them missing.
  for (int i = 0; i < 50; ++i) {
    std::string id = "E0" + Hex8(static_cast<std::uint32_t>(i + 1)).substr(6) + "0804";
    std::string file = "IME" + std::to_string(i % 10) + ".IME";
    m->AddLayout({id, "IME " + std::to_string(i), "", file});
    if (i < 10) preload.push_back(id);
  }
  for (int i = 0; i < 9; ++i) m->AddImeFile("IME" + std::to_string(i) + ".IME", "Input method " + std::to_string(i));
  m->SetPreload(preload);
  for (std::uint32_t n = 0; n < 100; ++n) {
    const std::string path = schema::HotKeyRecordKey(0x100 + n);
    std::uint32_t target = 0xE0010804 + ((n % 10) << 16);
    m->windows.Registry.PutBytes(schema::HKCU, path, "Key Modifiers", {0x06, 0xC0, 0, 0});
    m->windows.Registry.PutBytes(schema::HKCU, path, "Virtual Key", {static_cast<std::uint8_t>(0x30 + n % 10), 0, 0, 0});
    m->windows.Registry.PutBytes(schema::HKCU, path, "Target IME",
                                 {static_cast<std::uint8_t>(target), static_cast<std::uint8_t>(target >> 8),
                                  static_cast<std::uint8_t>(target >> 16), static_cast<std::uint8_t>(target >> 24)});
  }
  m->windows.Processes.AddProcess("ctfmon.exe");
  return m;
}

// Registry calls of one load, and the distinct values among its reads.
void CountRegistryWork(const std::vector<std::string>& calls, double& registryCalls, double& distinctValues) {
  std::set<std::string> values;
  registryCalls = 0;
  for (const std::string& call : calls) {
    if (call.rfind("Reg", 0) != 0) continue;
    ++registryCalls;
    if (call.rfind("RegQueryValue ", 0) == 0) values.insert(ToUpperAscii(call));
  }
  distinctValues = static_cast<double>(values.size());
}

void LoadWorkingSettingsBenchmark(benchmark::State& state) {
  auto m = RealSizedMachine();
  double registryCalls = 0, distinctValues = 0;
  for (auto _ : state) {
    m->windows.Log.Calls.clear();
    m->Load();
    state.PauseTiming();
    CountRegistryWork(m->windows.Log.Calls, registryCalls, distinctValues);
    state.ResumeTiming();
  }
  state.counters["registry_calls"] = registryCalls;
  state.counters["distinct_values"] = distinctValues;
  state.counters["preload"] = static_cast<double>(m->window.Settings.PreloadList.size());
  state.counters["available"] = static_cast<double>(m->window.Settings.AvailableList.size());
  state.counters["hotkeys"] = static_cast<double>(m->window.Settings.ImeHotkeys.size());
}
BENCHMARK(LoadWorkingSettingsBenchmark)->Unit(benchmark::kMillisecond);

void ApplyWorkingSettingsBenchmark(benchmark::State& state) {
  auto m = RealSizedMachine();
  m->Load();
  for (auto _ : state) {
    m->windows.Log.Calls.clear();
    ApplyWorkingSettings(*m->context, m->window);
  }
  state.counters["calls"] = static_cast<double>(m->windows.Log.Calls.size());
}
BENCHMARK(ApplyWorkingSettingsBenchmark)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fennick

BENCHMARK_MAIN();
