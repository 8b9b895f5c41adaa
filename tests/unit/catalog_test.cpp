// The layout catalog: which entries are IMEs, the order and content of the
// available list, the repair of base layouts and the purge of IMEs whose file
// is gone.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/sim/sim_windows.h"
#include "registry/schema.h"
#include "settings/catalog.h"

namespace fennick {
namespace {

using schema::HKLM;
using List = std::vector<std::string>;

constexpr char kSystem[] = "C:\\WINDOWS\\system32\\";

class CatalogTest : public ::testing::Test {
 protected:
  void UseWindows(std::uint32_t version) {
    windows_.System.Version = version;
    context_ = std::make_unique<Context>(windows_.Platform());
  }

  void PutEntry(const std::string& keyName, const std::string& layoutText, const std::string& imeFile = "") {
    windows_.Registry.PutString(HKLM, schema::CatalogKey(keyName), "Layout Text", layoutText);
    if (!imeFile.empty()) windows_.Registry.PutString(HKLM, schema::CatalogKey(keyName), "IME File", imeFile);
  }

  void PutImeFile(const std::string& path) { windows_.Files.Put(path, sim::DescribedImage("IME " + path)); }

  List CatalogNames() const { return windows_.Registry.SubKeyNames(HKLM, schema::kLayoutsKey); }

