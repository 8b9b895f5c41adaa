// A small machine for the settings tests: the in-memory Windows with a layout
// catalog, IME files, a preload list and running programs, and the window
// record built as the program builds it.
#pragma once

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/window_construction.h"
#include "hotkeys/hotkey_codes.h"
#include "platform/sim/sim_windows.h"
#include "registry/context.h"
#include "registry/schema.h"
#include "settings/load_settings.h"
#include "ui/texts.h"

namespace fennick::testing {

struct CatalogItem {
  std::string Id;
  std::string LayoutText;
  std::string DisplayName;  // empty: none
  std::string ImeFile;      // empty: a plain layout
  std::string LayoutFile = "KBDUS.DLL";
};

class TestMachine {
 public:
  explicit TestMachine(std::uint32_t version = sim::version::WindowsXP, std::uint32_t locale = 0x0804) {
    windows.System.Version = version;
    windows.System.Locale = locale;
    Reset();
  }

  // A fresh context (the version is read once per context) and window record.
  void Reset() {
    context = std::make_unique<Context>(windows.Platform());
    window = MainWindow();
    window.SystemLocale = windows.System.Locale;
    window.Language = SelectUiLanguage(window.SystemLocale);
    window.ArgumentCount = 1;
    PrepareMainWindow(*context, window);
    ApplyUiTexts(*context, window);
  }

  void AddLayout(const CatalogItem& item) {
    const std::string key = schema::CatalogKey(item.Id);
    windows.Registry.PutString(schema::HKLM, key, schema::kLayoutTextValue, item.LayoutText);
    windows.Registry.PutString(schema::HKLM, key, schema::kLayoutFileValue, item.LayoutFile);
    if (!item.DisplayName.empty()) {
      windows.Registry.PutString(schema::HKLM, key, schema::kLayoutDisplayNameValue, item.DisplayName);
    }
    if (!item.ImeFile.empty()) windows.Registry.PutString(schema::HKLM, key, schema::kImeFileValue, item.ImeFile);
  }

  // An IME file in the system directory with a file description (none when empty).
  void AddImeFile(const std::string& name, const std::string& description) {
    windows.Files.Put(SystemFile(name), description.empty() ? sim::SimFile("MZ") : sim::DescribedImage(description));
  }

  std::string SystemFile(const std::string& name) const { return windows.System.SystemFolder + "\\" + name; }

  void SetPreload(const std::vector<std::string>& ids) {
    windows.Registry.RemoveTree(schema::HKCU, schema::kPreloadKey);
    windows.Registry.PutKey(schema::HKCU, schema::kPreloadKey);
    for (std::size_t n = 1; n <= ids.size(); ++n) {
      windows.Registry.PutString(schema::HKCU, schema::kPreloadKey, std::to_string(n), ids[n - 1]);
    }
  }

  // The preload values as stored: (name, LayoutId) in the key's order.
  std::vector<std::pair<std::string, std::string>> PreloadValues() const {
    std::vector<std::pair<std::string, std::string>> values;
    for (const std::string& name : windows.Registry.ValueNames(schema::HKCU, schema::kPreloadKey)) {
      values.emplace_back(name, windows.Registry.PeekString(schema::HKCU, schema::kPreloadKey, name).value_or("?"));
    }
    return values;
  }

  // A direct-switch hotkey record as Windows stores it: three 4-byte values.
  void PutHotkeyRecord(std::uint32_t number, std::uint32_t modifiers, std::uint32_t virtualKey,
                       std::uint32_t target) {
    const std::string path = schema::HotKeyRecordKey(number);
    windows.Registry.PutBytes(schema::HKCU, path, schema::kKeyModifiersValue, Bytes(modifiers));
    windows.Registry.PutBytes(schema::HKCU, path, schema::kVirtualKeyValue, Bytes(virtualKey));
    windows.Registry.PutBytes(schema::HKCU, path, schema::kTargetImeValue, Bytes(target));
  }
  static std::vector<std::uint8_t> Bytes(std::uint32_t value) {
    const auto bytes = HotkeyValueBytes(value);
    return {bytes.begin(), bytes.end()};
  }
  bool HasCatalogKey(const std::string& id) const { return windows.Registry.HasKey(schema::HKLM, schema::CatalogKey(id)); }

