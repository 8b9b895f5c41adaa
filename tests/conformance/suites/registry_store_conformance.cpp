// RegistryStore over the platform's registry: the same expectations hold for
// the in-memory Windows and for the real registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "conformance/scratch.h"
#include "registry/registry_store.h"

namespace fennick::conformance {
namespace {

using platform::RegRoot;
using platform::RegType;
using platform::RegValue;
constexpr RegRoot HKCU = RegRoot::CurrentUser;
constexpr RegRoot HKLM = RegRoot::LocalMachine;

WindowsVersion VersionOf(WindowsVersionClass versionClass) {
  WindowsVersion version;
  version.Class = versionClass;
  return version;
}

class RegistryStoreConformance : public ScratchTest {
 protected:
  RegistryStore nt_{os_.registry, VersionOf(WindowsVersionClass::WinXP)};
  RegistryStore win98_{os_.registry, VersionOf(WindowsVersionClass::Win98)};

  // Writes a value of any type through the platform, bypassing the store.
  void PutRaw(const std::string& path, const std::string& name, RegType type, std::vector<std::uint8_t> data) {
    RegKey key = nt_.OpenOrCreate(HKCU, path);
    ASSERT_FALSE(key.IsNone());
    ASSERT_TRUE(os_.registry.SetValue(key.Handle(), name, RegValue{type, std::move(data)}));
  }
  static std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }
};

TEST_F(RegistryStoreConformance, NamesCompareWithoutCaseAndKeepTheirCase) {
  {
    RegKey key = nt_.OpenOrCreate(HKCU, Path("Layouts\\E0010804"));
    EXPECT_TRUE(nt_.SetString(key, "IME File", "WINPY.IME"));
  }
  RegKey key = nt_.OpenForRead(HKCU, Path("LAYOUTS\\e0010804"));
  ASSERT_FALSE(key.IsNone());
  EXPECT_EQ(nt_.GetString(key, "ime file"), "WINPY.IME");
  EXPECT_EQ(nt_.GetString(key, "IME FILE"), "WINPY.IME");
  EXPECT_TRUE(nt_.ValueExists(key, "Ime File"));

  RegKey parent = nt_.OpenForRead(HKCU, Path("layouts"));
  std::vector<std::string> names;
  EXPECT_TRUE(nt_.ListSubKeys(parent, names));
  EXPECT_EQ(names, std::vector<std::string>{"E0010804"});
  {
    RegKey writable = nt_.OpenForWrite(HKCU, Path("layouts\\E0010804"));
    EXPECT_TRUE(nt_.SetString(writable, "ime FILE", "OTHER.IME"));
  }
  nt_.ListValueNames(key, names);
  EXPECT_EQ(names, std::vector<std::string>{"IME File"});
  EXPECT_EQ(nt_.GetString(key, "IME File"), "OTHER.IME");
}

TEST_F(RegistryStoreConformance, ValuesAreWrittenWithTheirRegistryTypes) {
  RegKey key = nt_.OpenOrCreate(HKCU, Path("Types"));
  EXPECT_TRUE(nt_.SetString(key, "1", "00000409"));
  EXPECT_TRUE(nt_.SetDword(key, "Attributes", 0x10000));
  const std::uint8_t modifiers[4] = {0x06, 0xC0, 0x00, 0x00};
  EXPECT_TRUE(nt_.SetBytes(key, "Key Modifiers", modifiers, 4));
  EXPECT_TRUE(nt_.SetString(key, "", "default"));

  RegValue value;
  ASSERT_TRUE(os_.registry.QueryValue(key.Handle(), "1", value));
  EXPECT_EQ(value.Type, RegType::Sz);
  EXPECT_EQ(value.Data, Bytes("00000409"));
  ASSERT_TRUE(os_.registry.QueryValue(key.Handle(), "Attributes", value));
  EXPECT_EQ(value.Type, RegType::Dword);
  EXPECT_EQ(value.Data, (std::vector<std::uint8_t>{0x00, 0x00, 0x01, 0x00}));
  ASSERT_TRUE(os_.registry.QueryValue(key.Handle(), "Key Modifiers", value));
  EXPECT_EQ(value.Type, RegType::Binary);
  EXPECT_EQ(value.Data, (std::vector<std::uint8_t>{0x06, 0xC0, 0x00, 0x00}));

  EXPECT_EQ(nt_.GetString(key, "1"), "00000409");
  EXPECT_EQ(nt_.GetDword(key, "Attributes"), 0x10000u);
  EXPECT_EQ(nt_.GetString(key, ""), "default");
}

TEST_F(RegistryStoreConformance, ReadsOfTheWrongTypeGiveEmptyResults) {
  PutRaw(Path("Mixed"), "Expand", RegType::ExpandSz, Bytes("%SystemRoot%\\system32\\input.dll"));
  PutRaw(Path("Mixed"), "Binary", RegType::Binary, {0x00, 0x00, 0x01, 0x00});
  PutRaw(Path("Mixed"), "Text", RegType::Sz, Bytes("1"));
  PutRaw(Path("Mixed"), "Number", RegType::Dword, {0x01, 0x00, 0x00, 0x00});
  RegKey key = nt_.OpenForRead(HKCU, Path("Mixed"));

  EXPECT_EQ(nt_.GetString(key, "Expand"), "");
  EXPECT_EQ(nt_.GetString(key, "Number"), "");
  EXPECT_EQ(nt_.GetString(key, "Binary"), "");
  EXPECT_EQ(nt_.GetString(key, "Missing"), "");
  EXPECT_EQ(nt_.GetDword(key, "Binary"), 0u);
  EXPECT_EQ(nt_.GetDword(key, "Text"), 0u);
  EXPECT_EQ(nt_.GetDword(key, "Missing"), 0u);
  EXPECT_EQ(nt_.GetDword(key, "Number"), 1u);
  for (const char* name : {"Expand", "Binary", "Text", "Number"}) EXPECT_TRUE(nt_.ValueExists(key, name)) << name;
  EXPECT_FALSE(nt_.ValueExists(key, "Missing"));
}

TEST_F(RegistryStoreConformance, GetBytesCopiesOnlyWhatFits) {
  PutRaw(Path("Hot Keys\\00000100"), "Target IME", RegType::Binary, {0x04, 0x08, 0x01, 0xE0});
  PutRaw(Path("Hot Keys\\00000100"), "Too Long", RegType::Binary, {1, 2, 3, 4, 5});
  PutRaw(Path("Hot Keys\\00000100"), "Number", RegType::Dword, {0x06, 0xC0, 0x00, 0x00});
  PutRaw(Path("Hot Keys\\00000100"), "Empty", RegType::Binary, {});
  RegKey key = nt_.OpenForRead(HKCU, Path("Hot Keys\\00000100"));

  auto read = [&](const char* name) {
    std::uint8_t buffer[4] = {0xAA, 0xAA, 0xAA, 0xAA};
    nt_.GetBytes(key, name, buffer, sizeof buffer);
    return std::vector<std::uint8_t>(buffer, buffer + 4);
  };
  EXPECT_EQ(read("Target IME"), (std::vector<std::uint8_t>{0x04, 0x08, 0x01, 0xE0}));
  EXPECT_EQ(read("Number"), (std::vector<std::uint8_t>{0x06, 0xC0, 0x00, 0x00}));  // any type
  EXPECT_EQ(read("Too Long"), (std::vector<std::uint8_t>{0xAA, 0xAA, 0xAA, 0xAA}));
  EXPECT_EQ(read("Missing"), (std::vector<std::uint8_t>{0xAA, 0xAA, 0xAA, 0xAA}));
  EXPECT_EQ(read("Empty"), (std::vector<std::uint8_t>{0xAA, 0xAA, 0xAA, 0xAA}));
  EXPECT_TRUE(nt_.ValueExists(key, "Empty"));
}

TEST_F(RegistryStoreConformance, AKeyThatCannotBeOpenedBehavesAsEmpty) {
  RegKey none = nt_.OpenForRead(HKCU, Path("Missing"));
  EXPECT_TRUE(none.IsNone());
  EXPECT_TRUE(nt_.OpenForWrite(HKCU, Path("Missing")).IsNone());
  EXPECT_FALSE(nt_.KeyExists(HKCU, Path("Missing")));  // opening for write did not create it

  EXPECT_EQ(nt_.GetString(none, "x"), "");
  EXPECT_EQ(nt_.GetDword(none, "x"), 0u);
  std::uint8_t buffer[4] = {0};
  EXPECT_EQ(nt_.GetBytes(none, "x", buffer, 4), 0u);
  EXPECT_FALSE(nt_.SetString(none, "x", "y"));
  EXPECT_FALSE(nt_.SetDword(none, "x", 1));
  EXPECT_FALSE(nt_.SetBytes(none, "x", buffer, 4));
  EXPECT_FALSE(nt_.DeleteValue(none, "x"));
  EXPECT_FALSE(nt_.ValueExists(none, "x"));
  std::vector<std::string> names = {"stale"};
  EXPECT_FALSE(nt_.ListSubKeys(none, names));
  EXPECT_TRUE(names.empty());
  names = {"stale"};
  EXPECT_FALSE(nt_.ListValueNames(none, names));
  EXPECT_TRUE(names.empty());
  EXPECT_FALSE(nt_.DeleteKey(HKCU, Path("Missing")));
}

TEST_F(RegistryStoreConformance, OpenOrCreateMakesTheWholePath) {
  EXPECT_FALSE(nt_.OpenOrCreate(HKCU, Path("a\\b\\c")).IsNone());
  EXPECT_TRUE(nt_.KeyExists(HKCU, Path("a")));
  EXPECT_TRUE(nt_.KeyExists(HKCU, Path("a\\b\\c")));
  EXPECT_FALSE(nt_.OpenOrCreate(HKLM, Path("catalog\\00000409")).IsNone());
  EXPECT_TRUE(nt_.KeyExists(HKLM, Path("catalog\\00000409")));
}

TEST_F(RegistryStoreConformance, AKeyOpenedForReadRefusesWrites) {
  nt_.OpenOrCreate(HKCU, Path("ReadOnly"));
  RegKey key = nt_.OpenForRead(HKCU, Path("ReadOnly"));
  ASSERT_FALSE(key.IsNone());
  EXPECT_FALSE(nt_.SetString(key, "x", "y"));
  EXPECT_FALSE(nt_.ValueExists(key, "x"));
}

TEST_F(RegistryStoreConformance, DeleteValueRemovesOneValue) {
  RegKey key = nt_.OpenOrCreate(HKCU, Path("preload"));
  nt_.SetString(key, "1", "00000804");
  nt_.SetString(key, "2", "E0010804");
  EXPECT_TRUE(nt_.DeleteValue(key, "1"));
  EXPECT_FALSE(nt_.DeleteValue(key, "1"));
  std::vector<std::string> names;
  nt_.ListValueNames(key, names);
  EXPECT_EQ(names, std::vector<std::string>{"2"});
}

TEST_F(RegistryStoreConformance, ValueNamesAreListedWhateverTheirOrder) {
  RegKey key = nt_.OpenOrCreate(HKCU, Path("Run"));
  for (const char* name : {"internat.exe", "ctfmon.exe", "Other"}) nt_.SetString(key, name, name);
  std::vector<std::string> names;
  EXPECT_TRUE(nt_.ListValueNames(key, names));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Other", "ctfmon.exe", "internat.exe"}));
}

TEST_F(RegistryStoreConformance, SubKeysAreListedInSortedOrderWithoutRegardToCase) {
  for (const char* name : {"b", "E0020804", "C", "00000409", "a", "e0010804", "10", "9"}) {
    nt_.OpenOrCreate(HKCU, Path(std::string("Catalog\\") + name));
  }
  RegKey key = nt_.OpenForRead(HKCU, Path("Catalog"));
  std::vector<std::string> names;
  EXPECT_TRUE(nt_.ListSubKeys(key, names));
  EXPECT_EQ(names, (std::vector<std::string>{"00000409", "10", "9", "a", "b", "C", "e0010804", "E0020804"}));
}

TEST_F(RegistryStoreConformance, DeleteKeyOnTheNtFamilyKeepsAKeyWithSubKeys) {
  nt_.OpenOrCreate(HKCU, Path("preload\\1"));
  EXPECT_FALSE(nt_.DeleteKey(HKCU, Path("preload")));
  EXPECT_TRUE(nt_.KeyExists(HKCU, Path("preload\\1")));
  EXPECT_TRUE(nt_.DeleteKey(HKCU, Path("preload\\1")));
  EXPECT_TRUE(nt_.DeleteKey(HKCU, Path("PRELOAD")));
  EXPECT_FALSE(nt_.KeyExists(HKCU, Path("preload")));
}

TEST_F(RegistryStoreConformance, DeleteKeyOnTheWindows95LineTakesTheWholeTree) {
  for (const char* sub : {"preload\\1", "preload\\2", "preload\\2\\deeper", "kept"}) {
    RegKey key = win98_.OpenOrCreate(HKCU, Path(sub));
    win98_.SetString(key, "", "00000409");
  }
  EXPECT_TRUE(win98_.DeleteKey(HKCU, Path("preload")));
  EXPECT_FALSE(win98_.KeyExists(HKCU, Path("preload")));
  EXPECT_TRUE(win98_.KeyExists(HKCU, Path("kept")));
}

TEST_F(RegistryStoreConformance, TextsRoundTripInUtf8) {
  const std::string name = "中文 (简体) - 美式键盘";
  const std::string traditional = "中文 (繁體) - 美式鍵盤";
  {
    RegKey key = nt_.OpenOrCreate(HKCU, Path("Unicode"));
    EXPECT_TRUE(nt_.SetString(key, "Layout Text", name));
    EXPECT_TRUE(nt_.SetString(key, traditional, traditional));
  }
  RegKey key = nt_.OpenForRead(HKCU, Path("unicode"));
  EXPECT_EQ(nt_.GetString(key, "Layout Text"), name);
  EXPECT_EQ(nt_.GetString(key, traditional), traditional);
}

TEST_F(RegistryStoreConformance, AStringEndsAtItsFirstNul) {
  PutRaw(Path("Nul"), "Text", RegType::Sz, Bytes(std::string("KBDUS.DLL\0junk", 14)));
  RegKey key = nt_.OpenForRead(HKCU, Path("Nul"));
  EXPECT_EQ(nt_.GetString(key, "Text"), "KBDUS.DLL");
}

}  // namespace
}  // namespace fennick::conformance
