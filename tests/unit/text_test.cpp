#include <gtest/gtest.h>

#include "common/text.h"

namespace fennick {
namespace {

using Pieces = std::vector<std::string>;

TEST(Split, KeepsEveryPieceIncludingEmptyOnes) {
  struct Case {
    char separator;
    const char* text;
    Pieces expected;
  } cases[] = {
      {',', "a,b,", {"a", "b", ""}},
      {',', "", {""}},
      {',', "abc", {"abc"}},
      {',', ",", {"", ""}},
      {',', ",,a", {"", "", "a"}},
      {'/', "prog /on /caps", {"prog ", "on ", "caps"}},
      {'_', "Ctrl+Shift_8_Left", {"Ctrl+Shift", "8", "Left"}},
      {'_', "a__", {"a", "", ""}},
  };
  for (const Case& c : cases) EXPECT_EQ(Split(c.separator, c.text), c.expected) << c.text;
}

TEST(Trim, RemovesControlBytesAndBlanksAtBothEnds) {
  struct Case {
    std::string text, expected;
  } cases[] = {
      {"  on ", "on"},
      {"\t\r\ncaps\n", "caps"},
      {std::string("\x01\x1F ok \x20", 7), "ok"},
      {"a b", "a b"},
      {"   ", ""},
      {"", ""},
      {"\x21x\x7F", "\x21x\x7F"},  // 0x21 and 0x7F are not trimmed
      {"\xE4\xB8\xAD", "\xE4\xB8\xAD"},  // UTF-8 bytes above 0x7F stay
  };
  for (const Case& c : cases) EXPECT_EQ(Trim(c.text), c.expected) << c.text;
}

TEST(Number, ReadsAnOptionalSignAndDigitsUpToTheFirstOtherByte) {
  struct Case {
    const char* text;
    std::int32_t expected;
  } cases[] = {
      {"12", 12},   {"-5000", -5000}, {"+7", 7},   {"3a", 3},     {"x", 0},
      {"", 0},      {" 2", 0},        {"-", 0},    {"+-1", 0},    {"007", 7},
      {"2147483647", 2147483647},     {"-2147483648", INT32_MIN}, {"4294967297", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(Number(c.text), c.expected) << c.text;
}

TEST(AsciiCase, ChangesOnlyAsciiLetters) {
  EXPECT_EQ(ToUpperAscii("e0010804 Ab-z"), "E0010804 AB-Z");
  EXPECT_EQ(ToLowerAscii("WINPY.IME"), "winpy.ime");
  EXPECT_EQ(ToUpperAscii("中文 é"), "中文 é");
  EXPECT_TRUE(EqualsIgnoreCase("Layout File", "layout FILE"));
  EXPECT_FALSE(EqualsIgnoreCase("Layout File", "Layout Files"));
  EXPECT_TRUE(StartsWithIgnoreCase("LOAD:set.txt", "load:"));
  EXPECT_FALSE(StartsWithIgnoreCase("loa", "load:"));
}

TEST(Hex, EightUpperCaseDigitsAndBack) {
  EXPECT_EQ(Hex8(0xC006), "0000C006");
  EXPECT_EQ(Hex8(0xE0010804), "E0010804");
  EXPECT_EQ(Hex8(0), "00000000");
  EXPECT_EQ(ParseHex("e0010804"), 0xE0010804u);
  EXPECT_EQ(ParseHex("0000C006"), 0xC006u);
  EXPECT_EQ(ParseHex("12zz"), 0x12u);
}

}  // namespace
}  // namespace fennick
