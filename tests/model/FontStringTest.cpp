#include "model/FontString.h"

#include <gtest/gtest.h>

namespace fenu {
namespace {

FontSpec WindowFont() { return FontSpec{}; }  // Segoe UI, 8 points, window text colour

FontSpec Styled() {
  FontSpec font;
  font.name = "Courier New";
  font.size = 11;
  font.bold = true;
  font.italic = true;
  font.underline = true;
  font.strikeOut = true;
  font.pitch = kPitchFixed;
  font.color = 0x00123456;
  font.charset = 238;
  return font;
}

TEST(FontString, WritesNameSizeStyleLettersPitchColourAndCharset) {
  EXPECT_EQ(FontString(WindowFont()), "Segoe UI,8,,0,clWindowText,1");

  FontSpec boldUnderlined;
  boldUnderlined.bold = true;
  boldUnderlined.underline = true;
  boldUnderlined.color = 0x000000FF;  // pure red
  EXPECT_EQ(FontString(boldUnderlined), "Segoe UI,8,BU,0,clRed,1");
  // All four letters in their fixed order; a colour outside the table as "$" + 8 hex digits.
  EXPECT_EQ(FontString(Styled()), "Courier New,11,BIUS,2,$00123456,238");
}

TEST(FontString, EveryColourIdentifierAndOddValuesSurviveTheRoundTrip) {
  const struct {
    FontColor value;
    const char* text;
  } cases[] = {
      {0x00000000, "clBlack"},     {0x00008080, "clOlive"},         {0x00C0C0C0, "clSilver"},
      {0x00FFFF00, "clAqua"},      {0x80000000, "clScrollBar"},     {0x8000000F, "clBtnFace"},
      {0x80000018, "clInfoBk"},    {0x1FFFFFFF, "clNone"},          {0x80000019, "$80000019"},
      {0xFFFFFFFF, "$FFFFFFFF"},   {0x00ABCDEF, "$00ABCDEF"},       {0x12345678, "$12345678"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColorToString(c.value), c.text);
    FontSpec font;
    font.color = c.value;
    FontSpec back;
    back.color = 0x00010203;
    ApplyFontString(FontString(font), back);
    EXPECT_EQ(back, font) << c.text;
  }
}

TEST(FontString, ColourPartsAcceptIdentifiersInAnyCaseAndNumbers) {
  const struct {
    const char* text;
    FontColor expected;
  } cases[] = {
      {"CLRED", 0x000000FF},  {"clwindowtext", kClWindowText}, {"$00FF0000", 0x00FF0000},
      {"255", 0x000000FF},    {"-2147483640", 0x80000008},     {"0x8000000F", 0x8000000F},
      {"$ff", 0x000000FF},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StringToColor(c.text), c.expected) << c.text;
    FontSpec font;
    ApplyFontString(std::string("Arial,9,,0,") + c.text, font);
    EXPECT_EQ(font.color, c.expected) << c.text;
  }
}

TEST(ApplyFontString, StyleLettersAnywhereInEitherCase) {
  FontSpec font = Styled();
  ApplyFontString("Arial,12,ub", font);
  EXPECT_TRUE(font.bold && font.underline);
  EXPECT_FALSE(font.italic || font.strikeOut);

  ApplyFontString("Arial,12,xsIx", font);
  EXPECT_TRUE(font.italic && font.strikeOut);
  EXPECT_FALSE(font.bold || font.underline);

  // A present but empty style part means no style at all.
  ApplyFontString("Arial,12,", font);
  EXPECT_FALSE(font.bold || font.italic || font.underline || font.strikeOut);
}

TEST(ApplyFontString, MissingAndInvalidPartsKeepTheCurrentValues) {
  const struct {
    const char* text;
    FontSpec (*expected)();
  } cases[] = {
      // Semicolons split as commas do; only name and size are given.
      {"Arial;12",
       [] {
         FontSpec f = Styled();
         f.name = "Arial";
         f.size = 12;
         return f;
       }},
      // Blanks around parts are trimmed.
      {"  Times New Roman , 14 ; B ; 1 ; clBlue ; 0 ",
       [] {
         FontSpec f = Styled();
         f.name = "Times New Roman";
         f.size = 14;
         f.italic = f.underline = f.strikeOut = false;
         f.pitch = kPitchVariable;
         f.color = 0x00FF0000;
         f.charset = 0;
         return f;
       }},
      // A size, pitch or charset that is no number, or out of range, stays as it was.
      {"Arial,x,B,7,clRed,300",
       [] {
         FontSpec f = Styled();
         f.name = "Arial";
         f.italic = f.underline = f.strikeOut = false;
         f.color = 0x000000FF;
         return f;
       }},
      {"Arial,12.5,,-1,,abc",
       [] {
         FontSpec f = Styled();
         f.name = "Arial";
         f.bold = f.italic = f.underline = f.strikeOut = false;
         return f;
       }},
      // A colour part that is neither an identifier nor a number keeps the colour.
      {"Arial,10,B,0,clMauve,0",
       [] {
         FontSpec f = Styled();
         f.name = "Arial";
         f.size = 10;
         f.italic = f.underline = f.strikeOut = false;
         f.pitch = kPitchDefault;
         f.charset = 0;
         return f;
       }},
      // An empty name is no name; parts beyond the sixth are ignored.
      {",9,,,,,extra,parts",
       [] {
         FontSpec f = Styled();
         f.size = 9;
         f.bold = f.italic = f.underline = f.strikeOut = false;
         return f;
       }},
      {"", [] { return Styled(); }},
  };
  for (const auto& c : cases) {
    FontSpec font = Styled();
    ApplyFontString(c.text, font);
    EXPECT_EQ(font, c.expected()) << c.text;
  }
}

TEST(ApplyFontString, LongFaceNamesAreCutToWhatAFontCanHold) {
  FontSpec font;
  ApplyFontString(std::string(80, 'N') + ",9", font);
  EXPECT_EQ(font.name, std::string(kMaxFaceName, 'N'));
  EXPECT_EQ(font.size, 9);
}

}  // namespace
}  // namespace fenu
