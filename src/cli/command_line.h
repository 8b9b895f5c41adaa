// The command-line step of start-up: the system locale, the switch list, the
// help text and box, and the switch file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/main_window.h"
#include "registry/context.h"

namespace fennick {

// Every "/" starts a switch item; the piece before the first "/" (the program
// path) is dropped. No quoting: blanks and quotes stay inside the items.
std::vector<std::string> SwitchListFromCommandLine(const std::string& commandLine);

// The sole item "?", "h" or "help" (trimmed, any letter case) asks for help.
bool IsHelpRequest(const std::vector<std::string>& switchList);

// The file named by a sole "load:" item, trimmed; nothing otherwise.
std::optional<std::string> SwitchFileName(const std::vector<std::string>& switchList);

// Arguments after the program name: words separated by blanks, a pair of
// double quotes grouping blanks into one word.
int CountArguments(const std::string& commandLine);

// Reads SystemLocale and the command line into the window record, builds the
// help text, shows the help box when asked for and reads a switch file.
void CommandLineStep(Context& context, MainWindow& window);

}  // namespace fennick
