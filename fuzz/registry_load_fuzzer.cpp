// Registry contents of any kind through a load, an apply and the load that ends
// it: a fuzzed catalog, preload list, hotkey and toggle records, chords and
// input-method values, with wrong types and sizes, on any Windows version and
// system locale.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/window_construction.h"
#include "common/text.h"
#include "fuzz/invariants.h"
#include "hotkeys/hotkey_codes.h"
#include "hotkeys/ime_hotkeys.h"
#include "platform/sim/sim_windows.h"
#include "registry/schema.h"
#include "settings/apply_settings.h"
#include "settings/load_settings.h"

using namespace fennick;

namespace {

// Reads the fuzz input a piece at a time; past its end everything reads as 0.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool More() const { return at_ < size_; }
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::string Bytes(std::size_t count) {
    std::string out;
    while (count-- > 0 && More()) out += static_cast<char>(Byte());
    return out;
  }
  template <std::size_t N>
  const char* Pick(const char* const (&choices)[N]) { return choices[Byte() % N]; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

const char* const kIds[] = {"00000409", "00000804", "00000404", "E0010804", "E0020804", "e0030404",
                            "00000411", "E0010412", "00010409", "0000040C", "", "E00X0804"};
const char* const kCatalogValues[] = {"Layout Text", "Layout Display Name", "IME File", "Layout File"};
const char* const kTexts[] = {"", "US", "PINYIN.IME", "missing.ime", "@%SystemRoot%\\system32\\input.dll,-5000",
                              "@input.dll,5000", "@", "@,", "C:\\ime\\abs.ime", "\\\\server\\x.ime", "中文"};
const char* const kToggleNames[] = {"hotkey", "Language Hotkey", "Layout Hotkey", ""};
const std::uint32_t kVersions[] = {sim::version::Windows31,  sim::version::Windows95, sim::version::Windows98,
                                   sim::version::WindowsNT4, sim::version::WindowsXP, sim::version::Windows2003,
                                   sim::version::WindowsVista, sim::version::Windows7, sim::version::Windows10};
const std::uint32_t kLocales[] = {0x0804, 0x0404, 0x0411, 0x0412, 0x0409, 0x0C04};

// A value of any type whose data comes from the input.
platform::RegValue AnyValue(Input& in) {
  static const platform::RegType types[] = {platform::RegType::Sz, platform::RegType::Dword, platform::RegType::Binary,
                                            platform::RegType::ExpandSz, platform::RegType::MultiSz};
  platform::RegType type = types[in.Byte() % 5];
  std::string data = in.Byte() % 2 ? std::string(in.Pick(kTexts)) : in.Bytes(in.Byte() % 9);
  return {type, std::vector<std::uint8_t>(data.begin(), data.end())};
}

platform::RegValue Text(const std::string& text) {
  return {platform::RegType::Sz, std::vector<std::uint8_t>(text.begin(), text.end())};
}

platform::RegValue Binary32(std::uint32_t number) {
  const auto bytes = HotkeyValueBytes(number);
  return {platform::RegType::Binary, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

// Mostly the value a working machine keeps there, now and then anything: the
// load only reaches preload rows and their hotkeys when both name layouts the
// catalog has.
platform::RegValue Usually(Input& in, const platform::RegValue& typical) {
  return in.Byte() % 4 ? typical : AnyValue(in);
}

void Put(sim::SimWindows& windows, platform::RegRoot root, const std::string& path, const std::string& name,
         const platform::RegValue& value) {
  windows.Registry.PutBytes(root, path, name, value.Data, value.Type);
}

void FillMachine(sim::SimWindows& windows, Input& in) {
  windows.System.Version = kVersions[in.Byte() % 9];
  windows.System.Locale = kLocales[in.Byte() % 6];
  windows.Files.Put(windows.System.SystemFolder + "\\PINYIN.IME", sim::DescribedImage("拼音"));
  windows.Files.Put(windows.System.SystemFolder + "\\input.dll", sim::StringImage({{5000, "Layout"}}));
  if (in.Byte() % 2) windows.Processes.AddProcess("ctfmon.exe");
  if (in.Byte() % 2) windows.Processes.AddProcess("internat.exe");
  while (in.More()) {
    switch (in.Byte() % 6) {
      case 0:  // a catalog value
        Put(windows, schema::HKLM, schema::CatalogKey(in.Pick(kIds)), in.Pick(kCatalogValues),
            Usually(in, Text(in.Pick(kTexts))));
        break;
      case 1:  // a preload value (NT) or sub-key (Windows 95 line)
        Put(windows, schema::HKCU, schema::kPreloadKey, std::to_string(in.Byte() % 5),
            Usually(in, Text(in.Pick(kIds))));
        Put(windows, schema::HKCU, schema::PreloadSubKey(in.Byte() % 5), "", Usually(in, Text(in.Pick(kIds))));
        break;
      case 2: {  // a hotkey record, the ones beyond the read range included
        std::uint32_t number = in.Byte() % 2 ? 0x100 + in.Byte() % 0x70 : in.Byte();
        const std::string key = schema::HotKeyRecordKey(number);
        Put(windows, schema::HKCU, key, "Key Modifiers", Usually(in, Binary32(0xC000u | (in.Byte() & 0x07))));
        Put(windows, schema::HKCU, key, "Virtual Key", Usually(in, Binary32(in.Byte())));
        Put(windows, schema::HKCU, key, "Target IME", Usually(in, Binary32(TargetHandleOf(in.Pick(kIds)))));
        break;
      }
      case 3:
        Put(windows, schema::HKCU, schema::kToggleKey, in.Pick(kToggleNames), AnyValue(in));
        break;
      case 4:
        Put(windows, schema::HKCU, schema::kKeyboardLayoutKey, "Attributes", AnyValue(in));
        Put(windows, schema::HKCU, schema::kInputMethodKey, "Show Status", AnyValue(in));
        break;
      default:  // a loaded keyboard layout
        windows.Keyboard.Loaded.push_back(ParseHex(in.Pick(kIds)));
        break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sim::SimWindows windows;
  Input in(data, size);
  FillMachine(windows, in);
  Context context(windows.Platform());
  MainWindow window;
  window.SystemLocale = windows.System.Locale;
  window.Language = SelectUiLanguage(window.SystemLocale);
  window.ArgumentCount = 1;
  PrepareMainWindow(context, window);
  LoadWorkingSettings(context, window);
  fuzz::CheckLoadedWindow(window);
  ApplyWorkingSettings(context, window);
  fuzz::CheckLoadedWindow(window);
  fuzz::Require(windows.Registry.OpenHandleCount() == 0, "every key opened is closed");
  fuzz::Require(windows.Files.OpenModuleCount() == 0, "every resource module is released");
  return 0;
}