  void Load() { LoadWorkingSettings(*context, window); }

  std::vector<std::string> PreloadIds() const {
    std::vector<std::string> ids;
    for (const PreloadEntry& entry : window.Settings.PreloadList) ids.push_back(entry.LayoutId);
    return ids;
  }
  std::vector<std::string> AvailableIds() const {
    std::vector<std::string> ids;
    for (const AvailableEntry& entry : window.Settings.AvailableList) ids.push_back(entry.LayoutId);
    return ids;
  }
  std::vector<std::string> RowNames() const {
    std::vector<std::string> names;
    for (const ListRow& row : window.PreloadListView.Rows) names.push_back(row.Name);
    return names;
  }

  sim::SimWindows windows;
  std::unique_ptr<Context> context;
  MainWindow window;
};

// A front end without a real window: the program's start-up runs in window
// mode and leaves the record as the window would show it.
class NoWindow : public WindowFrontEnd {
 public:
  void RunWindow(Context&, MainWindow&) override {}
};

// Windows XP (unless told otherwise) with the language bar running, the
// program started without arguments. Catalog: US, Chinese (Simplified), German
// and Dvorak layouts, and the IMEs Pinyin (E0010804, its "Layout File" in
// lower case), Wubi (E0020804) and Zhengma (E0030804), each with a file that
// has a description. Preload: 00000409, E0010804 (hotkey Ctrl+Shift+1),
// 00000804; available: E0020804, E0030804, 00000407. `prepare` may change the
// machine further before the program starts.
inline std::unique_ptr<TestMachine> StartedMachine(std::uint32_t version = sim::version::WindowsXP,
                                                   std::uint32_t locale = 0x0409,
                                                   const std::function<void(TestMachine&)>& prepare = nullptr) {
  auto m = std::make_unique<TestMachine>(version, locale);
  m->AddLayout({"00000409", "US", "", ""});
  m->AddLayout({"00000804", "Chinese (Simplified) - US Keyboard", "", ""});
  m->AddLayout({"00000407", "German", "", "", "KBDGR.DLL"});
  m->AddLayout({"00010409", "United States-Dvorak", "", "", "KBDDV.DLL"});
  m->AddLayout({"E0010804", "Pinyin", "Pinyin Display", "PINYIN.IME", "kbdus.dll"});
  m->AddLayout({"E0020804", "Wubi", "", "WUBI.IME"});
  m->AddLayout({"E0030804", "Zhengma", "", "ZHENGMA.IME", "KBDGR.DLL"});
  m->AddImeFile("PINYIN.IME", "Pinyin File");
  m->AddImeFile("WUBI.IME", "Wubi File");
  m->AddImeFile("ZHENGMA.IME", "Zhengma File");
  m->AddImeFile("NEW.IME", "New File");
  m->SetPreload({"00000409", "E0010804", "00000804"});
  m->PutHotkeyRecord(0x100, 0xC006, 0x31, 0xE0010804);
  m->windows.Processes.AddProcess("ctfmon.exe");
  m->windows.Keyboard.Loaded = {0x04090409, 0xE0010804, 0x08040804};
  if (prepare) prepare(*m);
  m->window = MainWindow();
  NoWindow front;
  RunProgram(*m->context, front, m->window);
  return m;
}

// The whole registry as text, every value's type and bytes: two states compare
// equal exactly when nothing was written, created or deleted in between.
inline std::string RegistryDump(const sim::SimRegistry& registry) {
  std::ostringstream out;
  std::function<void(platform::RegRoot, const std::string&)> walk = [&](platform::RegRoot root,
                                                                        const std::string& path) {
    out << "[" << platform::RootName(root) << "\\" << path << "]\n";
    for (const std::string& name : registry.ValueNames(root, path)) {
      const platform::RegValue value = *registry.Peek(root, path, name);
      out << name << "=" << static_cast<int>(value.Type) << ":";
      for (std::uint8_t byte : value.Data) out << static_cast<int>(byte) << ",";
      out << "\n";
    }
    for (const std::string& child : registry.SubKeyNames(root, path)) walk(root, path.empty() ? child : path + "\\" + child);
  };
  walk(platform::RegRoot::CurrentUser, "");
  walk(platform::RegRoot::LocalMachine, "");
  return out.str();
}

}  // namespace fennick::testing
