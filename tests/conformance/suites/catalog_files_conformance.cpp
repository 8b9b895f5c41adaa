// The file facts the layout catalog reads (existence, file descriptions, string
// resources, icons, environment variables) on the platform under test, against
// the fixture files the build puts into the system directory.
#include <gtest/gtest.h>

#include <string>

#include "common/text.h"
#include "conformance/conformance.h"
#include "registry/context.h"
#include "settings/catalog_files.h"
#include "settings/display_names.h"

namespace fennick::conformance {
namespace {

class CatalogFilesConformance : public ::testing::Test {
 protected:
  std::string InSystem(const std::string& name) { return os_.system.SystemDirectory() + "\\" + name; }

  platform::Platform os_ = PlatformUnderTest();
  Context context_{os_};
};

TEST_F(CatalogFilesConformance, FileExistsForFilesOnly) {
  const struct {
    std::string Path;
    bool Exists;
  } cases[] = {
      {InSystem("fnkime.ime"), true},
      {InSystem("FNKIME.IME"), true},
      {InSystem("fnkbare.ime"), true},
      {InSystem("fnkmissing.ime"), false},
      {os_.system.SystemDirectory(), false},  // a folder
  };
  for (const auto& c : cases) EXPECT_EQ(os_.files.FileExists(c.Path), c.Exists) << c.Path;
}

TEST_F(CatalogFilesConformance, FileDescriptionComesFromTheFirstTranslation) {
  const struct {
    const char* File;
    const char* Description;
  } cases[] = {
      {"fnkime.ime", "Fennick 测试输入法"},
      {"fnkfirst.ime", ""},  // only the second translation has one
      {"fnkbare.ime", ""},   // no version resource
      {"fnkstr.dll", ""},
      {"fnkmissing.ime", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadFileDescription(context_, InSystem(c.File)), c.Description) << c.File;
  }
}

TEST_F(CatalogFilesConformance, StringResourcesAreReadWithoutStartingTheModule) {
  // fnkstr.dll refuses to start, so these strings are only readable through a
  // resource-only load.
  auto module = os_.files.OpenResourceModule(InSystem("fnkstr.dll"));
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(module->String(5000), "中文 (简体) - Fennick");
  EXPECT_EQ(module->String(5001), "Fennick Keyboard");
  EXPECT_EQ(module->String(5002), "");
  EXPECT_EQ(module->String(0), "");

  auto bare = os_.files.OpenResourceModule(InSystem("fnkbare.ime"));
  ASSERT_NE(bare, nullptr);
  EXPECT_EQ(bare->String(5000), "");

  EXPECT_EQ(os_.files.OpenResourceModule(InSystem("fnkmissing.dll")), nullptr);
}

TEST_F(CatalogFilesConformance, DisplayNamesResolveThroughTheEnvironment) {
  EXPECT_TRUE(EqualsIgnoreCase(os_.system.ExpandEnvironment("%SystemRoot%\\system32"), os_.system.SystemDirectory()));
  EXPECT_EQ(os_.system.ExpandEnvironment("%FennickUndefined%\\x"), "%FennickUndefined%\\x");
  EXPECT_EQ(os_.system.ExpandEnvironment("no variables"), "no variables");

  CatalogFileCache files(context_);
  const struct {
    const char* Text;
    const char* Name;
  } cases[] = {
      {"@%SystemRoot%\\system32\\fnkstr.dll,-5000", "中文 (简体) - Fennick"},
      {"@%systemroot%\\SYSTEM32\\FNKSTR.DLL,-5001", "Fennick Keyboard"},
      {"@%SystemRoot%\\system32\\fnkstr.dll,5000", ""},
      {"@%SystemRoot%\\system32\\fnkstr.dll,-5002", ""},
      {"@%SystemRoot%\\system32\\fnkmissing.dll,-5000", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveDisplayName(files, c.Text), c.Name) << c.Text;
}

TEST_F(CatalogFilesConformance, IconsAreFoundInFilesThatHaveThem) {
  EXPECT_TRUE(os_.files.HasIcon(InSystem("fnkicon.dll")));
  EXPECT_FALSE(os_.files.HasIcon(InSystem("fnkstr.dll")));
  EXPECT_FALSE(os_.files.HasIcon(InSystem("fnkmissing.dll")));
}

}  // namespace
}  // namespace fennick::conformance
