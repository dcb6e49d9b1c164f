#include "archive/TMemoSearch.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace fenu {
namespace {

// A memo on a string: every call that the user would see is logged.
class FakeMemo : public IMemoSearchHost {
 public:
  explicit FakeMemo(std::string memoText) : text(std::move(memoText)) {}

  std::string text;
  MemoRange selection;
  std::vector<std::string> log;
  std::deque<ReplaceAnswer> answers;  // for the replace question; without one it is closed (No)
  int edits = 0;
  int textReads = 0;
  bool dialogOpen = false;

  std::string Selected() const { return text.substr(selection.start, selection.length); }

  std::string MemoText() override {
    ++textReads;
    return text;
  }
  MemoRange MemoSelection() override { return selection; }
  void SelectInMemo(MemoRange range) override { selection = range; }
  void ReplaceInMemo(MemoRange range, std::string_view replacement) override {
    text.replace(range.start, range.length, replacement);
    ++edits;
  }
  void FocusMemo() override {}
  void ShowDialog(bool replace, std::string_view findText, FindFlags options, int helpContext) override {
    dialogOpen = true;
    log.push_back(std::string(replace ? "ReplaceDialog" : "FindDialog") + " \"" + std::string(findText) + "\" " +
                  std::to_string(options) + " " + std::to_string(helpContext));
  }
  void CloseDialog() override { dialogOpen = false; }
  void ShowResult(std::string_view caption, std::string_view message) override {
    log.push_back(std::string(caption) + ": " + std::string(message));
  }
  ReplaceAnswer AskReplace(std::size_t offset) override {
    log.push_back("Text ersetzen? bei " + std::to_string(offset));
    if (answers.empty()) return ReplaceAnswer::No;
    const ReplaceAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// The archive window's settings.
void AsInTheArchive(TMemoSearch& search) {
  search.ReplaceKey = kShortCutCtrl | 'H';
  search.HideAfterSearch = false;
  search.Options = frDown | frFindNext | frReplace | frReplaceAll;
}

using Button = TMemoSearch::Button;

TEST(TMemoSearch, TheFirstFindOfANewTextStartsAtTheStartOrTheEndNotAtTheCaret) {
  FakeMemo memo("Haus Maus\r\nHaus Maus");
  TMemoSearch search(memo);
  AsInTheArchive(search);
  memo.selection = {12, 0};  // the caret in the second line
  search.Find("");
  EXPECT_EQ(memo.log, std::vector<std::string>{"FindDialog \"\" 1539 0"});

  search.DialogButton(Button::FindNext, "haus", "", frDown);
  EXPECT_EQ(memo.selection, (MemoRange{0, 4}));
  search.DialogButton(Button::FindNext, "haus", "", frDown);
  EXPECT_EQ(memo.selection, (MemoRange{11, 4}));  // the line break counts as two
  search.SearchAgain();
  EXPECT_EQ(memo.log.back(), "Ergebnisse Suchen: Kein weiteres Vorkommen von \"haus\" gefunden.");
  EXPECT_EQ(memo.selection, (MemoRange{11, 4}));
  search.SearchAgain();  // no wrap-around: the same message until the caret moves
  EXPECT_EQ(memo.log.back(), "Ergebnisse Suchen: Kein weiteres Vorkommen von \"haus\" gefunden.");

  // Upward, a new text starts at the end; the next one goes on before the selection.
  memo.selection = {0, 0};
  search.DialogButton(Button::FindNext, "maus", "", 0);
  EXPECT_EQ(memo.selection, (MemoRange{16, 4}));
  search.DialogButton(Button::FindNext, "maus", "", 0);
  EXPECT_EQ(memo.selection, (MemoRange{5, 4}));
  memo.log.clear();
  search.DialogButton(Button::FindNext, "maus", "", 0);
  EXPECT_EQ(memo.log, std::vector<std::string>{"Ergebnisse Suchen: Kein weiteres Vorkommen von \"maus\" gefunden."});
  search.DialogButton(Button::FindNext, "Katze", "", 0);
  EXPECT_EQ(memo.log.back(), "Ergebnisse Suchen: \"Katze\" kann nicht gefunden werden.");
}

TEST(TMemoSearch, CaseAndWholeWordsFollowTheAsciiRules) {
  FakeMemo memo("\xC4rger im HAUS; Rathaus, Rat_geber, Rat-geber, Rat\xE4h");
  TMemoSearch search(memo);
  search.HideAfterSearch = false;
  const struct {
    const char* key;
    FindFlags options;
    const char* found;  // what is selected, or the message
  } cases[] = {
      {"\xE4rger", frDown, "\"\xE4rger\" kann nicht gefunden werden."},
      {"\xC4rger", frDown, "\xC4rger"},
      {"haus", frDown, "HAUS"},
      {"haus", frDown | frMatchCase, "haus"},  // in "Rathaus"
      {"Haus", frDown | frMatchCase, "\"Haus\" kann nicht gefunden werden."},
      {"Rat", frDown | frWholeWord, "Rat"},
      {"rathaus", frWholeWord, "Rathaus"},
  };
  for (const auto& c : cases) {
    memo.log.clear();
    memo.selection = {};
    search.Options = c.options;
    search.Find(c.key);
    if (!memo.log.empty())
      EXPECT_EQ(memo.log.back(), std::string("Ergebnisse Suchen: ") + c.found) << c.key;
    else
      EXPECT_EQ(memo.Selected(), c.found) << c.key;
  }
  // "Rat" as a whole word: not in "Rathaus" nor "Rat_geber", but in "Rat-geber" and "Ratäh".
  search.Options = frDown | frWholeWord;
  search.Find("Rat");
  EXPECT_EQ(memo.selection.start, 35u);
  search.DialogButton(Button::FindNext, "Rat", "", frDown | frWholeWord);
  EXPECT_EQ(memo.selection.start, 46u);
  // A single character that stands only inside words, searched upward as a whole word.
  memo.log.clear();
  search.DialogButton(Button::FindNext, "b", "", frWholeWord);
  search.SearchAgain();
  memo.selection = {10, 0};
  search.DialogButton(Button::FindNext, "b", "", frWholeWord);
  EXPECT_EQ(memo.log, (std::vector<std::string>{"Ergebnisse Suchen: \"b\" kann nicht gefunden werden.",
                                                "Ergebnisse Suchen: Kein weiteres Vorkommen von \"b\" gefunden.",
                                                "Ergebnisse Suchen: Kein weiteres Vorkommen von \"b\" gefunden."}));
}

TEST(TMemoSearch, ReplaceAllReplacesEveryHitInOneEditAndCountsThemOnce) {
  FakeMemo memo("eins zwei eins\r\ndrei eins");
  TMemoSearch search(memo);
  AsInTheArchive(search);
  search.ShowReplaceCount = true;
  search.Replace("");
  search.DialogButton(Button::ReplaceAll, "EINS", "1", frDown);
  EXPECT_EQ(memo.text, "1 zwei 1\r\ndrei 1");
  EXPECT_EQ(memo.edits, 1);
  EXPECT_EQ(memo.selection, (MemoRange{15, 1}));
  EXPECT_EQ(memo.log, (std::vector<std::string>{"ReplaceDialog \"\" 1539 0",
                                                "Ergebnisse Ersetzen: Ersetzt 3 von \"EINS\" gefundenen."}));
  EXPECT_EQ(search.ReplaceCount(), 3u);

  // Without ShowReplaceCount, as in the archive window, a run ends without a message.
  FakeMemo quiet("a a");
  TMemoSearch other(quiet);
  AsInTheArchive(other);
  other.Replace("");
  other.DialogButton(Button::ReplaceAll, "a", "b", frDown);
  EXPECT_EQ(quiet.text, "b b");
  EXPECT_EQ(quiet.log.size(), 1u);
}

TEST(TMemoSearch, AReplacementThatHoldsTheKeyEndsTheRunAfterTheLastHit) {
  for (const FindFlags direction : {FindFlags{frDown}, FindFlags{0}}) {
    FakeMemo memo("Rat und Rat");
    TMemoSearch search(memo);
    AsInTheArchive(search);
    search.Replace("");
    search.DialogButton(Button::ReplaceAll, "Rat", "Stadtrat Rat", direction);
    EXPECT_EQ(memo.text, "Stadtrat Rat und Stadtrat Rat");
    EXPECT_EQ(search.ReplaceCount(), 2u);
    EXPECT_EQ(memo.selection, (MemoRange{direction ? 17u : 0u, 12}));
  }
}

TEST(TMemoSearch, ReplaceStepsOneByOneThenAllTheRest) {
  FakeMemo memo("x x x x");
  TMemoSearch search(memo);
  AsInTheArchive(search);
  search.Replace("");
  search.DialogButton(Button::Replace, "x", "yy", frDown);
  EXPECT_EQ(memo.text, "yy x x x");
  EXPECT_EQ(memo.selection, (MemoRange{0, 2}));  // the inserted text
  search.DialogButton(Button::Replace, "x", "yy", frDown);
  EXPECT_EQ(memo.text, "yy yy x x");
  // "Alle ersetzen" after "Ersetzen" with the same text replaces all the others ...
  search.DialogButton(Button::ReplaceAll, "x", "yy", frDown);
  EXPECT_EQ(memo.text, "yy yy yy yy");
  // ... and a further "Ersetzen" one, reporting that there is none.
  memo.text = "x x";
  memo.selection = {};
  search.DialogButton(Button::Replace, "x", "z", frDown);
  EXPECT_EQ(memo.text, "z x");
  search.DialogButton(Button::Replace, "x", "z", frDown);
  search.DialogButton(Button::Replace, "x", "z", frDown);
  EXPECT_EQ(memo.text, "z z");
  EXPECT_EQ(memo.log.back(), "Ergebnisse Ersetzen: Kein weiteres Vorkommen von \"x\" gefunden.");
}

TEST(TMemoSearch, TheReplaceQuestionDecidesHitByHit) {
  FakeMemo memo("a a a a");
  TMemoSearch search(memo);
  AsInTheArchive(search);
  search.PromptReplace = true;
  search.Replace("");
  memo.answers = {ReplaceAnswer::Yes, ReplaceAnswer::No, ReplaceAnswer::All};
  search.DialogButton(Button::ReplaceAll, "a", "b", frDown);
  EXPECT_EQ(memo.text, "b a b b");
  EXPECT_EQ(memo.log, (std::vector<std::string>{"ReplaceDialog \"\" 1539 0", "Text ersetzen? bei 0",
                                                "Text ersetzen? bei 2", "Text ersetzen? bei 4"}));
  EXPECT_FALSE(search.PromptReplace);  // "Alle Ja" asks no more

  // A single replace step with the question closed leaves the hit selected.
  FakeMemo one("a a");
  TMemoSearch single(one);
  single.PromptReplace = true;
  single.Replace("");
  single.DialogButton(Button::Replace, "a", "b", frDown);
  EXPECT_EQ(one.text, "a a");
  EXPECT_EQ(one.selection, (MemoRange{0, 1}));
  single.SearchAgain();
  EXPECT_EQ(one.selection, (MemoRange{2, 1}));
}

TEST(TMemoSearch, TheDialogStartsWithTheSelectionAndHidesAfterASearchWhenAskedTo) {
  FakeMemo memo("ein Wort hier, ein Wort da");
  TMemoSearch search(memo);
  search.HelpContext = 7;
  memo.selection = {4, 4};
  search.Find("");
  EXPECT_EQ(memo.log, std::vector<std::string>{"FindDialog \"Wort\" 1 7"});
  EXPECT_TRUE(memo.dialogOpen);
  search.DialogButton(Button::FindNext, "Wort", "", frDown | frMatchCase);
  EXPECT_EQ(memo.selection, (MemoRange{4, 4}));  // a new search: from the start
  EXPECT_FALSE(memo.dialogOpen);
  search.DialogClosed(frDown | frMatchCase | frFindNext);
  EXPECT_EQ(search.Options, frDown | frMatchCase | frFindNext);
  search.SearchAgain();
  EXPECT_EQ(memo.selection, (MemoRange{19, 4}));
  EXPECT_EQ(search.SearchString(), "Wort");
  // A new dialog begins a new search.
  search.Find("");
  EXPECT_EQ(search.SearchString(), "");
}

TEST(TMemoSearch, ShortcutsOpenTheDialogsAndTheirCharacterNeverReachesTheMemo) {
  FakeMemo memo("abc abc");
  TMemoSearch search(memo);
  AsInTheArchive(search);
  using Key = TMemoSearch::KeyAction;
  EXPECT_EQ(MakeShortCut('F', false, true, false), kShortCutCtrl | 'F');
  EXPECT_EQ(MakeShortCut(0x172, true, true, true), 0xE072);

  EXPECT_EQ(search.KeyDown(MakeShortCut('F', false, true, false)), Key::PostOpenFind);
  EXPECT_TRUE(search.DropCharacter());   // Ctrl+F's character
  EXPECT_FALSE(search.DropCharacter());  // the next one arrives
  EXPECT_EQ(search.KeyDown(MakeShortCut('H', false, true, false)), Key::PostOpenReplace);
  EXPECT_EQ(search.KeyDown(MakeShortCut('R', false, true, false)), Key::PassOn);  // the default, not the archive's
  EXPECT_EQ(search.KeyDown(MakeShortCut('F', true, true, false)), Key::PassOn);
  EXPECT_FALSE(search.DropCharacter());

  // F3 without a search text is an ordinary key; with one it repeats the search.
  EXPECT_EQ(search.KeyDown(kVirtualKeyF3), Key::PassOn);
  search.OpenFindMessage();
  search.DialogButton(Button::FindNext, "abc", "", frDown);
  EXPECT_EQ(search.KeyDown(kVirtualKeyF3), Key::SearchedAgain);
  EXPECT_EQ(memo.selection, (MemoRange{4, 3}));
  // F3 makes no character: the next key's character is not lost.
  EXPECT_EQ(search.KeyDown('X'), Key::PassOn);
  EXPECT_FALSE(search.DropCharacter());
}

TEST(TMemoSearch, ReplaceAllTakesTheTextOncePerRunWhateverTheNumberOfHits) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "Zeile " + std::to_string(i) + " mit Wort\r\n";
  FakeMemo memo(text);
  TMemoSearch search(memo);
  AsInTheArchive(search);
  search.Replace("");
  search.DialogButton(Button::ReplaceAll, "Wort", "Begriff", frDown);
  EXPECT_EQ(search.ReplaceCount(), 1000u);
  EXPECT_EQ(memo.edits, 1);
  EXPECT_LE(memo.textReads, 3);
  EXPECT_EQ(memo.text.find("Wort"), std::string::npos);
}

TEST(TMemoSearch, TheReplaceQuestionStandsNearTheHitAndOnTheScreen) {
  const struct {
    int x, y;
    int left, top;  // -1: the default
  } cases[] = {
      {100, 200, 100, 200 + 16 + 5},
      {900, 200, 1024 - 300, 221},  // would leave the screen on the right
      {100, 700, 100, 700 - 5 - 120},  // ... at the bottom
      {-10, 200, -1, 221},
      {100, -3, 100, -1},
  };
  for (const auto& c : cases) {
    const BoxPlace place = ReplaceQuestionPlace(c.x, c.y, 300, 120, 1024, 768, 16);
    EXPECT_EQ(place.left.value_or(-1), c.left) << c.x << "," << c.y;
    EXPECT_EQ(place.top.value_or(-1), c.top) << c.x << "," << c.y;
  }
}

}  // namespace
}  // namespace fenu
