#include "insert/TfrmVarAuswahl.h"

#include <gtest/gtest.h>

#include "expansion/ScriptedPrompts.h"
#include "platform/fake/FakeServices.h"
#include "support/TempDir.h"
#include "data/SelectionVariables.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

struct Dialog {
  test::TempDir dir;
  FakeServices fake;
  ScriptedPrompts prompts;

  void Store(const std::string& name, const Lines& values, bool restricted) {
    SelectionVariables(SelectionVariablesFile(dir.Path())).WriteList(name, values, restricted);
  }
  TfrmVarAuswahl Open(const std::string& name) { return TfrmVarAuswahl(fake, prompts, dir.Path(), name); }
};

TEST(TfrmVarAuswahl, PlaceholdersAreAskedInTurnAndACancelAsksTheSameOneAgain) {
  Dialog d;
  d.Store("Anrede", {"Herr xxx, Abteilung xxx", "Frau"}, false);
  TfrmVarAuswahl form = d.Open("Anrede");
  ASSERT_TRUE(form.FormShow());
  EXPECT_EQ(form.Edit1, "Herr xxx, Abteilung xxx");
  EXPECT_TRUE(form.Edit1Enabled);
  d.prompts.answers = {std::nullopt, std::string("Meier"), std::string("Einkauf")};
  EXPECT_EQ(form.Confirm(), "Herr Meier, Abteilung Einkauf");
  EXPECT_EQ(d.prompts.log.size(), 3u);
  EXPECT_NE(d.prompts.log[0].find("Das 1. xxx austauschen gegen?"), std::string::npos);
  EXPECT_NE(d.prompts.log[1].find("Das 2. xxx austauschen gegen?"), std::string::npos);
}

TEST(TfrmVarAuswahl, RestrictedValuesComeBackUnchangedAndFreeValuesAsTyped) {
  Dialog d;
  d.Store("Anrede", {"Herr xxx"}, true);
  d.Store("Ort", {"Berlin"}, false);
  TfrmVarAuswahl restricted = d.Open("Anrede");
  ASSERT_TRUE(restricted.FormShow());
  EXPECT_FALSE(restricted.Edit1Enabled);
  EXPECT_EQ(restricted.Confirm(), "Herr xxx");
  TfrmVarAuswahl free = d.Open("Ort");
  ASSERT_TRUE(free.FormShow());
  free.Edit1 = "Köln";
  EXPECT_EQ(free.Confirm(), "Köln");
}

TEST(TfrmVarAuswahl, MissingFileOrVariableAreReported) {
  Dialog d;
  EXPECT_FALSE(d.Open("Anrede").FormShow());
  EXPECT_EQ(d.fake.log.back(),
            "MessageBox Fehler \"Datei mit den Auswahl-Variablen nicht gefunden! Vorgang abgebrochen.\" -> OK");
  d.Store("Ort", {"Berlin"}, true);
  TfrmVarAuswahl form = d.Open("Anrede");
  ASSERT_TRUE(form.FormShow());
  EXPECT_FALSE(form.ListBoxEnabled);
  EXPECT_TRUE(form.Edit1Enabled);
  EXPECT_TRUE(form.btnOKEnabled);
  EXPECT_EQ(d.fake.log.back(),
            "MessageBox Fehler \"Der Baustein enthält die Auswahl-Variable \"Anrede\". Dazu wurde jedoch keine "
            "Werteliste gefunden. Sie können nur einen Wert eingeben.\" -> OK");
  d.Store("Leer", {}, true);
  TfrmVarAuswahl empty = d.Open("Leer");
  ASSERT_TRUE(empty.FormShow());
  EXPECT_FALSE(empty.btnOKEnabled);
}

TEST(TfrmVarAuswahl, ADamagedFileIsNamedAndTheInsertionCancelled) {
  Dialog d;
  d.dir.Write("Daten/Auswahl.vdb", std::string(100, '\0'));
  EXPECT_FALSE(d.Open("Anrede").FormShow());
  EXPECT_EQ(d.fake.log, (Lines{"MessageBox Fehler \"Die Datei mit den Auswahl-Variablen \"" + d.dir.Path() +
                               "Daten\\Auswahl.vdb\" konnte nicht gelesen werden: Nullbyte bei Byte 0 (keine Textdatei)."
                               "\r\nDie Datei wurde nicht verändert. Vorgang abgebrochen.\" -> OK"}));
}

}  // namespace
}  // namespace fenu
