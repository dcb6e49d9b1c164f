#include "common/HotkeySpec.h"

#include <gtest/gtest.h>

#include "core/Errors.h"

namespace fenu {
namespace {

TEST(HotkeySpec, ConvertsEveryFormOfBothParts) {
  struct Case {
    const char* first;
    const char* second;
    unsigned modifiers;
    unsigned key;
  };
  const Case cases[] = {
      {"[Druck]", "", 0, 44},
      {"[Strg-Alt]", "N0", 3, 96},
      {"[Gross-Strg]", "F5", 6, 116},
      {"[Gross-Strg-Alt]", "Q", 7, 81},
      {"Funktionstaste", "F12", 0, 123},
      {"Strg", "N1", 2, 97},
      {"Druck", "", 0, 44},             // the shell's bare default words
      {"Pause", "", 0, 19},
      {"[Pause]", "A", 0, 19},          // a special key replaces the second part
      {"Druck Pause", "", 0, 19},       // Pause replaces Druck
      {"Pause Rollen Druck", "", 0, 145},
      {"sTRG-aLT", "9", 3, 57},         // words in any case
      {"[Strg]", "", 2, 0},             // no key: nothing usable
      {"[Strg]", "f5", 2, 0},           // lower-case f is neither form
      {"[Strg]", "N10", 2, 0},          // three characters: not the N form
      {"[Strg-Alt]", "1", 3, 49},
      {"", "a", 0, 97},
      {"Funktionstaste", "", 0, 0},
  };
  for (const Case& c : cases) {
    const HotkeyCode code = ConvertHotkey(c.first, c.second);
    EXPECT_EQ(code, (HotkeyCode{c.modifiers, c.key})) << c.first << " + " << c.second;
  }
}

TEST(HotkeySpec, FOrNFormWithoutNumberIsAConversionError) {
  for (const char* second : {"Fx", "NA", "FN", "AF", "F1x"}) {
    EXPECT_THROW(ConvertHotkey("[Strg]", second), ConversionError) << second;
  }
  EXPECT_EQ(ConvertHotkey("[Strg]", "F").key, 70u);
  try {
    ConvertHotkey("", "Fx");
    FAIL() << "no error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "Ungültiger HotKey \"Fx\": 'x' ist kein gültiger Integerwert");
  }
}

TEST(HotkeySpec, TheLabelNamesTheSecondPartOnlyWhenThereIsOne) {
  EXPECT_EQ(HotkeyLabel("[Strg-Alt]", "F5"), "HotKey: [Strg-Alt] + F5");
  EXPECT_EQ(HotkeyLabel("Druck", ""), "HotKey: Druck");
  EXPECT_EQ(HotkeyLabel("", ""), "HotKey: ");
}

}  // namespace
}  // namespace fenu
