// fennick's window as the program builds it: the start-up sequence against the
// real registry of the test prefix, the real window created, placed and
// labelled at its steps, then driven through its real buttons.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "conformance/win32/system_fixtures.h"
#include "platform/win32/unicode.h"
#include "platform/win32/win32_windows.h"
#include "program_window.h"
#include "registry/schema.h"
#include "ui/placement.h"
#include "ui/texts.h"

namespace fennick::win32 {
namespace {

using Id = ControlId;

std::string CaptionOf(Id id, UiLanguage language) {
  for (const ControlCaption& caption : ControlCaptions()) {
    if (caption.Control == id) return caption.Text.In(language);
  }
  return "?";
}

TEST_F(ProgramWindowTest, TheWindowIsCreatedPlacedAndLabelledBeforeTheLoad) {
  Start();
  const UiLanguage language = SelectUiLanguage(GetSystemDefaultLCID());
  // Created after the construction's click, with the Simplified captions, the
  // first font and no rows; re-labelled and given the system's font height
  // before the load; shown with the loaded rows.
  ASSERT_EQ(view_->Steps.size(), 4u);
  const std::string simplifiedOk = CaptionOf(Id::OkButton, UiLanguage::Simplified);
  EXPECT_EQ(view_->Steps[0], "created: " + simplifiedOk + ", 0 rows, height -12, legacy radio selected");
  EXPECT_EQ(view_->Steps[1].rfind("placed: ", 0), 0u);
  EXPECT_EQ(view_->Steps[2], "texts: " + CaptionOf(Id::OkButton, language) + ", 0 rows, height -11, legacy radio selected");
  EXPECT_EQ(view_->Steps[3].rfind("open: " + CaptionOf(Id::OkButton, language) + ", 3 rows", 0), 0u) << view_->Steps[3];

  // Centred horizontally; vertically in the desktop area.
  RECT frame;
  GetWindowRect(Ui().Window(), &frame);
  EXPECT_EQ(frame.left, CentredEdge(GetSystemMetrics(SM_CXSCREEN), frame.right - frame.left));
  RECT desktop;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
  EXPECT_EQ(view_->Steps[1], "placed: top " + std::to_string(WindowModeTop(desktop.bottom, PlacedHeight())));
  EXPECT_TRUE(IsWindowVisible(Ui().Window()));

  // The loaded lists: the available entries with the first one current.
  EXPECT_EQ(ComboItems(Get(Id::AvailableCombo)), (std::vector<std::string>{"Second IME", "Third IME", "German"}));
  EXPECT_EQ(SendMessageW(Get(Id::AvailableCombo), CB_GETCURSEL, 0, 0), 0);
}

TEST_F(ProgramWindowTest, OkThroughTheRealButtonAppliesAndCloses) {
  Start();
  HWND list = Get(Id::PreloadListView);
  ASSERT_EQ(ListCell(list, 0, 0), "US");
  EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
  Click(Id::DownButton);
  EXPECT_EQ(ListCell(list, 1, 0), "US");
  EXPECT_EQ(PreloadValues(), (std::vector<std::string>{"00000409", "00000804", "E0200804"})) << "not yet applied";
  Click(Id::OkButton);
  EXPECT_TRUE(record_.CloseRequested);
  EXPECT_EQ(Ui().Window(), nullptr) << "the window is gone";
  EXPECT_EQ(PreloadValues(), (std::vector<std::string>{"00000804", "00000409", "E0200804"}));
}

TEST_F(ProgramWindowTest, F2RenamesAnImeInPlaceUnderTextServices) {
  Start();
  HWND list = Get(Id::PreloadListView);
  // After start in-place editing is off until a style is clicked.
  EXPECT_FALSE(GetWindowLongPtrW(list, GWL_STYLE) & LVS_EDITLABELS);
  Click(Id::TextServicesRadio);
  ASSERT_TRUE(GetWindowLongPtrW(list, GWL_STYLE) & LVS_EDITLABELS);

  // Types a name into the row's edit box and ends the edit with Enter (or
  // cancels it with Escape).
  auto rename = [&](int row, const wchar_t* text, UINT key) {
    LVITEMW state = {};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    Pump(Ui().Window());
    SetFocus(list);
    SendMessageW(list, WM_KEYDOWN, VK_F2, 0);
    HWND edit = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETEDITCONTROL, 0, 0));
    ASSERT_TRUE(edit) << row;
    SetWindowTextW(edit, text);
    SendMessageW(edit, WM_KEYDOWN, key, 0);
    Pump(Ui().Window());
    EXPECT_FALSE(SendMessageW(list, LVM_GETEDITCONTROL, 0, 0)) << "the edit has ended";
  };
  rename(0, L"My US", VK_RETURN);
  EXPECT_EQ(ListCell(list, 0, 0), "US") << "a plain layout keeps its name";
  rename(2, L"Cancelled", VK_ESCAPE);
  EXPECT_EQ(ListCell(list, 2, 0), "Fennick IME");
  rename(2, L"My IME", VK_RETURN);
  EXPECT_EQ(ListCell(list, 2, 0), "My IME");

  Click(Id::ApplyButton);
  EXPECT_EQ(CatalogValue("E0200804", schema::kLayoutDisplayNameValue), "My IME");
  EXPECT_EQ(CatalogValue("00000409", schema::kLayoutDisplayNameValue), "");
}

}  // namespace
}  // namespace fennick::win32
