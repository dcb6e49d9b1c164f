#include "insert/TfrmMiniAuswahl.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeServices.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

struct Recorder : IBlockInserter {
  Lines inserted;
  void Insert(const std::string& text, const std::string& blockDir, WindowHandle target) override {
    inserted.push_back(text + "|" + blockDir + "|" + std::to_string(target));
  }
};

struct Dialog {
  test::TempDir dir;
  FakeServices fake;
  Recorder inserter;
  TfrmMiniAuswahl form{fake.services, inserter, dir.Path(), 9};
  Dialog() {
    dir.Write("fenu.ini", "[Main]\r\nCurDirectDB=" + dir.Path() + "Daten/Kunden.kdb\r\n");
    dir.Write("Daten/Kunden.kdb", "[Main]\r\nmfg=1.txt\r\ngr=2.txt\r\nweg=3.txt\r\n");
    dir.Write("Daten/Bausteine/1.txt", "Mit freundlichen Grüßen");
    dir.Write("Daten/Bausteine/2.txt", "");
  }
};

TEST(TfrmMiniAuswahl, AnAbbreviationInAnyCaseInsertsItsBlock) {
  Dialog d;
  EXPECT_FALSE(d.form.btnOKEnabled);
  d.form.txtKurzChange("MFG");
  EXPECT_TRUE(d.form.btnOKEnabled);
  EXPECT_TRUE(d.form.btnOKClick());
  EXPECT_EQ(d.inserter.inserted, (Lines{"Mit freundlichen Grüßen\r\n|" + d.dir.Path() + "Daten/Bausteine\\|9"}));
  // An empty block goes out as empty text.
  d.form.txtKurzChange("gr");
  EXPECT_TRUE(d.form.btnOKClick());
  EXPECT_EQ(d.inserter.inserted.back(), "|" + d.dir.Path() + "Daten/Bausteine\\|9");
}

TEST(TfrmMiniAuswahl, UnknownAbbreviationOrMissingTextKeepsTheDialogOpen) {
  Dialog d;
  d.form.txtKurzChange("xyz");
  EXPECT_FALSE(d.form.btnOKClick());
  d.form.txtKurzChange("weg");
  EXPECT_FALSE(d.form.btnOKClick());
  EXPECT_EQ(d.fake.log, (Lines{"MessageBox Fehler \"Ein Baustein mit diesem Kürzel wurde nicht gefunden!\" -> OK",
                               "MessageBox Fehler \"Schwerer Fehler! Die zugehörige Baustein-Datei wurde nicht gefunden. "
                               "Weitermachen unmöglich.\" -> OK"}));
  EXPECT_TRUE(d.inserter.inserted.empty());
  EXPECT_EQ(d.form.Abbreviations(), (Lines{"mfg", "gr", "weg"}));
  d.form.ListChosen("gr");
  EXPECT_EQ(d.form.txtKurz, "gr");
  EXPECT_TRUE(d.form.btnOKEnabled);
}

}  // namespace
}  // namespace fenu
