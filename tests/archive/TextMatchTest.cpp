#include "archive/TextMatch.h"

#include <gtest/gtest.h>

#include "core/Cp1252.h"

namespace fenu {
namespace {

constexpr std::size_t npos = std::string_view::npos;

std::size_t Forward(std::string_view text, std::string_view key, bool wholeWord, std::size_t from = 0) {
  return FindForward(text, from, key, wholeWord, CharBefore(text, from));
}

std::size_t Backward(std::string_view text, std::string_view key, bool wholeWord) {
  return FindBackward(text, text.size(), key, wholeWord, kNoChar);
}

TEST(TextMatch, WholeWordsEndAtAnythingButDigitsAsciiLettersAndUnderscore) {
  const struct {
    const char* text;
    std::size_t forward;
    std::size_t backward;
  } cases[] = {
      {"Rathaus", npos, npos},   {"Rat_geber", npos, npos}, {"Rat-geber", 0, 0},     {"Rat\xE4h", 0, 0},
      {"der Rat.", 4, 4},        {"Rat1 Rat", 5, 5},        {"RatRat Rat x", 7, 7},  {"\xE4Rat Rat", 1, 5},
      {"Rat\r\nRat", 0, 5},      {"aRat", npos, npos},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Forward(c.text, "Rat", true), c.forward) << c.text;
    EXPECT_EQ(Backward(c.text, "Rat", true), c.backward) << c.text;
  }
  EXPECT_EQ(Forward("Rathaus", "Rat", false), 0u);
  EXPECT_EQ(Backward("Rat Rathaus", "Rat", false), 4u);
  for (char c : std::string("09AZaz_")) EXPECT_TRUE(IsWordChar(c)) << c;
  for (char c : std::string("-. \r\n\xE4\xC4\xDF@[`{")) EXPECT_FALSE(IsWordChar(c)) << c;
}

TEST(TextMatch, TheNeighboursAreTheTextsOwnNotTheEdgeOfTheSearchedPart) {
  // Searching from the middle of "xRat": the "x" before still joins the word.
  EXPECT_EQ(Forward("xRat Rat", "Rat", true, 1), 5u);
  EXPECT_EQ(FindBackward("Rat Ratx", 7, "Rat", true, 'x'), 0u);
  EXPECT_EQ(FindBackward("Rat Ratx", 7, "Rat", true, kNoChar), 4u);
  // Only ASCII letters fold.
  EXPECT_EQ(UpperCaseAscii("haus \xE4rger HAUS"), "HAUS \xE4RGER HAUS");
  EXPECT_EQ(Forward(UpperCaseAscii("\xC4rger"), UpperCaseAscii("\xE4rger"), false), npos);
  // No wrap-around, and an empty key finds nothing.
  EXPECT_EQ(Forward("ab ab", "ab", false, 4), npos);
  EXPECT_EQ(FindBackward("ab ab", 1, "ab", false, kNoChar), npos);
  EXPECT_EQ(Forward("ab", "", false), npos);
}

// Replacing one occurrence after the other, as single steps do: the reference for one pass.
std::string StepByStep(std::string text, std::string_view key, std::string_view replacement, bool wholeWord, bool down,
                       std::size_t& count) {
  count = 0;
  std::size_t cursor = down ? 0 : text.size();
  for (;;) {
    const std::size_t at = down ? FindForward(text, cursor, key, wholeWord, CharBefore(text, cursor))
                                : FindBackward(text, cursor, key, wholeWord, CharAt(text, cursor));
    if (at == npos) return text;
    text.replace(at, key.size(), replacement);
    ++count;
    cursor = down ? at + replacement.size() : at;
  }
}

TEST(TextMatch, OnePassReplacesWhatStepAfterStepWould) {
  const struct {
    const char* text;
    const char* key;
    const char* replacement;
    bool wholeWord;
  } cases[] = {
      {"a b a b a", "a", "xa", false},  // the replacement holds the key: no endless run
      {"aaaa", "aa", "a", false},
      {"Rat Rat Rat", "Rat", "", true},
      {"Rat Rat", "Rat", "Rat_", true},  // the replacement joins the next word
      {"Rat Rat Rat", "Rat", "_", true},
      {"RatRat Rat", "Rat", "", true},
      {"x Rat", "Rat", "y", true},
      {"ohne", "Rat", "y", false},
      {"\r\nRat\r\nRat\r\n", "Rat", "Stadtrat\r\n", true},
  };
  for (const auto& c : cases) {
    for (const bool down : {true, false}) {
      SCOPED_TRACE(std::string(c.text) + (down ? " down" : " up"));
      const std::string text = c.text;
      std::size_t expectedCount = 0;
      const std::string expected = StepByStep(text, c.key, c.replacement, c.wholeWord, down, expectedCount);
      const ReplaceAllResult r = down ? ReplaceAllDown(text, text, 0, c.key, c.replacement, c.wholeWord)
                                      : ReplaceAllUp(text, text, text.size(), c.key, c.replacement, c.wholeWord);
      EXPECT_EQ(r.count, expectedCount);
      std::string result = text;
      if (r.count > 0) result.replace(r.start, r.length, r.replacement);
      EXPECT_EQ(result, expected);
      if (r.count > 0) {
        EXPECT_EQ(result.substr(r.lastStart, std::string_view(c.replacement).size()), c.replacement);
      }
    }
  }
  // The last replacement is where a run leaves the selection: the last one down, the first one up.
  EXPECT_EQ(ReplaceAllDown("a-a-a", "a-a-a", 0, "a", "bb", false).lastStart, 6u);
  EXPECT_EQ(ReplaceAllUp("a-a-a", "a-a-a", 5, "a", "bb", false).lastStart, 0u);
}

}  // namespace
}  // namespace fenu
