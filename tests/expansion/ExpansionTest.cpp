#include "expansion/Expansion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expansion/ScriptedPrompts.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeServices.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

// The clock stands at Wednesday, 9 December 2026, 14:05:33 on a German system; nested blocks
// live in the folder "Bausteine" of a fresh temporary folder.
class ExpansionTest : public ::testing::Test {
 protected:
  ExpansionResult Run(std::string_view text) { return engine.ExpandText(text, blockDir); }
  void WriteBlock(const std::string& id, const std::string& text) { dir.Write("Bausteine/" + id + ".txt", text); }

  FakeServices fake;
  ScriptedPrompts prompts;
  FakeClock clock;
  test::TempDir dir;
  std::string blockDir = dir.Path() + "Bausteine\\";
  ExpansionEngine engine{prompts, clock, clock, fake};
};

TEST_F(ExpansionTest, DateAndTimeVariables) {
  const struct {
    const char* marker;
    const char* expected;
  } cases[] = {
      {"<<DatumNormal|0>>", "09.12.26"},
      {"<<DatumNormal|-1>>", "08.12.26"},
      {"<<DatumMittel|0>>", "Mittwoch, 09.12.26"},
      {"<<DatumLang|0>>", "Mittwoch, 9. Dezember 2026"},
      {"<<DatumLang|23>>", "Freitag, 1. Januar 2027"},
      {"<<DatumKurz|0>>", "09.12."},
      {"<<ZeitKurz|0>>", "14:05"},
      {"<<ZeitKurz|5>>", "14:05"},  // the days shift the date only
      {"<<ZeitLang|0>>", "14:05:33"},
      {"<<TagZahl|0>>", "9"},
      {"<<TagZahl|-8>>", "1"},
      {"<<TagKurz|0>>", "Mi"},
      {"<<TagLang|1>>", "Donnerstag"},
      {"<<MonatZahl|0>>", "12"},
      {"<<MonatZahl|-70>>", "9"},
      {"<<MonatKurz|0>>", "Dez"},
      {"<<MonatKurz|92>>", "Mrz"},
      {"<<MonatLang|92>>", "März"},
      {"<<MonatLang|0>>", "Dezember"},
      {"<<Jahr|23>>", "2027"},
      {"<<Jahr| 1>>", "2026"},
      // Not in the table (names match with their case): the locale's date and long time.
      {"<<datumnormal|0>>", "09.12.2026 14:05:33"},
      {"<<Sonstwas|-9>>", "30.11.2026 14:05:33"},
      {"Am <<DatumNormal|0>> um <<ZeitKurz|0>> Uhr.", "Am 09.12.26 um 14:05 Uhr."},
  };
  for (const auto& c : cases) {
    const ExpansionResult result = Run(c.marker);
    EXPECT_EQ(result.text, c.expected) << c.marker;
    EXPECT_TRUE(result.ok && !result.blockMissing) << c.marker;
  }
  EXPECT_TRUE(fake.log.empty());
  EXPECT_TRUE(prompts.log.empty());
}

TEST_F(ExpansionTest, DefaultDateTimeFormLeavesOutMidnight) {
  clock.now = LocalTime{2026, 12, 9, 0, 0, 0, 0};
  EXPECT_EQ(Run("<<x|1>>").text, "10.12.2026");
  clock.now.millisecond = 1;
  EXPECT_EQ(Run("<<x|1>>").text, "10.12.2026 00:00:00");
}

TEST_F(ExpansionTest, MultiTextIsAskedOnceAndTheQuestionVanishes) {
  prompts.answers = {"Anna"};
  ExpansionResult result = Run("<<MehrfachText|P>> und <<MehrfachTextA|Wer?|>> und <<MehrfachText|P>>");
  EXPECT_EQ(result.text, " und  und Anna");
  EXPECT_EQ(prompts.log, std::vector<std::string>{"AskText \"Mehrfach-Text\" \"Wer?\" \"\" -> \"Anna\""});

  // A second question after an answered one goes without a prompt.
  prompts.log.clear();
  prompts.answers = {"Bea", "Carl"};
  result = Run("<<MehrfachTextA|Wer?|>><<MehrfachTextA|Und wer?|>><<MehrfachText|P>>/<<MehrfachText|P>>");
  EXPECT_EQ(result.text, "Bea/Bea");
  EXPECT_EQ(prompts.log.size(), 1u);

  // Cancelled, the default is remembered; the answer lasts one call only.
  prompts.log.clear();
  prompts.answers = {std::nullopt};
  EXPECT_EQ(Run("<<MehrfachTextA|Wer?|Meier>>Hallo <<MehrfachText|P>>").text, "Hallo Meier");
  EXPECT_EQ(Run("[<<MehrfachText|P>>]").text, "[]");

  // An empty answer is no answer: the next question asks again.
  prompts.log.clear();
  prompts.answers = {"", "Dora"};
  EXPECT_EQ(Run("<<MehrfachTextA|A?|>><<MehrfachTextA|B?|>><<MehrfachText|P>>").text, "Dora");
  EXPECT_EQ(prompts.log.size(), 2u);
}

