#include <gtest/gtest.h>

#include <memory>

#include "ime/install_ime.h"
#include "ime/remove_layout.h"
#include "test_machine.h"

namespace fennick {
namespace {

using testing::TestMachine;
using Ids = std::vector<std::string>;

// Windows XP with the language bar running. Preload: 00000409, 00000804.
// Available: E0010804 and E0020804 (IMEs), then 00000404.
std::unique_ptr<TestMachine> Machine(std::uint32_t locale = 0x0409) {
  auto m = std::make_unique<TestMachine>(sim::version::WindowsXP, locale);
  m->AddLayout({"00000409", "US", "", ""});
  m->AddLayout({"00000804", "Chinese (Simplified) - US Keyboard", "", ""});
  m->AddLayout({"00000404", "Chinese (Traditional) - US Keyboard", "", ""});
  m->AddLayout({"E0010804", "Pinyin", "Pinyin Display", "pinyin.ime"});
  m->AddLayout({"E0020804", "Wubi", "Wubi Display", "WUBI.IME"});
  m->AddImeFile("pinyin.ime", "Pinyin File");
  m->AddImeFile("WUBI.IME", "Wubi File");
  m->AddImeFile("new.ime", "New IME");
  m->SetPreload({"00000409", "00000804"});
  m->windows.Processes.AddProcess("ctfmon.exe");
  m->Load();
  return m;
}

TEST(RemoveCatalogEntryTest, AsksInTheWindowsLanguageBeforeDeleting) {
  const struct {
    std::uint32_t Locale;
    const char* Question;
    const char* Title;
  } cases[] = {
      {0x0409, "Do you want to delete E0010804:\"Pinyin Display (PINYIN.IME)\" ?", "Warning!"},
      {0x0804, "确定要删除 E0010804:\"Pinyin Display (PINYIN.IME)\" 吗？", "警告！"},
      {0x0404, "確定要刪除 E0010804:\"Pinyin Display (PINYIN.IME)\" 嗎？", "警告！"},
  };
  for (const auto& c : cases) {
    auto m = Machine(c.Locale);
    const Ids& ids = m->AvailableIds();
    m->window.AvailableCombo.Current = static_cast<int>(std::find(ids.begin(), ids.end(), "E0010804") - ids.begin());
    m->windows.Dialogs.Answers = {platform::box::IdCancel};
    RemoveCatalogEntry(*m->context, m->window);
    ASSERT_EQ(m->windows.Dialogs.Shown.size(), 1u) << c.Locale;
    const sim::ShownBox& box = m->windows.Dialogs.Shown[0];
    EXPECT_EQ(box.Text, c.Question);
    EXPECT_EQ(box.Title, c.Title);
    EXPECT_EQ(box.Style, 0x31u);
    EXPECT_EQ(box.Owner, platform::BoxOwner::ActiveWindow);
    // Cancel changes nothing.
    EXPECT_TRUE(m->HasCatalogKey("E0010804"));
    EXPECT_EQ(m->AvailableIds(), ids);
  }
}

TEST(RemoveCatalogEntryTest, OkDeletesTheKeyAndTheItemAtOnce) {
  const struct {
    std::string Removed;
    int Answer;
    Ids Available;
    std::string NameBox;
    bool RemoveButton;
  } cases[] = {
      {"E0020804", platform::box::IdOk, {"E0010804", "00000404"}, "Pinyin Display", true},
      {"E0010804", platform::box::IdOk, {"E0020804", "00000404"}, "Wubi Display", true},
      {"E0010804", 7, {"E0010804", "E0020804", "00000404"}, "", true},  // any answer but OK
  };
  for (const auto& c : cases) {
    auto m = Machine();
    ASSERT_EQ(m->AvailableIds(), (Ids{"E0010804", "E0020804", "00000404"}));
    const Ids ids = m->AvailableIds();
    m->window.AvailableCombo.Current = static_cast<int>(std::find(ids.begin(), ids.end(), c.Removed) - ids.begin());
    m->windows.Dialogs.Answers = {c.Answer};
    RemoveCatalogEntry(*m->context, m->window);
    const bool ok = c.Answer == platform::box::IdOk;
    EXPECT_EQ(m->HasCatalogKey(c.Removed), !ok) << c.Removed;
    EXPECT_EQ(m->AvailableIds(), c.Available) << c.Removed;
    EXPECT_EQ(m->window.AvailableCombo.Items.size(), c.Available.size());
    if (ok) {
      EXPECT_EQ(m->window.AvailableCombo.Current, 0);
      EXPECT_EQ(m->window.RemoveNameBox.Caption, c.NameBox);
      EXPECT_EQ(m->window.RemoveButton.Enabled, c.RemoveButton);
    }
    // Nothing else moves: the preload list and the registry's list stay.
    EXPECT_EQ(m->PreloadIds(), (Ids{"00000409", "00000804"}));
    EXPECT_EQ(m->PreloadValues().size(), 2u);
  }
}

TEST(RemoveCatalogEntryTest, TheButtonFollowsTheNewCurrentEntry) {
  auto m = Machine();
  for (const char* expectedName : {"Wubi Display", "Chinese (Traditional) - US Keyboard", ""}) {
    m->window.AvailableCombo.Current = 0;
    RemoveCatalogEntry(*m->context, m->window);
    EXPECT_EQ(m->window.RemoveNameBox.Caption, expectedName);
    // Enabled only while the new current entry is an IME.
    EXPECT_EQ(m->window.RemoveButton.Enabled, std::string(expectedName) == "Wubi Display");
  }
  EXPECT_EQ(m->window.AvailableCombo.Current, -1);
  RemoveCatalogEntry(*m->context, m->window);  // nothing current: no question
  EXPECT_EQ(m->windows.Dialogs.Shown.size(), 3u);
}

TEST(RemoveCatalogEntryTest, AMissingImeFileShowsEmptyParenthesesAndADeniedDeletionStillLeavesTheList) {
  auto m = Machine();
  {
    RegKey key = m->context->Registry.OpenForWrite(schema::HKLM, schema::CatalogKey("E0010804"));
    m->context->Registry.DeleteValue(key, schema::kImeFileValue);
  }
  m->windows.Registry.DenyWrites(schema::HKLM, true);
  m->window.AvailableCombo.Current = 0;
  RemoveCatalogEntry(*m->context, m->window);
  EXPECT_EQ(m->windows.Dialogs.Shown.at(0).Text, "Do you want to delete E0010804:\"Pinyin Display ()\" ?");
  EXPECT_TRUE(m->HasCatalogKey("E0010804"));
  EXPECT_EQ(m->AvailableIds(), (Ids{"E0020804", "00000404"}));
}

TEST(InstallImeTest, AppliesInstallsNamesAndReloads) {
  auto m = Machine();
  m->window.Settings.CapsRelease = 1;  // a pending change
  m->window.InstallNameEdit.Text = "My IME";
  m->window.InstallFileEdit.Text = "C:\\WINDOWS\\system32\\new.ime";
  EXPECT_EQ(InstallIme(*m->context, m->window), "E0020409");
  const std::string key = schema::CatalogKey("E0020409");
  EXPECT_EQ(m->windows.Registry.PeekString(schema::HKLM, key, schema::kLayoutDisplayNameValue), "My IME");
  EXPECT_EQ(m->windows.Registry.PeekString(schema::HKLM, key, schema::kImeFileValue),
            "C:\\WINDOWS\\system32\\new.ime");
  // Applied before: the install sees the written state; reloaded after.
  EXPECT_EQ(m->windows.Registry.Peek(schema::HKCU, schema::kKeyboardLayoutKey, schema::kAttributesValue)->Data,
            TestMachine::Bytes(0x10000));
  EXPECT_EQ(m->window.Settings.CapsRelease, 1);
  EXPECT_EQ(m->window.InstallNameEdit.Text, "My IME");
  EXPECT_EQ(m->window.InstallFileEdit.Text, "C:\\WINDOWS\\system32\\new.ime");
  EXPECT_TRUE(m->windows.Dialogs.Shown.empty());
}

TEST(InstallImeTest, AFailedInstallWritesNoNameButKeepsTheApply) {
  const struct {
    const char* Why;
    bool DenyHklm;
    bool FailCall;
  } cases[] = {{"refused", false, true}, {"no rights", true, false}};
  for (const auto& c : cases) {
    auto m = Machine();
    m->windows.Registry.DenyWrites(schema::HKLM, c.DenyHklm);
    m->windows.Log.FailWhen = [&c](const std::string& call) { return c.FailCall && call.rfind("ImmInstall", 0) == 0; };
    m->window.Settings.CapsRelease = 1;
    m->window.InstallNameEdit.Text = "My IME";
    m->window.InstallFileEdit.Text = "C:\\WINDOWS\\system32\\new.ime";
    EXPECT_EQ(InstallIme(*m->context, m->window), "") << c.Why;
    EXPECT_EQ(m->windows.Registry.SubKeyNames(schema::HKLM, schema::kLayoutsKey).size(), 5u) << c.Why;
    EXPECT_EQ(m->windows.Registry.Peek(schema::HKCU, schema::kKeyboardLayoutKey, schema::kAttributesValue)->Data,
              TestMachine::Bytes(0x10000))
        << c.Why;
    m->windows.Log.FailWhen = nullptr;
  }
}

TEST(InstallImeTest, ThePlatformCountsUpPastExistingKeys) {
  auto m = Machine(0x0804);
  m->AddLayout({"E0020804", "Wubi", "Wubi Display", "WUBI.IME"});  // E0020804 exists already
  const Ids expected = {"E0030804", "E0040804"};
  for (const std::string& id : expected) {
    m->window.InstallNameEdit.Text = id;
    m->window.InstallFileEdit.Text = "new.ime";
    EXPECT_EQ(InstallIme(*m->context, m->window), id);
  }
}

}  // namespace
}  // namespace fennick
