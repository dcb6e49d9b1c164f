#include "tools/TfrmFavFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/fake/FakeServices.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

const char* kHeader = "Bezeichnung\tPfad\t\r\n";

struct Window {
  test::TempDir dir;
  FakeServices fake;
  TfrmFavFolder form{fake.services, dir.Path()};

  void Favourites(const std::string& bytes) { dir.Write("Daten/Fafo.fdb", bytes); }
  std::string FavouritesFile() const { return dir.Read("Daten/Fafo.fdb"); }
  void Settings(const std::string& bytes) { dir.Write("fenu.ini", bytes); }
  std::string SettingsFile() const { return dir.Read("fenu.ini"); }
  std::string Name(int row) const { return form.Grid.Cell(0, row); }
  std::string Path(int row) const { return form.Grid.Cell(1, row); }
};

TEST(TfrmFavFolder, FreshFolderOpensWithOneEmptyRowAndClosingWritesFileAndSettings) {
  Window w;
  w.form.FormCreate();
  EXPECT_TRUE(w.fake.log.empty());
  EXPECT_EQ(w.form.Grid.RowCount(), 2);
  EXPECT_EQ(w.Name(0), "Bezeichnung");
  EXPECT_EQ(w.Path(0), "Pfad");
  EXPECT_FALSE(w.form.CheckBox);
  EXPECT_EQ(w.form.Grid.ColWidth(0), 100);
  EXPECT_EQ(w.form.Grid.ColWidth(1), 300);
  // The label names the hotkey that the shell registers without settings.
  EXPECT_EQ(w.form.Label4, "HotKey: Strg + N0");

  w.form.FormClose();
  EXPECT_EQ(w.FavouritesFile(), std::string(kHeader) + "\t\t\r\n");
  EXPECT_EQ(w.SettingsFile(), "[Main]\r\nExpoTree=0\r\nCol0=100\r\nCol1=300\r\n");
}

TEST(TfrmFavFolder, SettingsAndHotkeyLabel) {
  struct Case {
    std::string ini;
    bool tree;
    int col0, col1;
    std::string label;
  };
  const Case cases[] = {
      {"[Main]\r\nExpoTree=1\r\nCol0=150\r\nCol1=220\r\n[HotKeys]\r\nHotkeyFF1=[Strg-Alt]\r\nHotkeyFF2=1\r\n", true,
       150, 220, "HotKey: [Strg-Alt] + 1"},
      {"[Main]\r\nExpoTree=-1\r\nCol0=abc\r\n[HotKeys]\r\nHotkeyFF1=[Druck]\r\nHotkeyFF2=\r\n", true, 100, 300,
       "HotKey: [Druck]"},
      {"[Main]\r\nExpoTree=ja\r\nCol1=0x40\r\n", false, 100, 64, "HotKey: Strg + N0"},
  };
  for (const Case& c : cases) {
    Window w;
    w.Settings(c.ini);
    w.form.FormCreate();
    EXPECT_EQ(w.form.CheckBox, c.tree) << c.ini;
    EXPECT_EQ(w.form.Grid.ColWidth(0), c.col0) << c.ini;
    EXPECT_EQ(w.form.Grid.ColWidth(1), c.col1) << c.ini;
    EXPECT_EQ(w.form.Label4, c.label) << c.ini;
  }
}

