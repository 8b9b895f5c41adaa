// The language of every user-visible text, chosen once from the system default
// locale, and the three-language text triples the tables are made of.
#pragma once

#include <cstdint>

namespace fennick {

enum class UiLanguage { Simplified, Traditional, English };

// Exactly 0x0804 gives Simplified, exactly 0x0404 Traditional, any other value
// (Hong Kong 0x0C04, Singapore 0x1004, an LCID with a sort id) English.
constexpr UiLanguage SelectUiLanguage(std::uint32_t systemLocale) {
  return systemLocale == 0x0804   ? UiLanguage::Simplified
         : systemLocale == 0x0404 ? UiLanguage::Traditional
                                  : UiLanguage::English;
}

// One text in the three languages, UTF-8.
struct Text3 {
  const char* English;
  const char* Simplified;
  const char* Traditional;

  constexpr const char* In(UiLanguage language) const {
    return language == UiLanguage::Simplified    ? Simplified
           : language == UiLanguage::Traditional ? Traditional
                                                 : English;
  }
};

}  // namespace fennick
