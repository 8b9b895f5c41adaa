// Switch files: switches written as on the command line, any number on a line.
#pragma once

#include <string>
#include <vector>

#include "registry/context.h"

namespace fennick {

// Joins the lines of a switch file's text: a line ends at CR (a LF right after
// the CR belongs to that line end), a lone LF stays inside the line, and a NUL
// ends the text.
std::string JoinSwitchFileLines(const std::string& text);

// The switches of the file of that name in the executable's directory; the
// piece before the first "/" is kept. No switches when the file cannot be read.
std::vector<std::string> ReadSwitchFile(Context& context, const std::string& fileName);

}  // namespace fennick
