#include "insert/TfrmMiniAuswahl.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeServices.h"
#include "support/DamagedStores.h"
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

TEST(TfrmMiniAuswahl, OpensOnAWholeIndexOrADatabaseWithoutOne) {
  Dialog d;
  EXPECT_TRUE(d.form.FormCreate());
  // No block has an abbreviation: the database is there, its index is not.
  d.dir.Write("fenu.ini", "[Main]\r\nCurrentDB=" + d.dir.Path() + "Daten/Kunden.bdb\r\nCurDirectDB=" + d.dir.Path() +
                              "Daten/Leer.kdb\r\n");
  d.dir.Write("Daten/Kunden.bdb", "");
  EXPECT_TRUE(d.form.FormCreate());
  EXPECT_TRUE(d.fake.log.empty());
  EXPECT_TRUE(d.form.Abbreviations().empty());
}

TEST(TfrmMiniAuswahl, WithoutItsDatabaseTheIndexOfAnExistingDummyDatabaseServes) {
  Dialog d;
  d.dir.Write("fenu.ini", "[Main]\r\nCurrentDB=E:\\Fenu\\Daten\\Kunden.bdb\r\nCurDirectDB=E:\\Fenu\\Daten\\Kunden.kdb\r\n");
  EXPECT_FALSE(d.form.FormCreate());  // no dummy database either
  const Lines notFound{"MessageBox Fehler \"Die Datenbank \"E:\\Fenu\\Daten\\Kunden.bdb\" konnte nicht gefunden werden!\" -> OK"};
  EXPECT_EQ(d.fake.log, notFound);

  d.fake.log.clear();
  d.dir.Write("Daten/DBDummy.bdb", "");
  d.dir.Write("Daten/DBDummy.kdb", "[Main]\r\ndu=1.txt\r\n");
  EXPECT_TRUE(d.form.FormCreate());
  EXPECT_EQ(d.fake.log, notFound);
  EXPECT_EQ(d.form.Abbreviations(), Lines{"du"});
  d.form.txtKurzChange("du");
  EXPECT_TRUE(d.form.btnOKClick());
  EXPECT_EQ(d.inserter.inserted, (Lines{"Mit freundlichen Grüßen\r\n|" + d.dir.Path() + "Daten\\Bausteine\\|9"}));
}

TEST(TfrmMiniAuswahl, ADamagedIndexIsNamedAndNeitherOpensNorInserts) {
  const std::string whole = "[Main]\r\nmfg=1.txt\r\ngr=2.txt\r\n";
  std::vector<test::DamagedFile> cases = test::DamagedProfiles();
  cases.push_back({"cut off in its last line", whole.substr(0, 17), "unerwartetes Ende der Daten bei Byte 17"});
  for (const test::DamagedFile& damaged : cases) {
    SCOPED_TRACE(damaged.name);
    Dialog d;
    d.dir.Write("Daten/Kunden.kdb", damaged.bytes);
    const auto before = d.dir.Files();
    const std::string box = "MessageBox Fehler \"Der Kürzel-Index \"" + d.dir.Path() +
                            "Daten/Kunden.kdb\" konnte nicht gelesen werden: " + damaged.reason +
                            ".\r\nDie Datei wurde nicht verändert. Speichern Sie die Datenbank in der Baustein Verwaltung, "
                            "dann wird der Kürzel-Index neu geschrieben.\" -> OK";
    EXPECT_FALSE(d.form.FormCreate());
    // Damaged while the window is open: told again, nothing inserted, the window goes on.
    EXPECT_TRUE(d.form.Abbreviations().empty());
    d.form.txtKurzChange("mfg");
    EXPECT_FALSE(d.form.btnOKClick());
    EXPECT_EQ(d.fake.log, (Lines{box, box, box}));
    EXPECT_TRUE(d.inserter.inserted.empty());
    EXPECT_EQ(d.dir.Files(), before);
  }
}

}  // namespace
}  // namespace fenu