TEST(TfrmFavFolder, PreparedListOpensWithItsHeaderResetAndEditsAreWrittenHoweverItCloses) {
  Window w;
  w.Favourites("Name\tOrt\t\r\nDokumente\tC:\\Users\\Anna\\Dokumente\t\r\nProjekte\tD:\\Projekte\t\r\n");
  w.Settings("[Main]\r\nCol0=120\r\n");
  w.form.FormCreate();
  ASSERT_EQ(w.form.Grid.RowCount(), 3);
  EXPECT_EQ(w.Name(0), "Bezeichnung");
  EXPECT_EQ(w.Path(0), "Pfad");
  EXPECT_EQ(w.Name(2), "Projekte");

  w.form.Grid.SetCell(0, 1, "Meine Dokumente");
  w.form.Grid.SetColWidth(1, 340);
  w.form.CheckBox = true;
  w.form.FormClose();
  EXPECT_EQ(w.FavouritesFile(), std::string(kHeader) +
                                    "Meine Dokumente\tC:\\Users\\Anna\\Dokumente\t\r\nProjekte\tD:\\Projekte\t\r\n");
  EXPECT_EQ(w.SettingsFile(), "[Main]\r\nCol0=120\r\nExpoTree=1\r\nCol1=340\r\n");

  // The next opening restores the widths and the check.
  TfrmFavFolder again(w.fake.services, w.dir.Path());
  again.FormCreate();
  EXPECT_EQ(again.Grid.ColWidth(0), 120);
  EXPECT_EQ(again.Grid.ColWidth(1), 340);
  EXPECT_TRUE(again.CheckBox);
  EXPECT_EQ(again.Grid.Cell(0, 1), "Meine Dokumente");
}

TEST(TfrmFavFolder, AddingNamesTheFolderByItsLastPartOrADriveByItsPath) {
  Window w;
  w.form.FormCreate();
  w.fake.folderAnswers = {std::string("C:\\Users\\Anna\\Dokumente"), std::string("D:\\"), std::nullopt,
                          std::string("\\\\server\\daten")};
  for (int i = 0; i < 4; ++i) w.form.btnAddClick();
  EXPECT_EQ(w.fake.log, (Lines{"BrowseForFolder \"Ordner auswählen\" -> C:\\Users\\Anna\\Dokumente",
                               "BrowseForFolder \"Ordner auswählen\" -> D:\\",
                               "BrowseForFolder \"Ordner auswählen\" -> Abbrechen",
                               "BrowseForFolder \"Ordner auswählen\" -> \\\\server\\daten"}));
  // The empty row of a new list stays above the added folders; the same folder may come twice.
  ASSERT_EQ(w.form.Grid.RowCount(), 5);
  EXPECT_EQ(w.Name(1), "");
  EXPECT_EQ(w.Name(2), "Dokumente");
  EXPECT_EQ(w.Path(2), "C:\\Users\\Anna\\Dokumente");
  EXPECT_EQ(w.Name(3), "D:\\");
  EXPECT_EQ(w.Path(3), "D:\\");
  EXPECT_EQ(w.Name(4), "daten");
  w.fake.folderAnswers = {std::string("D:\\")};
  w.form.btnAddClick();
  EXPECT_EQ(w.Path(5), "D:\\");

  // That empty row can go once others exist.
  w.form.Grid.SetCurrent(0, 1);
  w.form.btnDeleteClick();
  EXPECT_EQ(w.Name(1), "Dokumente");
  w.form.FormClose();
  EXPECT_EQ(w.FavouritesFile(), std::string(kHeader) +
                                    "Dokumente\tC:\\Users\\Anna\\Dokumente\t\r\nD:\\\tD:\\\t\r\n"
                                    "daten\t\\\\server\\daten\t\r\nD:\\\tD:\\\t\r\n");
}

TEST(TfrmFavFolder, RemovingStopsAtTheLastRow) {
  Window w;
  w.Favourites(std::string(kHeader) + "a\tA\t\r\nb\tB\t\r\n");
  w.form.FormCreate();
  w.form.Grid.SetCurrent(0, 2);
  w.form.btnDeleteClick();
  EXPECT_EQ(w.form.Grid.RowCount(), 2);
  EXPECT_EQ(w.form.Grid.row, 1);
  w.form.btnDeleteClick();
  EXPECT_EQ(w.form.Grid.RowCount(), 2);
  EXPECT_EQ(w.Name(1), "a");
  EXPECT_TRUE(w.fake.log.empty());  // no question
}