TEST_F(ExpansionTest, UserTextTakesTheAnswerOrTheDefault) {
  prompts.answers = {std::nullopt, "Schulz", "<<Jahr|0>>"};
  EXPECT_EQ(Run("Herr <<AnwenderText|Ihr Name?|Meier>>, <<AnwenderText|Meier>>, <<AnwenderText|Jahr?|>>").text,
            "Herr Meier, Schulz, 2026");
  EXPECT_EQ(prompts.log, (std::vector<std::string>{
                             "AskText \"Anwender-Text\" \"Ihr Name?\" \"Meier\" -> Abbrechen",
                             "AskText \"Anwender-Text\" \"\" \"Meier\" -> \"Schulz\"",
                             // A typed marker is expanded in a later pass.
                             "AskText \"Anwender-Text\" \"Jahr?\" \"\" -> \"<<Jahr|0>>\"",
                         }));

  // The input box takes at most 255 characters.
  prompts.answers = {std::string(300, 'a')};
  EXPECT_EQ(Run("<<AnwenderText|Lang?|>>").text, std::string(kMaxInputLength, 'a'));
}

TEST_F(ExpansionTest, ChoicesAndOptionalPassages) {
  prompts.answers = {"Frau Dr.", std::nullopt, "Mit besten Grüßen\r\nIhr Team", std::nullopt};
  const ExpansionResult result = Run(
      "<<Auswahl|Anrede>>|<<Auswahl|Titel>>|<<Optional|Mit freundlichen Grüßen\r\nIhr Team>>|"
      "<<Optional|PS: Danke>>|");
  EXPECT_EQ(result.text, "Frau Dr.||Mit besten Grüßen\r\nIhr Team||");
  EXPECT_EQ(prompts.log, (std::vector<std::string>{
                             "ChooseValue \"Anrede\" -> \"Frau Dr.\"",
                             "ChooseValue \"Titel\" -> Abbrechen",
                             "AskOptional \"Mit freundlichen Grüßen\r\nIhr Team\" -> "
                             "Ja \"Mit besten Grüßen\r\nIhr Team\"",
                             "AskOptional \"PS: Danke\" -> Nein",
                         }));
}

TEST_F(ExpansionTest, AtMostFiftyReplacements) {
  std::string text, expected;
  for (int i = 0; i < 51; ++i) text += "<<TagZahl|" + std::to_string(i) + ">>,";
  for (int i = 0; i < 50; ++i) expected += std::to_string((8 + i) % 31 + 1) + ",";
  EXPECT_EQ(Run(text).text, expected + "<<TagZahl|50>>,");

  // A question beyond the fiftieth marker is not asked.
  std::string fifty;
  for (int i = 0; i < 50; ++i) fifty += "<<TagZahl|0>>";
  prompts.answers = {"a"};
  EXPECT_EQ(Run(fifty + "<<AnwenderText|x|y>>").text, std::string(50, '9') + "<<AnwenderText|x|y>>");
  EXPECT_TRUE(prompts.log.empty());

  // A block that contains itself ends after fifty passes as well.
  WriteBlock("0000000000001", "x<<BausteinText|0000000000001>>\r\n");
  const ExpansionResult result = Run("<<BausteinText|0000000000001>>");
  EXPECT_EQ(result.text, std::string(50, 'x') + "<<BausteinText|0000000000001>>");
  EXPECT_TRUE(result.ok && !result.blockMissing);
}

TEST_F(ExpansionTest, ClosingBeforeOpeningLeavesTheTextAlone) {
  const std::string text = "a >> b <<DatumNormal|0>> <<AnwenderText|x|y>>";
  const ExpansionResult result = Run(text);
  EXPECT_EQ(result.text, text);
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(clock.nowCalls, 0);
  EXPECT_TRUE(prompts.log.empty());
  // Brackets that make no marker are plain text.
  EXPECT_EQ(Run("x << y").text, "x << y");
  EXPECT_EQ(Run("<DatumNormal|0> <| >").text, "<DatumNormal|0> <| >");
}

