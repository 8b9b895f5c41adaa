// The two commands the program adds to the main window's system menu: the
// command-line help and the About box.
#pragma once

#include <cstdint>
#include <vector>

#include "common/ui_language.h"
#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

constexpr std::uint32_t kAboutCommand = 0x401;
constexpr std::uint32_t kHelpCommand = 0x402;

namespace menu_flag {
constexpr std::uint32_t String = 0x0;
constexpr std::uint32_t Checked = 0x8;
constexpr std::uint32_t Separator = 0x800;
}  // namespace menu_flag

// A separator, the help item and the About item (shown with a check mark), in
// the order they are appended.
std::vector<MenuItem> SystemMenuItems(UiLanguage language);

std::string AboutTitle(UiLanguage language);
// Author, date and web address, one per line, joined by a carriage return alone.
std::string AboutText(UiLanguage language);

// Called for every system-menu command that reaches the main window (the whole
// command value, low bits included, since the two ids differ only there). Shows
// the About box or the help box; every other command is left to the caller's
// default processing, which runs in every case.
void HandleSystemCommand(Context& context, MainWindow& window, std::uint32_t command);

}  // namespace fennick
