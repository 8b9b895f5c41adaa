// Display names of catalog entries: the "@file,-id" form, the two names of
// preload and available entries, where an IME's file is looked for, and how
// often a load touches each file.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/sim/sim_windows.h"
#include "registry/schema.h"
#include "settings/catalog.h"
#include "settings/display_names.h"

namespace fennick {
namespace {

using platform::RegType;
using schema::HKLM;

constexpr char kSystem[] = "C:\\WINDOWS\\system32\\";
constexpr char kInputDll[] = "@%SystemRoot%\\system32\\input.dll";

class DisplayNamesTest : public ::testing::Test {
 protected:
  DisplayNamesTest() {
    windows_.Files.Put(std::string(kSystem) + "input.dll",
                       sim::StringImage({{0, "string 0"}, {5000, "Chinese (Simplified) - US Keyboard"}}));
    windows_.Files.Put(std::string(kSystem) + "notes.txt", sim::SimFile("not an image"));
    windows_.Files.Put("local.dll", sim::StringImage({{5000, "from the current directory"}}));
  }

  void PutValue(const std::string& layoutId, const char* name, const std::string& text,
                RegType type = RegType::Sz) {
    windows_.Registry.PutString(HKLM, schema::CatalogKey(layoutId), name, text, type);
  }

  int CallsStartingWith(const std::string& prefix) const {
    return static_cast<int>(std::count_if(windows_.Log.Calls.begin(), windows_.Log.Calls.end(),
                                          [&](const std::string& call) { return call.rfind(prefix, 0) == 0; }));
  }

