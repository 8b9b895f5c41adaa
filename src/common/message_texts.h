// Texts the program shows in message boxes, kept in one place.
#pragma once

#include "common/ui_language.h"

namespace fennick {

// The program's name: the title of its information messages, and of its
// window, which appends the version.
constexpr char kApplicationTitle[] = "Fennick";

// Texts of the confirmation shown before a layout is deleted from the
// registry's catalog. The question reads: prefix + the layout's id + ":" +
// '"' + its name + " (" + its IME file + ")" + suffix, so the prefix ends with
// a space and the suffix begins with the closing quotation mark.
constexpr Text3 kWarningTitle = {"Warning!", "警告！", "警告！"};
constexpr Text3 kDeletePromptPrefix = {"Do you want to delete ", "确定要删除 ", "確定要刪除 "};
constexpr Text3 kDeletePromptSuffix = {"\" ?", "\" 吗？", "\" 嗎？"};

}  // namespace fennick
