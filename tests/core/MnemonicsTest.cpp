#include "core/Mnemonics.h"

#include <gtest/gtest.h>

namespace fenu {
namespace {

TEST(Mnemonics, TheLetterAfterASingleAmpersandInUpperCase) {
  const struct {
    const char* caption;
    char mnemonic;
  } cases[] = {
      {"&Datei", 'D'},
      {"Datenbank ö&ffnen", 'F'},
      {"&Übernehmen", '\xDC'},  // Ü, byte 0xDC in cp1252
      {"Kür&zel", 'Z'},
      {"Fragen && Antworten", '\0'},   // "&&" is a plain ampersand
      {"A && B &C", 'C'},
      {"Ohne", '\0'},
      {"Am Ende&", '\0'},
      {"", '\0'},
  };
  for (const auto& c : cases) EXPECT_EQ(MnemonicOf(c.caption), c.mnemonic) << c.caption;
}

TEST(Mnemonics, RepeatsAreFoundWithoutRegardToCase) {
  EXPECT_EQ(RepeatedMnemonics({"&Datei", "&Bearbeiten", "&Hilfe"}), "");
  EXPECT_EQ(RepeatedMnemonics({"&Datei", "&datum", "&Bearbeiten", "&Beenden", "&Dritte", "Ohne"}), "DB");
}

}  // namespace
}  // namespace fenu