  sim::SimWindows windows_;
  Context context_{windows_.Platform()};
};

TEST_F(DisplayNamesTest, AtFormsNameAStringResourceOfAnExpandedFile) {
  const struct {
    std::string Text;
    std::string Name;
  } cases[] = {
      {std::string(kInputDll) + ",-5000", "Chinese (Simplified) - US Keyboard"},
      {std::string(kInputDll) + ",5000", ""},   // asks for string -5000
      {std::string(kInputDll), "string 0"},     // no comma: the whole rest is the file, number 0
      {std::string(kInputDll) + ",", "string 0"},
      {std::string(kInputDll) + ",-5000 (old)", "Chinese (Simplified) - US Keyboard"},  // digits up to the first other
      {std::string(kInputDll) + ",-5001", ""},  // no such string
      {std::string(kInputDll) + ",-70536", ""},  // beyond 16 bits; its low 16 bits (5000) must not count
      {"@C:\\WINDOWS\\SYSTEM32\\INPUT.DLL,-5000", "Chinese (Simplified) - US Keyboard"},
      {"@%SystemRoot%\\system32\\missing.dll,-5000", ""},
      {"@%SystemRoot%\\system32\\notes.txt,-5000", ""},  // exists, but no module
      {"@", ""},
      {"@input.dll,-5000", "Chinese (Simplified) - US Keyboard"},  // a bare name is a system file
      {"@local.dll,-5000", ""},                                    // never one of the current directory
      {"Chinese (Simplified), US", "Chinese (Simplified), US"},  // no "@": unchanged, comma and all
      {"US,-5000", "US,-5000"},
      {"", ""},
  };
  CatalogFileCache files(context_);
  for (const auto& c : cases) EXPECT_EQ(ResolveDisplayName(files, c.Text), c.Name) << c.Text;
}

TEST_F(DisplayNamesTest, AnImeFileIsLookedForInTheSystemDirectoryUnlessItIsAnAbsolutePath) {
  const struct {
    std::string ImeFile;
    std::string Path;
  } cases[] = {
      {"WINPY.IME", std::string(kSystem) + "WINPY.IME"},
      {"sub\\x.ime", std::string(kSystem) + "sub\\x.ime"},
      {"C:\\Program Files\\IME\\x.ime", "C:\\Program Files\\IME\\x.ime"},
      {"c:/ime/x.ime", "c:/ime/x.ime"},
      {"D:x.ime", "D:x.ime"},
      {"\\\\server\\share\\x.ime", "\\\\server\\share\\x.ime"},
      {"\\windows\\system32\\x.ime", "\\windows\\system32\\x.ime"},
  };
  CatalogFileCache files(context_);
  for (const auto& c : cases) EXPECT_EQ(files.ImeFilePath(c.ImeFile), c.Path) << c.ImeFile;
}

TEST_F(DisplayNamesTest, PreloadAndAvailableEntriesAreNamedByTheirRules) {
  windows_.Files.Put(std::string(kSystem) + "winpy.ime", sim::DescribedImage("微软拼音输入法", 0x0804));
  windows_.Files.Put(std::string(kSystem) + "plain.ime", sim::StringImage({}));  // no version resource
  windows_.Files.Put(std::string(kSystem) + "shadow.ime", sim::DescribedImage("Shadow"));
  windows_.Files.Put("C:\\Program Files\\Wine IME\\wine.ime", sim::DescribedImage("Wine IME"));

  struct Case {
    const char* Id;
    std::string Text, Display, ImeFile;
    EntryNames Preload, Available;
  };
  const std::string at5000 = std::string(kInputDll) + ",-5000";
  const std::string resolved = "Chinese (Simplified) - US Keyboard";
  const Case cases[] = {
      // Display name and layout text.
      {"00000804", "Chinese (Simplified) - US", at5000, "", {"Chinese (Simplified) - US", resolved},
       {"Chinese (Simplified) - US", resolved}},
      // Display name only: no legacy name.
      {"00000405", "", "Czech", "", {"", "Czech"}, {"", "Czech"}},
      // Layout text only: the preload entry resolves it, the available one repeats the legacy name.
      {"00000406", at5000, "", "", {at5000, resolved}, {at5000, at5000}},
      {"00000407", "German", "", "", {"German", "German"}, {"German", "German"}},
      // An IME whose file exists is named by its description.
      {"E0010804", "Chinese (Simplified) - Pinyin", "", "winpy.ime",
       {"微软拼音输入法", "Chinese (Simplified) - Pinyin"}, {"微软拼音输入法", "微软拼音输入法"}},
      // ... even when the file has none.
      {"E0020804", "Plain IME", "", "plain.ime", {"", "Plain IME"}, {"", ""}},
      // A missing IME file leaves the layout text.
      {"E0030804", "Missing IME", "", "gone.ime", {"Missing IME", "Missing IME"}, {"Missing IME", "Missing IME"}},
      // An absolute path names the file itself.
      {"E0040804", "Wine text", "", "C:\\Program Files\\Wine IME\\wine.ime", {"Wine IME", "Wine text"},
       {"Wine IME", "Wine IME"}},
      {"E0050804", "Elsewhere", "", "C:\\Elsewhere\\shadow.ime", {"Elsewhere", "Elsewhere"},
       {"Elsewhere", "Elsewhere"}},
      // A display name that cannot be resolved gives an empty services name.
      {"E0060804", "Unresolved", "@%SystemRoot%\\system32\\missing.dll,-1", "gone.ime", {"Unresolved", ""},
       {"Unresolved", ""}},
      // No catalog data at all.
      {"E0070804", "", "", "", {"", ""}, {"", ""}},
  };
  for (const Case& c : cases) {
    if (!c.Text.empty()) PutValue(c.Id, "Layout Text", c.Text);
    if (!c.Display.empty()) PutValue(c.Id, "Layout Display Name", c.Display);
    if (!c.ImeFile.empty()) PutValue(c.Id, "IME File", c.ImeFile);
  }
  CatalogFileCache files(context_);
  for (const Case& c : cases) {
    EntryNames preload = PreloadEntryNames(context_, files, c.Id);
    EntryNames available = AvailableEntryNames(context_, files, c.Id);
    EXPECT_EQ(preload.LegacyName, c.Preload.LegacyName) << c.Id;
    EXPECT_EQ(preload.ServicesName, c.Preload.ServicesName) << c.Id;
    EXPECT_EQ(available.LegacyName, c.Available.LegacyName) << c.Id;
    EXPECT_EQ(available.ServicesName, c.Available.ServicesName) << c.Id;
  }
}

TEST_F(DisplayNamesTest, ADisplayNameOfAnotherTypeReadsAsMissing) {
  PutValue("00000804", "Layout Text", "Chinese (Simplified) - US");
  PutValue("00000804", "Layout Display Name", std::string(kInputDll) + ",-5000", RegType::ExpandSz);
  CatalogFileCache files(context_);
  EXPECT_EQ(PreloadEntryNames(context_, files, "00000804").ServicesName, "Chinese (Simplified) - US");
  EXPECT_EQ(AvailableEntryNames(context_, files, "00000804").ServicesName, "Chinese (Simplified) - US");
}

TEST_F(DisplayNamesTest, ALoadTouchesEachDistinctFileOnce) {
  windows_.Files.Put(std::string(kSystem) + "winpy.ime", sim::DescribedImage("微软拼音输入法"));
  sim::SimFile& input = *windows_.Files.Get(std::string(kSystem) + "input.dll");
  for (int i = 0; i < 200; ++i) {
    std::string id = "0000" + std::to_string(1000 + i);
    PutValue(id, "Layout Text", "Layout " + std::to_string(i));
    PutValue(id, "Layout Display Name", std::string(kInputDll) + ",-" + std::to_string(5000 + i));
    input.Strings[static_cast<std::uint16_t>(5000 + i)] = "Name " + std::to_string(i);
  }
  for (const char* id : {"E0010804", "E0020804", "E0030804"}) {
    PutValue(id, "IME File", id[3] == '1' ? "WINPY.IME" : "winpy.ime");
  }

  std::vector<AvailableEntry> available;
  {
    CatalogFileCache files(context_);
    EntryNames preload = PreloadEntryNames(context_, files, "E0010804");
    EXPECT_EQ(preload.LegacyName, "微软拼音输入法");
    available = ListAvailableLayouts(context_, files, {"E0010804"}, 0x0409);
    EXPECT_EQ(windows_.Files.OpenModuleCount(), 1);
  }
  ASSERT_EQ(available.size(), 202u);  // the two other IMEs first, in the Chinese group
  EXPECT_EQ(available[2].ServicesName, "Name 0");
  EXPECT_EQ(available[201].ServicesName, "Name 199");
  EXPECT_EQ(CallsStartingWith("LoadLibraryEx "), 1);
  EXPECT_EQ(CallsStartingWith("LoadString "), 200);
  EXPECT_EQ(CallsStartingWith("FreeLibrary "), 1);
  EXPECT_EQ(CallsStartingWith("GetFileAttributes " + std::string(kSystem) + "input.dll"), 1);
  EXPECT_EQ(CallsStartingWith("GetFileAttributes "), 2);  // input.dll and the IME file
  EXPECT_EQ(CallsStartingWith("GetFileVersionInfo "), 1);
  EXPECT_EQ(CallsStartingWith("GetSystemDirectory"), 1);
  EXPECT_EQ(windows_.Files.OpenModuleCount(), 0);

  // The next load asks again: a file may have come or gone in between.
  windows_.Files.Remove(std::string(kSystem) + "winpy.ime");
  CatalogFileCache files(context_);
  EXPECT_EQ(PreloadEntryNames(context_, files, "E0010804").LegacyName, "");
  EXPECT_EQ(ListAvailableLayouts(context_, files, {}, 0x0409).size(), 200u);
}

}  // namespace
}  // namespace fennick
