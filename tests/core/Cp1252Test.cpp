#include "core/Cp1252.h"

#include <gtest/gtest.h>

namespace fenu {
namespace {

// Literals are compiled to cp1252; u8 literals keep UTF-8.
std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(Cp1252, EveryByteRoundTripsThroughUtf16AndUtf8) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  EXPECT_EQ(Utf16ToCp1252(Cp1252ToUtf16(all)), all);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, MapsTheHighControlsAndUmlauts) {
  EXPECT_EQ(Cp1252ToUtf8("\x80 \xE4\xF6\xFC\xDF \x84\x93"), Utf8(u8"€ äöüß „“"));
  EXPECT_EQ(Cp1252ToUtf8("äöü"), Utf8(u8"äöü"));  // the execution character set is cp1252
  EXPECT_EQ(Utf8ToCp1252(Utf8(u8"Grüße €")), "Gr\xFC\xDF" "e \x80");
  // Outside the code page, broken or truncated UTF-8: a question mark, never a read past the end.
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82"), "??");
  EXPECT_EQ(Utf8ToCp1252("a\xFF" "b"), "a?b");
  EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80"), "?");  // outside the code page
  EXPECT_EQ(Utf16ToCp1252(u"\u4E2D"), "?");
}

TEST(Cp1252, CaseFollowsTheCodePage) {
  EXPECT_EQ(UpperCase("äöü ßéœšÿ abc"), "ÄÖÜ ßÉŒŠŸ ABC");
  EXPECT_EQ(LowerCase("ÄÖÜ ÉŒŠŸ ABC ×"), "äöü éœšÿ abc ×");
  EXPECT_TRUE(EqualsNoCase("Größe", "GRÖßE"));
  EXPECT_FALSE(EqualsNoCase("Strg", "Strg-"));
  EXPECT_EQ(FindNoCase("[Gross-Strg]", "strg"), 7u);
  EXPECT_LT(CompareNoCase("abc", "ABD"), 0);
}

TEST(Cp1252, FindsWithoutCaseAtTheFirstPlace) {
  const struct {
    const char* haystack;
    const char* needle;
    std::size_t at;
  } cases[] = {
      {"aaab", "AAB", 1},             // a partial match before the real one
      {"Grüße an ÜBERMORGEN", "übermorgen", 9},
      {"xyz", "Z", 2},                // at the very end
      {"abc", "abcd", std::string_view::npos},
      {"abc", "", 0},
      {"", "a", std::string_view::npos},
      {"Straße", "STRASSE", std::string_view::npos},  // ß has no capital here
  };
  for (const auto& c : cases) EXPECT_EQ(FindNoCase(c.haystack, c.needle), c.at) << c.haystack << " / " << c.needle;
}

TEST(Cp1252, AsciiCaseLeavesEveryOtherByte) {
  EXPECT_EQ(UpperCaseAscii("äöü ßéœšÿ az{`@"), "äöü ßéœšÿ AZ{`@");
  EXPECT_EQ(LowerCaseAscii("ÄÖÜ ÉŒŠŸ AZ[@`"), "ÄÖÜ ÉŒŠŸ az[@`");
  EXPECT_TRUE(EqualsAsciiNoCase("Ordner x", "ORDNER X"));
  EXPECT_FALSE(EqualsAsciiNoCase("Größe", "GRÖßE"));  // the umlaut differs in case
  EXPECT_FALSE(EqualsAsciiNoCase("@", "`"));          // one apart, as 'A' and 'a' are not
  EXPECT_FALSE(EqualsAsciiNoCase("Strg", "Strg-"));
}

}  // namespace
}  // namespace fenu