TEST_F(ExpansionTest, NestedBlocksWithoutTrailingBlanks) {
  WriteBlock("0912261405123", "Gruß aus <<MonatLang|0>>\nZeile 2 \r\n\r\n \t\r\n");
  const std::string id = "<<BausteinText|0912261405123>>";
  EXPECT_EQ(Run("[" + id + "]").text, "[Gruß aus Dezember\r\nZeile 2]");
  // The block folder with or without its trailing backslash.
  EXPECT_EQ(engine.ExpandText(id, dir.Path() + "Bausteine").text, "Gruß aus Dezember\r\nZeile 2");
  EXPECT_TRUE(fake.log.empty());
}

TEST_F(ExpansionTest, MissingNestedBlockStopsTheExpansion) {
  dir.Write("Geheim.txt", "nicht lesen");
  const struct {
    const char* marker;
  } cases[] = {{"<<BausteinText|1111111111111>>"}, {"<<BausteinText|..\\Geheim>>"}, {"<<BausteinText|../Geheim>>"},
               {"<<BausteinText|>>"}};
  for (const auto& c : cases) {
    fake.log.clear();
    prompts.answers = {"Anna", "Bob"};
    prompts.log.clear();
    const std::string tail = std::string(c.marker) + " <<Jahr|0>> <<AnwenderText|b|>>";
    const ExpansionResult result = Run("<<Jahr|0>> <<AnwenderText|a|>> " + tail);
    EXPECT_EQ(result.text, "2026 Anna " + tail) << c.marker;
    EXPECT_TRUE(result.ok) << c.marker;
    EXPECT_TRUE(result.blockMissing) << c.marker;
    EXPECT_EQ(fake.log, std::vector<std::string>{"MessageBox Fehler \"Schwerer Fehler! Die zugehörige Baustein-Datei "
                                                 "wurde nicht gefunden. Weitermachen unmöglich.\" -> OK"})
        << c.marker;
    EXPECT_EQ(prompts.log.size(), 1u) << c.marker;
  }
}

TEST_F(ExpansionTest, MarkerWithoutWholeNumberFailsTheExpansion) {
  const struct {
    const char* marker;
    std::string message;
  } cases[] = {
      {"<<DatumNormal|x>>", "Die Variable \"<<DatumNormal|x>>\" enthält keine gültige Zahl."},
      {"<<Jahr|>>", BadNumberMessage("<<Jahr|>>")},
      {"<<TagZahl|1.5>>", BadNumberMessage("<<TagZahl|1.5>>")},
      {"<<TagZahl|1 >>", BadNumberMessage("<<TagZahl|1 >>")},
      {"<<DatumNormal|0|1>>", BadNumberMessage("<<DatumNormal|0|1>>")},
      {"<<Unbekannt|zwei>>", BadNumberMessage("<<Unbekannt|zwei>>")},
      {"<<Jahr|99999999999>>", BadNumberMessage("<<Jahr|99999999999>>")},
      // Without any "|" the name is empty and the argument is "<<ohne Strich".
      {"<<ohne Strich>>", "Die Variable \"<<ohne Strich>>\" enthält keine gültige Zahl."},
      {"<<>>", BadNumberMessage("<<>>")},
      {"<<Jahr|3000000>>", "Die Variable \"<<Jahr|3000000>>\" ergibt ein Datum außerhalb der Jahre 1 bis 9999."},
      {"<<Jahr|-740000>>", DateOutOfRangeMessage("<<Jahr|-740000>>")},
  };
  for (const auto& c : cases) {
    fake.log.clear();
    prompts.log.clear();
    prompts.answers = {"Anna", "Bob"};
    const ExpansionResult result = Run("<<AnwenderText|a|>> " + std::string(c.marker) + " <<AnwenderText|b|>>");
    EXPECT_FALSE(result.ok) << c.marker;
    EXPECT_EQ(fake.log, std::vector<std::string>{"MessageBox Fehler \"" + c.message + "\" -> OK"}) << c.marker;
    EXPECT_EQ(prompts.log.size(), 1u) << c.marker;  // nothing is asked after the faulty marker
  }
}

TEST_F(ExpansionTest, LinesOfABlockFileEachEndWithALineBreak) {
  const ExpansionResult result = engine.Expand({"Datum: <<DatumNormal|0>>", "", "Ende"}, blockDir);
  EXPECT_EQ(result.text, "Datum: 09.12.26\r\n\r\nEnde\r\n");
  EXPECT_EQ(engine.Expand({}, blockDir).text, "");
}

TEST(VariableTable, NamesMatchWithTheirCase) {
  EXPECT_EQ(VariableTable().size(), 19u);
  for (const VariableRow& row : VariableTable()) EXPECT_EQ(LookupVariable(row.name), row.value) << row.name;
  EXPECT_EQ(LookupVariable("DatumLang"), "dddd, d. mmmm yyyy");
  EXPECT_EQ(LookupVariable("datumlang"), "");
  EXPECT_EQ(LookupVariable(""), "");
}

}  // namespace
}  // namespace fenu
