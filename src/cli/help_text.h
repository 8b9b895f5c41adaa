// The command-line help text: 32 lines joined by a single carriage return.
#pragma once

#include <string>

#include "common/ui_language.h"

namespace fennick {

std::string BuildHelpText(UiLanguage language);

}  // namespace fennick
