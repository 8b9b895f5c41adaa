// Installing an IME file through the input method manager: the handle names the
// new catalog key, which holds the file as given and the layout text.
#include <gtest/gtest.h>

#include <string>

#include "common/text.h"
#include "conformance/conformance.h"
#include "registry/context.h"
#include "registry/schema.h"

namespace fennick::conformance {
namespace {

class InputMethodsConformance : public ::testing::Test {
 protected:
  void TearDown() override {
    for (platform::LayoutHandle handle : installed_) {
      context_.Registry.DeleteKey(schema::HKLM, schema::CatalogKey(Hex8(handle)));
    }
  }

  platform::LayoutHandle Install(const std::string& file, const std::string& text) {
    platform::LayoutHandle handle = os_.inputMethods.InstallIme(file, text);
    if (handle != 0) installed_.push_back(handle);
    return handle;
  }
  std::string CatalogString(platform::LayoutHandle handle, const char* name) {
    RegKey key = context_.Registry.OpenForRead(schema::HKLM, schema::CatalogKey(Hex8(handle)));
    return context_.Registry.GetString(key, name);
  }

  platform::Platform os_ = PlatformUnderTest();
  Context context_{os_};
  std::vector<platform::LayoutHandle> installed_;
};

TEST_F(InputMethodsConformance, TheHandleNamesANewCatalogKeyHoldingTheFileAsGiven) {
  const std::string path = os_.system.SystemDirectory() + "\\fnkime.ime";
  const struct {
    std::string File;
    std::string Text;
  } cases[] = {
      {path, "Fennick 测试输入法"},
      {"FNKIME.IME", "Second registration"},
  };
  std::vector<platform::LayoutHandle> handles;
  for (const auto& c : cases) {
    platform::LayoutHandle handle = Install(c.File, c.Text);
    ASSERT_NE(handle, 0u) << c.File;
    EXPECT_EQ(handle >> 28, 0xEu) << Hex8(handle);  // an IME's identifier
    EXPECT_TRUE(context_.Registry.KeyExists(schema::HKLM, schema::CatalogKey(Hex8(handle)))) << Hex8(handle);
    EXPECT_EQ(CatalogString(handle, schema::kImeFileValue), c.File);
    EXPECT_EQ(CatalogString(handle, schema::kLayoutTextValue), c.Text);
    for (platform::LayoutHandle earlier : handles) EXPECT_NE(handle, earlier);
    handles.push_back(handle);
  }
  // Both carry the same language part.
  EXPECT_EQ(handles[0] & 0xFFFF, handles[1] & 0xFFFF);
}

}  // namespace
}  // namespace fennick::conformance