TEST(TfrmFavFolder, ExplorerGetsThePathWithOrWithoutTheTreeUnquoted) {
  Window w;
  w.Favourites(std::string(kHeader) + "Eigene\tC:\\Eigene Dateien\t\r\nFehlt\tX:\\gibt es nicht\t\r\n");
  w.form.FormCreate();
  w.form.btnFolderClick();
  w.form.CheckBox = true;
  w.form.Grid.SetCurrent(0, 2);
  w.form.btnFolderClick();
  EXPECT_EQ(w.fake.log, (Lines{"Shell \"explorer.exe\" \"C:\\Eigene Dateien\" maximiert",
                               "Shell \"explorer.exe\" \"/n,/e,X:\\gibt es nicht\" maximiert"}));
}

TEST(TfrmFavFolder, AnUnreadableFileIsReportedTheListStaysEmptyAndTheFileUntouched) {
  // More cells than any list holds, or a folder where the file should be.
  std::string huge(2048, '\t');
  for (int i = 0; i < 1024; ++i) huge += "\r\n";
  for (const bool folder : {false, true}) {
    Window w;
    if (folder) w.dir.Write("Daten/Fafo.fdb/inhalt", "");
    else w.Favourites(huge);
    w.form.FormCreate();
    const std::string path = w.dir.Path() + "Daten\\Fafo.fdb";
    ASSERT_EQ(w.fake.log.size(), 1u);
    EXPECT_EQ(w.fake.log[0].rfind("MessageBox Fehler \"Die Favoritenliste \"" + path + "\" kann nicht gelesen werden. ", 0),
              0u)
        << w.fake.log[0];
    EXPECT_NE(w.fake.log[0].find("Die Liste bleibt leer, und die Datei wird beim Schliessen nicht überschrieben."),
              std::string::npos);
    EXPECT_EQ(w.form.Grid.RowCount(), 2);
    EXPECT_EQ(w.Name(0), "Bezeichnung");
    w.form.Grid.SetCell(0, 1, "neu");
    w.form.FormClose();
    if (!folder) {
      EXPECT_EQ(w.FavouritesFile(), huge);
    }
    EXPECT_EQ(w.SettingsFile(), "[Main]\r\nExpoTree=0\r\nCol0=100\r\nCol1=300\r\n");
    EXPECT_EQ(w.fake.log.size(), 1u);
  }
}

TEST(TfrmFavFolder, AFileThatCannotBeWrittenIsReportedAndKeptAsItWas) {
  Window w;
  const std::string before = std::string(kHeader) + "alt\tC:\\alt\t\r\n";
  w.Favourites(before);
  ::chmod(w.dir.File("Daten/Fafo.fdb").c_str(), 0444);
  w.form.FormCreate();
  w.form.Grid.SetCell(0, 1, "neu");
  w.form.FormClose();
  const std::string path = w.dir.Path() + "Daten\\Fafo.fdb";
  EXPECT_EQ(w.fake.log, (Lines{"MessageBox Fehler \"Die Favoritenliste kann nicht gespeichert werden: nach " + path +
                               " kann nicht geschrieben werden. Die bisherige Datei bleibt unverändert.\" -> OK"}));
  EXPECT_EQ(w.FavouritesFile(), before);
  EXPECT_EQ(w.SettingsFile(), "[Main]\r\nExpoTree=0\r\nCol0=100\r\nCol1=300\r\n");

  // No folder can be made where a file has the name Daten.
  Window blocked;
  blocked.dir.Write("Daten", "kein Ordner");
  blocked.form.FormCreate();
  blocked.form.FormClose();
  ASSERT_EQ(blocked.fake.LogOf("MessageBox Fehler \"Die Favoritenliste kann nicht gespeichert werden").size(), 1u);
  EXPECT_EQ(blocked.dir.Read("Daten"), "kein Ordner");
}

TEST(TfrmFavFolder, HelpOpensTheFavouritesPage) {
  Window w;
  w.form.FormHelp();
  EXPECT_EQ(w.fake.log, (Lines{"Help " + w.dir.Path() + "Hilfe\\Fenu.chm::/favoriten.htm"}));
}

}  // namespace
}  // namespace fenu