  sim::SimWindows windows_;
  std::unique_ptr<Context> context_ = std::make_unique<Context>(windows_.Platform());
};

TEST(IsIme, OnlyTheFirstCharacterDecides) {
  const struct {
    const char* Id;
    bool Ime;
  } cases[] = {
      {"E0010804", true}, {"e0200804", true}, {"F0010412", true}, {"10000409", true},
      {"00000804", false}, {"00010409", false}, {"0E010804", false}, {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsIme(c.Id), c.Ime) << c.Id;
}

// A catalog with every kind of entry: base layouts of the five groups, other
// languages, US variants, IMEs with a present, missing or empty file, a key
// name in lower case.
class AvailableListTest : public CatalogTest {
 protected:
  AvailableListTest() {
    for (const char* id : {"00000409", "00000404", "00000804", "00000411", "00000412", "00000407", "0000040C",
                           "00010409", "00020409"}) {
      PutEntry(id, std::string("Layout ") + id);
    }
    PutImeFile(std::string(kSystem) + "present.ime");
    PutEntry("E0010804", "Pinyin", "present.ime");
    PutEntry("E0010404", "Phonetic", "PRESENT.IME");
    PutEntry("e0010411", "Japanese IME", "present.ime");
    PutEntry("E0020804", "Gone", "gone.ime");
    PutEntry("E0030804", "No file", "");
    PutEntry("E0010409", "US IME", "present.ime");  // a US variant: never listed
    PutEntry("E0010407", "German IME", "gone.ime");
  }

  List Ids(const std::vector<AvailableEntry>& entries) {
    List ids;
    for (const AvailableEntry& entry : entries) ids.push_back(entry.LayoutId);
    return ids;
  }
};

TEST_F(AvailableListTest, GroupsComeInTheirFixedOrder) {
  const struct {
    std::uint32_t Version;
    std::uint32_t Locale;
    List Preload;
    List Expected;
  } cases[] = {
      {sim::version::WindowsXP, 0x0804, {"00000804"},
       {"00000409", "E0010804", "00000404", "E0010404", "00000411", "E0010411", "00000412", "00000407", "0000040C"}},
      {sim::version::WindowsXP, 0x0404, {"00000804"},
       {"00000409", "00000404", "E0010404", "E0010804", "00000411", "E0010411", "00000412", "00000407", "0000040C"}},
      {sim::version::Windows7, 0x0409, {"00000409", "e0010404"},
       {"00000804", "E0010804", "00000404", "00000411", "E0010411", "00000412", "00000407", "0000040C"}},
      {sim::version::Windows10, 0x0C04, {},
       {"00000409", "00000804", "E0010804", "00000404", "E0010404", "00000411", "E0010411", "00000412", "00000407",
        "0000040C"}},
      // The Windows 95 line has no group for other languages.
      {sim::version::Windows98, 0x0804, {},
       {"00000409", "00000804", "E0010804", "00000404", "E0010404", "00000411", "E0010411", "00000412"}},
      {sim::version::WindowsMe, 0x0404, {"00000404"},
       {"00000409", "E0010404", "00000804", "E0010804", "00000411", "E0010411", "00000412"}},
  };
  for (const auto& c : cases) {
    UseWindows(c.Version);
    CatalogFileCache files(*context_);
    EXPECT_EQ(Ids(ListAvailableLayouts(*context_, files, c.Preload, c.Locale)), c.Expected)
        << std::hex << c.Version << " " << c.Locale;
  }
}

TEST_F(AvailableListTest, EntriesCarryTheirAvailableNames) {
  windows_.Registry.PutString(HKLM, schema::CatalogKey("00000412"), "Layout Display Name", "Korean");
  CatalogFileCache files(*context_);
  std::vector<AvailableEntry> list =
      ListAvailableLayouts(*context_, files, {"00000409", "00000804", "00000404", "00000411", "E0010404"}, 0x0804);
  ASSERT_EQ(Ids(list), (List{"E0010804", "E0010411", "00000412", "00000407", "0000040C"}));
  EXPECT_EQ(list[0].LegacyName, std::string("IME ") + kSystem + "present.ime");
  EXPECT_EQ(list[0].ServicesName, list[0].LegacyName);
  EXPECT_EQ(list[2].LegacyName, "Layout 00000412");
  EXPECT_EQ(list[2].ServicesName, "Korean");
}

TEST_F(AvailableListTest, AnUnreadableCatalogGivesAnEmptyList) {
  windows_.Log.FailWhen = [](const std::string& call) { return call.rfind("RegEnumKey", 0) == 0; };
  CatalogFileCache files(*context_);
  EXPECT_TRUE(ListAvailableLayouts(*context_, files, {}, 0x0804).empty());
}

TEST_F(CatalogTest, RepairCreatesMissingBaseLayoutsOnTheNtFamily) {
  using Values = std::vector<std::pair<std::string, std::string>>;  // key, "Layout Text"
  const struct {
    std::uint32_t Version;
    std::uint32_t Locale;
    Values Before;
    Values After;
  } cases[] = {
      {sim::version::WindowsXP, 0x0804, {},
       {{"00000409", "美国英语"}, {"00000804", "中文 (简体) - 美式键盘"}}},
      {sim::version::Windows7, 0x0404, {},
       {{"00000404", "中文 (繁體) - 美式鍵盤"}, {"00000409", "美式英文"}}},
      {sim::version::Windows2000, 0x0409, {}, {{"00000409", "US"}}},
      {sim::version::WindowsVista, 0x0C04, {}, {{"00000409", "US"}}},
      {sim::version::Windows10, 0x0411, {}, {{"00000409", "US"}}},
      // Existing keys stay as they are.
      {sim::version::WindowsXP, 0x0804, {{"00000409", "Existing"}},
       {{"00000409", "Existing"}, {"00000804", "中文 (简体) - 美式键盘"}}},
      {sim::version::WindowsXP, 0x0404, {{"00000409", "US"}, {"00000404", "Mine"}},
       {{"00000404", "Mine"}, {"00000409", "US"}}},
      // Nothing on the Windows 95 line.
      {sim::version::Windows98, 0x0804, {}, {}},
      {sim::version::Windows95, 0x0404, {}, {}},
  };
  for (const auto& c : cases) {
    windows_.Registry.RemoveTree(HKLM, schema::kLayoutsKey);
    for (const auto& [id, text] : c.Before) PutEntry(id, text);
    UseWindows(c.Version);
    RepairBaseLayouts(*context_, c.Locale);
    Values after;
    for (const std::string& id : CatalogNames()) {
      after.emplace_back(id, windows_.Registry.PeekString(HKLM, schema::CatalogKey(id), "Layout Text").value_or("-"));
      bool before = std::any_of(c.Before.begin(), c.Before.end(), [&](const auto& entry) { return entry.first == id; });
      if (!before) {
        EXPECT_EQ(windows_.Registry.PeekString(HKLM, schema::CatalogKey(id), "Layout File"), "KBDUS.DLL") << id;
      }
    }
    EXPECT_EQ(after, c.After) << std::hex << c.Version << " " << c.Locale;
  }
}

TEST_F(CatalogTest, RepairWithoutRightsChangesNothing) {
  windows_.Registry.DenyWrites(HKLM, true);
  RepairBaseLayouts(*context_, 0x0804);
  EXPECT_TRUE(CatalogNames().empty());
}

TEST_F(CatalogTest, PurgeDeletesOnlyImesWhoseFileIsMissing) {
  PutImeFile(std::string(kSystem) + "present.ime");
  PutImeFile("C:\\Program Files\\Wine IME\\wine.ime");
  PutEntry("E0010804", "bare name, present", "present.ime");
  PutEntry("E0020804", "other case, present", "PRESENT.IME");
  PutEntry("E0030804", "bare name, missing", "gone.ime");
  PutEntry("E0040804", "no IME file", "");
  PutEntry("E0050804", "absolute path, present", "C:\\Program Files\\Wine IME\\wine.ime");
  PutEntry("E0060804", "absolute path, missing", "C:\\Elsewhere\\present.ime");
  PutEntry("00000804", "plain layout", "");
  PutEntry("00010804", "plain layout naming a missing IME file", "gone.ime");
  windows_.Registry.PutKey(HKLM, schema::CatalogKey("E0070804"));  // no values at all

  PurgeMissingImes(*context_);
  EXPECT_EQ(CatalogNames(), (List{"00000804", "00010804", "E0010804", "E0020804", "E0050804"}));
}

TEST_F(CatalogTest, PurgeWithoutRightsChangesNothing) {
  PutEntry("E0030804", "bare name, missing", "gone.ime");
  windows_.Registry.DenyWrites(HKLM, true);
  PurgeMissingImes(*context_);
  EXPECT_EQ(CatalogNames(), List{"E0030804"});
}

}  // namespace
}  // namespace fennick
