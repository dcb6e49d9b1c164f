#include "store/TForm1.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "core/FileIo.h"
#include "expansion/ScriptedPrompts.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeServices.h"
#include "model/TreeOps.h"
#include "support/DamagedStores.h"
#include "support/TempDir.h"
#include "tools/TfrmInfo.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

class FakeForm1Dialogs : public IForm1Dialogs {
 public:
  explicit FakeForm1Dialogs(FakeServices& fake) : fake_(fake) {}
  void ShowInfo(TfrmInfo&) override { fake_.log.push_back("Show TfrmInfo"); }
  void ShowOptions(const std::string& databaseFile) override { fake_.log.push_back("Show TfrmOptions " + databaseFile); }
  bool ShowVariables(TfrmVariables& window) override {
    fake_.log.push_back("Show TfrmVariables");
    window.FormShow();
    return onVariables ? onVariables(window) : false;
  }
  void ShowMemo(const std::string& text) override { fake_.log.push_back("Show TfrmMemo \"" + text + "\""); }
  IPrompts& Prompts() override { return prompts; }
  IClock& Clock() override { return clock; }
  ILocale& Locale() override { return clock; }

  // Acts on the variable editor as the user would; answers whether it closes with OK.
  std::function<bool(TfrmVariables&)> onVariables;
  ScriptedPrompts prompts;
  FakeClock clock;

 private:
  FakeServices& fake_;
};

// Kunden
//   Brief (block, key B, abbreviation "br")
//   Intern (folder, key I)
//     Memo (block, key M)
//   Vorlagen (folder, key V)
struct Window {
  test::TempDir dir;
  FakeServices fake;
  FakeForm1Dialogs dialogs{fake};
  TForm1 form{fake.services, dialogs, dir.Path()};

  std::string Db() const { return dir.Path() + "Daten/Kunden.bdb"; }
  std::string Blocks() const { return dir.Path() + "Daten/Bausteine/"; }

  Window() {
    BlockDatabase db(dir.Path());
    ForceDirectories(dir.Path() + "Daten/Bausteine");
    TTreeViewEx& tree = db.Tree();
    UseBlockDataSize(tree);
    TreeNode& root = tree.AddChild(nullptr, "Kunden");
    Add(tree, &root, "Brief", kImageBlock, "B", "br", "1111111111111.txt");
    TreeNode& intern = Add(tree, &root, "Intern", kImageFolder, "I", "", "");
    Add(tree, &intern, "Memo", kImageBlock, "M", "", "2222222222222.txt");
    Add(tree, &root, "Vorlagen", kImageFolder, "V", "", "");
    db.SetAbbreviationIndex(dir.Path() + "Daten/Kunden.kdb");
    db.SaveDatabase(Db());
    dir.Write("Daten/Bausteine/1111111111111.txt", "Sehr geehrte Damen und Herren,\r\nvielen Dank.");
    dir.Write("Daten/Bausteine/2222222222222.txt", "Notiz");
    dir.Write("fenu.ini", "[Main]\r\nCurrentDB=" + Db() + "\r\nCurDirectDB=" + dir.Path() + "Daten/Kunden.kdb\r\n"
                          "[HotKeys]\r\nHotkeyB1=[Strg-Alt]\r\nHotkeyB2=F5\r\n");
    form.FormCreate();
    fake.log.clear();
  }

  static TreeNode& Add(TTreeViewEx& tree, TreeNode* parent, const std::string& name, int image, const std::string& key,
                       const std::string& abbreviation, const std::string& file) {
    TreeNode& node = tree.AddChild(parent, name);
    node.imageIndex = image;
    node.selectedIndex = image + 1;
    BlockData data = NewBlockData();
    data.quickKey = key;
    data.abbreviation = abbreviation;
    data.textFileName = file;
    SetBlockData(node, data);
    return node;
  }

  TreeNode* Find(const std::string& caption) {
    for (TreeNode* n = form.Tree().GetFirstNode(); n; n = n->GetNext())
      if (n->text == caption) return n;
    return nullptr;
  }
  Lines Children(const std::string& caption) {
    Lines names;
    TreeNode* node = Find(caption);
    for (std::size_t i = 0; i < node->Count(); ++i) names.push_back(node->Item(i)->text);
    return names;
  }
};

TEST(TForm1, OpeningShowsTheBaseEntryItsCountsAndTheHotkey) {
  Window w;
  EXPECT_EQ(w.form.page, Form1Page::Root);
  EXPECT_EQ(w.form.Label8, "HotKey: [Strg-Alt] + F5");
  EXPECT_EQ((Lines{w.form.Label17, w.form.Label18}), (Lines{"2", "2"}));
  EXPECT_EQ(w.form.FileLabel, w.Db());
  EXPECT_FALSE(w.form.but_RemoveEnabled);
  EXPECT_EQ(w.form.StatusBar, "Name der Datenbank");

  w.form.Select(w.Find("Brief"));
  EXPECT_EQ(w.form.page, Form1Page::File);
  EXPECT_EQ((Lines{w.form.txtPName, w.form.txtPShort, w.form.txtPLong}), (Lines{"Brief", "B", "br"}));
  EXPECT_EQ(w.form.Memo1, "Sehr geehrte Damen und Herren,\r\nvielen Dank.");
  EXPECT_EQ(w.form.StatusBar, "Baustein-ID: 1111111111111");
  EXPECT_TRUE(w.form.mnuTextbausteinEnabled);
}

TEST(TForm1, AMissingDatabaseOpensDBDummy) {
  test::TempDir dir;
  FakeServices fake;
  FakeForm1Dialogs dialogs{fake};
  TForm1 form{fake.services, dialogs, dir.Path()};
  form.FormCreate();
  EXPECT_EQ(fake.log, (Lines{"MessageBox Fehler \"Die Datenbank \"Standard.adb\" konnte nicht gefunden werden!\" -> OK"}));
  EXPECT_EQ(form.FileLabel, dir.Path() + "Daten\\DBDummy.bdb");
  EXPECT_TRUE(FileExists(dir.Path() + "Daten/DBDummy.bdb"));
  EXPECT_EQ(form.Tree().GetFirstNode()->text, "DBDummy");
}

const std::string kFixtures = std::string(FENU_FIXTURES) + "/store/";

// Daten\DBDummy.* as a user fills them: the Kunden database under the dummy's name, with its
// backup and texts.
void PlaceFilledDummy(const test::TempDir& dir) {
  for (const char* ext : {".bdb", ".kdb"})
    dir.Write(std::string("Daten/DBDummy") + ext, *ReadFileBytes(kFixtures + "Kunden/Kunden" + ext));
  dir.Write("Daten/DBDummy.bup", *ReadFileBytes(kFixtures + "Kunden/Kunden.bdb"));
  std::filesystem::copy(kFixtures + "Kunden/Bausteine", dir.File("Daten/Bausteine"));
}

// The files of the program folder apart from the settings, which the window writes on closing.
std::map<std::string, std::string> DataFiles(const test::TempDir& dir) {
  auto files = dir.Files();
  files.erase("fenu.ini");
  return files;
}

TEST(TForm1, AnExistingDummyDatabaseOpensAsItIsWhenTheConfiguredOneIsMissing) {
  const struct {
    const char* settings;
    const char* named;
  } cases[] = {
      {"", "Standard.adb"},
      // The program folder was moved to another drive.
      {"CurrentDB=E:\\Fenu\\Daten\\Kunden.bdb\r\nCurDirectDB=E:\\Fenu\\Daten\\Kunden.kdb\r\n",
       "E:\\Fenu\\Daten\\Kunden.bdb"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.named);
    test::TempDir dir;
    PlaceFilledDummy(dir);
    dir.Write("fenu.ini", std::string("[Main]\r\n") + c.settings);
    const auto before = DataFiles(dir);
    FakeServices fake;
    FakeForm1Dialogs dialogs{fake};
    TForm1 form{fake.services, dialogs, dir.Path()};
    EXPECT_TRUE(form.FormCreate());
    EXPECT_EQ(fake.log,
              (Lines{"MessageBox Fehler \"Die Datenbank \"" + std::string(c.named) + "\" konnte nicht gefunden werden!\" -> OK"}));
    EXPECT_EQ(form.FileLabel, dir.Path() + "Daten\\DBDummy.bdb");
    EXPECT_EQ((Lines{form.Label17, form.Label18}), (Lines{"3", "4"}));
    EXPECT_TRUE(form.FormCloseQuery());  // nothing changed, nothing asked
    form.FormClose();
    EXPECT_EQ(fake.log.size(), 1u);
    EXPECT_EQ(DataFiles(dir), before);
    EXPECT_NE(dir.Read("fenu.ini").find("CurrentDB=" + dir.Path() + "Daten\\DBDummy.bdb\r\nCurDirectDB=" + dir.Path() +
                                        "Daten\\DBDummy.kdb"),
              std::string::npos);
  }
}

TEST(TForm1, ADamagedDatabaseIsNamedAndTheWindowStaysClosed) {
  for (const test::DamagedFile& damaged : test::DamagedTrees()) {
    SCOPED_TRACE(damaged.name);
    test::TempDir dir;
    dir.Write("Daten/Kunden.bdb", damaged.bytes);
    dir.Write("Daten/Kunden.bup", *ReadFileBytes(kFixtures + "Kunden/Kunden.bdb"));
    dir.Write("Daten/Kunden.kdb", *ReadFileBytes(kFixtures + "Kunden/Kunden.kdb"));
    const std::string db = dir.Path() + "Daten\\Kunden.bdb";
    dir.Write("fenu.ini", "[Main]\r\nCurrentDB=" + db + "\r\nCurDirectDB=" + dir.Path() + "Daten\\Kunden.kdb\r\n");
    const auto before = dir.Files();
    FakeServices fake;
    FakeForm1Dialogs dialogs{fake};
    TForm1 form{fake.services, dialogs, dir.Path()};
    EXPECT_FALSE(form.FormCreate());
    ASSERT_EQ(fake.log.size(), 1u);
    const std::string& box = fake.log[0];
    EXPECT_EQ(box.rfind("MessageBox Fehler \"Die Datenbank \"" + db + "\" konnte nicht gelesen werden: " + damaged.reason +
                            ".\r\n",
                        0),
              0u)
        << box;
    EXPECT_NE(box.find("Eine lesbare Sicherung"), std::string::npos);
    EXPECT_NE(box.find("\"" + dir.Path() + "Daten\\Kunden.bup\""), std::string::npos);
    EXPECT_EQ(dir.Files(), before);
  }
}

TEST(TForm1, OpeningADamagedOrMissingDatabaseThroughTheMenuWritesNothing) {
  Window w;
  w.form.Select(w.Find("Intern"));
  w.fake.messageAnswers = {MsgResult::Yes};
  w.form.but_RemoveClick();  // an unsaved deletion
  ASSERT_TRUE(w.form.ChangedFlag);
  w.dir.Write("Daten/Kaputt.bdb", *ReadFileBytes(kFixtures + "truncated.bdb"));
  const std::string damaged = w.dir.Path() + "Daten/Kaputt.bdb";
  auto before = w.dir.Files();
  w.fake.log.clear();
  w.fake.messageAnswers = {MsgResult::No};
  w.fake.fileAnswers = {damaged};
  w.form.mnuOpenDatabaseClick();
  ASSERT_EQ(w.fake.log.size(), 3u);  // save?, the open dialog, the error
  EXPECT_EQ(w.fake.log[2].rfind("MessageBox Fehler \"Die Datenbank \"" + damaged +
                                    "\" konnte nicht gelesen werden: unerwartetes Ende der Daten bei Byte 199.",
                                0),
            0u)
      << w.fake.log[2];
  // The database that was open stays, with its changes.
  EXPECT_EQ(w.form.FileLabel, w.Db());
  EXPECT_EQ(w.Find("Intern"), nullptr);
  EXPECT_TRUE(w.form.ChangedFlag);
  EXPECT_EQ(w.dir.Files(), before);

  // A missing file while a filled dummy database exists: that one opens as it is.
  PlaceFilledDummy(w.dir);
  before = w.dir.Files();
  w.fake.log.clear();
  w.fake.messageAnswers = {MsgResult::No};
  w.fake.fileAnswers = {w.dir.Path() + "Daten/Weg.bdb"};
  w.form.mnuOpenDatabaseClick();
  EXPECT_EQ(w.fake.log.back(),
            "MessageBox Fehler \"Die Datenbank \"" + w.dir.Path() + "Daten/Weg.bdb\" konnte nicht gefunden werden!\" -> OK");
  EXPECT_EQ(w.form.FileLabel, w.dir.Path() + "Daten\\DBDummy.bdb");
  EXPECT_EQ(w.form.Database().AbbreviationIndex(), w.dir.Path() + "Daten\\DBDummy.kdb");
  EXPECT_EQ(w.form.Label18, "4");
  EXPECT_EQ(w.dir.Files(), before);
}

TEST(TForm1, AFailedOpenKeepsTheDeletionsThatTheNextSaveCarriesOut) {
  Window w;
  w.form.Select(w.Find("Intern"));
  w.fake.messageAnswers = {MsgResult::Yes};
  w.form.but_RemoveClick();
  w.dir.Write("Daten/Kaputt.bdb", std::string(64, '\0'));
  w.fake.messageAnswers = {MsgResult::No};
  w.fake.fileAnswers = {w.dir.Path() + "Daten/Kaputt.bdb"};
  w.form.mnuOpenDatabaseClick();
  ASSERT_TRUE(FileExists(w.Blocks() + "2222222222222.txt"));
  w.form.mnuSaveDatabaseClick();
  EXPECT_FALSE(FileExists(w.Blocks() + "2222222222222.txt"));
}

TEST(TForm1, ClashingQuickKeyIsRefusedAndAskedAboutWhenLeaving) {
  Window w;
  w.form.Select(w.Find("Brief"));
  EXPECT_TRUE(w.form.KeyPress(Form1Field::txtPShort, 'v'));
  w.form.txtPShort = "v";
  w.form.btnPOkClick();
  EXPECT_EQ(w.fake.log,
            (Lines{"MessageBox Fehler \"Ein Eintrag mit der Kurztaste \"V\" existiert bereits in der aktuelle "
                   "Gruppe/Ebene!\" -> OK"}));
  EXPECT_EQ(w.form.focusRequest, Form1Focus::txtPShort);
  EXPECT_EQ(GetBlockData(*w.Find("Brief"))->quickKey, "B");
  EXPECT_TRUE(w.form.btnPOkEnabled);

  w.fake.messageAnswers = {MsgResult::No};
  w.form.Select(w.Find("Vorlagen"));
  EXPECT_EQ(w.fake.log.back(), "MessageBox Bestätigung \"Die Eintragung wurde geändert! Änderung übernehmen?\" -> Nein");
  EXPECT_EQ(GetBlockData(*w.Find("Brief"))->quickKey, "B");
  EXPECT_EQ(w.form.page, Form1Page::Folder);
}

TEST(TForm1, ApplyStoresTheRecordTheCaptionAndTheText) {
  Window w;
  w.form.Select(w.Find("Brief"));
  // Re-applying a block with its own abbreviation is fine; another block's is not.
  w.form.MouseDown(Form1Field::txtPName);
  EXPECT_TRUE(w.form.btnPOkEnabled);
  EXPECT_TRUE(w.form.ChangedFlag);
  w.form.btnPOkClick();
  EXPECT_TRUE(w.fake.log.empty());

  w.form.Select(w.Find("Memo"));
  w.form.txtPLong = "br";
  w.form.btnPOkClick();
  EXPECT_EQ(w.fake.log, (Lines{"MessageBox Fehler \"Ein Eintrag mit dem Kürzel \"br\" existiert bereits!\" -> OK"}));

  w.form.txtPName = "Aktennotiz";
  w.form.txtPLong = "An";
  w.form.txtPShort = "a";
  w.form.cbxPShowChange(1);
  w.form.Memo1Change("Erste Zeile\r\nZweite\r\nDritte", true);
  w.form.btnPOkClick();
  const BlockData data = *GetBlockData(*w.Find("Aktennotiz"));
  EXPECT_EQ((Lines{data.show, data.quickKey, data.abbreviation, data.preview}),
            (Lines{"nein", "A", "an", "Erste Zeile Zweite"}));
  EXPECT_EQ(w.dir.Read("Daten/Bausteine/2222222222222.txt"), "Erste Zeile\r\nZweite\r\nDritte");
  EXPECT_FALSE(w.form.btnPOkEnabled);
}

TEST(TForm1, KeyFilterSwallowsUmlautsBlanksAndPunctuationButStillMarksTheEdit) {
  Window w;
  w.form.Select(w.Find("Brief"));
  for (char key : {'\xE4', ' ', '.', '-'}) EXPECT_FALSE(w.form.KeyPress(Form1Field::txtPLong, key)) << key;
  for (char key : {'a', 'Z', '7', '\b'}) EXPECT_TRUE(w.form.KeyPress(Form1Field::txtPShort, key)) << key;
  EXPECT_TRUE(w.form.btnPOkEnabled);
  EXPECT_TRUE(w.form.btnFOkEnabled);
  EXPECT_TRUE(w.form.ChangedFlag);
}

TEST(TForm1, AutomaticAbbreviationJoinsTheFolderKeysAndTheBlockKey) {
  Window w;
  w.form.Select(w.Find("Memo"));
  w.form.txtPShort = "K";
  w.form.txtPLong.clear();
  w.form.txtPLongDblClick();
  EXPECT_EQ(w.form.txtPLong, "ik");  // the base entry has no record and adds nothing
}

TEST(TForm1, NewBlockBesideASelectedBlockAndTheOrderAfterwards) {
  Window w;
  w.form.Select(w.Find("Memo"));
  w.fake.inputAnswers = {std::string(""), std::string("Zettel")};  // an empty answer asks again
  w.form.but_AddFileClick();
  ASSERT_NE(w.Find("Zettel"), nullptr);
  EXPECT_EQ(w.Find("Zettel")->Parent(), w.Find("Intern"));
  EXPECT_EQ(w.form.Selected(), w.Find("Zettel"));
  EXPECT_EQ(w.form.page, Form1Page::File);
  const std::string file = GetBlockData(*w.Find("Zettel"))->textFileName;
  EXPECT_TRUE(FileExists(w.Blocks() + file));
  EXPECT_EQ(w.form.Label18, "3");
  EXPECT_TRUE(w.form.ChangedFlag);

  w.form.Select(w.Find("Kunden"));
  w.fake.inputAnswers = {std::string("Archiv")};
  w.form.but_AddFolderClick();
  w.fake.inputAnswers = {std::string("Anschreiben")};
  w.form.Select(w.Find("Kunden"));
  w.form.but_AddFileClick();
  // Blocks first, then folders, each by name.
  EXPECT_EQ(w.Children("Kunden"), (Lines{"Anschreiben", "Brief", "Archiv", "Intern", "Vorlagen"}));

  // A rename sorts the siblings by caption alone, blocks among folders.
  w.form.Select(w.Find("Brief"));
  w.form.txtPName = "Zusage";
  w.form.btnPOkClick();
  EXPECT_EQ(w.Children("Kunden"), (Lines{"Anschreiben", "Archiv", "Intern", "Vorlagen", "Zusage"}));

  w.fake.log.clear();
  w.fake.inputAnswers = {std::string("intern")};
  w.form.Select(w.Find("Kunden"));
  w.form.but_AddFolderClick();
  EXPECT_EQ(w.fake.log, (Lines{"InputQuery \"Neuer Eintrag\" \"Und wie soll's heißen?\" -> \"intern\"", "Beep",
                               "MessageBox quenlia:FENU \"Ein Eintrag mit diesem Namen existiert bereits\" -> OK"}));
}

TEST(TForm1, PendingEditIsAskedAboutBeforeANewBlockWithTheTextItHad) {
  Window w;
  w.form.Select(w.Find("Brief"));
  w.form.Memo1Change("Geänderter Text", true);
  w.fake.messageAnswers = {MsgResult::Yes};
  w.fake.inputAnswers = {std::string("Neu")};
  w.form.but_AddFileClick();
  EXPECT_EQ(w.dir.Read("Daten/Bausteine/1111111111111.txt"), "Geänderter Text");
}

TEST(TForm1, DeletedTextsGoOnlyWithTheSave) {
  Window w;
  w.form.Select(w.Find("Intern"));
  w.fake.messageAnswers = {MsgResult::Yes};
  w.form.but_RemoveClick();
  EXPECT_EQ(w.fake.log.front(),
            "MessageBox Bestätigung \"Wenn Sie den Ordner \"Intern\" löschen, gehen alle darin enthaltenen Ordner und "
            "Texte verloren! Der Vorgang ist unwideruflich! Wollen Sie fortfahren?\" -> Ja");
  EXPECT_EQ(w.Find("Intern"), nullptr);
  EXPECT_EQ(w.form.Label18, "1");
  EXPECT_TRUE(FileExists(w.Blocks() + "2222222222222.txt"));  // the saved tree still lists it

  // Closing with "Nein" keeps tree and text together.
  w.fake.messageAnswers = {MsgResult::No};
  EXPECT_TRUE(w.form.FormCloseQuery());
  EXPECT_TRUE(FileExists(w.Blocks() + "2222222222222.txt"));

  // Saving makes the deletion real.
  w.form.mnuSaveDatabaseClick();
  EXPECT_FALSE(FileExists(w.Blocks() + "2222222222222.txt"));
  EXPECT_FALSE(w.form.ChangedFlag);

  w.form.Select(w.Find("Kunden"));
  w.fake.log.clear();
  w.form.but_RemoveClick();
  EXPECT_EQ(w.fake.log, (Lines{"Beep", "MessageBox quenlia:FENU \"Der Basiseintrag kann nicht gelöscht werden\" -> OK"}));
}

TEST(TForm1, DropRulesAreCheckedInOrder) {
  struct Case {
    const char* dragged;
    const char* target;
    Lines log;
  };
  const Case cases[] = {
      {"Brief", "Kunden",
       {"Beep Exclamation", "MessageBox quenlia:FENU \"Aktion nicht möglich, da Quelle und Ziel identisch sind!\" -> OK"}},
      {"Kunden", "Intern",
       {"Beep Exclamation", "MessageBox quenlia:FENU \"Die Basis kann nicht verschoben werden\" -> OK"}},
      {"Intern", "Memo",
       {"Beep Exclamation",
        "MessageBox quenlia:FENU \"Der Übergeordnete kann nicht auf einen Untergeordneten verschoben werden!\" -> OK"}},
      {"Memo", "Brief", {"Beep", "MessageBox quenlia:FENU \"Diese Art von Eintrag kann hier nicht platziert werden!\" -> OK"}},
  };
  for (const Case& c : cases) {
    Window w;
    EXPECT_FALSE(w.form.tv_eg5DragDrop(w.Find(c.dragged), w.Find(c.target))) << c.dragged;
    EXPECT_EQ(w.fake.log, c.log) << c.dragged;
    EXPECT_FALSE(w.form.ChangedFlag);
  }
  Window w;
  EXPECT_FALSE(w.form.tv_eg5DragDrop(w.Find("Brief"), nullptr));
  EXPECT_TRUE(w.fake.log.empty());
}

TEST(TForm1, AMoveTakesTheSubtreeClearsAClashingKeyAndCountsAsAChange) {
  Window w;
  // "Vorlagen" gets a child with key b, then "Brief" (key B) is dropped there.
  Window::Add(w.form.Tree(), w.Find("Vorlagen"), "Absage", kImageBlock, "b", "", "3333333333333.txt");
  EXPECT_TRUE(w.form.tv_eg5DragDrop(w.Find("Brief"), w.Find("Vorlagen")));
  EXPECT_EQ(w.fake.log, (Lines{"MessageBox Information \"Die Kurztaste ist im Ziel schon vergeben. Um Duplikate zu "
                               "vermeiden wird die gezogene Kurztaste gelöscht!\" -> OK"}));
  EXPECT_EQ(w.Children("Vorlagen"), (Lines{"Absage", "Brief"}));
  EXPECT_EQ(GetBlockData(*w.Find("Brief"))->quickKey, "");
  EXPECT_TRUE(w.form.ChangedFlag);

  EXPECT_TRUE(w.form.tv_eg5DragDrop(w.Find("Intern"), w.Find("Vorlagen")));
  EXPECT_EQ(w.Find("Memo")->Parent(), w.Find("Intern"));
  EXPECT_EQ(GetBlockData(*w.Find("Memo"))->textFileName, "2222222222222.txt");

  w.fake.log.clear();
  Window::Add(w.form.Tree(), w.Find("Kunden"), "brief", kImageBlock, "", "", "4444444444444.txt");
  EXPECT_FALSE(w.form.tv_eg5DragDrop(w.Find("brief"), w.Find("Vorlagen")));
  EXPECT_EQ(w.fake.log.back(), "MessageBox quenlia:FENU \"Ein Eintrag selben Namens existiert hier bereits!\" -> OK");
}

TEST(TForm1, NewDatabaseSavesTheOldOneWholeWhenAskedTo) {
  Window w;
  w.form.Select(w.Find("Memo"));
  w.form.txtPLong = "me";
  w.form.MouseDown(Form1Field::txtPLong);
  w.form.btnPOkClick();
  const std::string next = w.dir.Path() + "Daten/Neu.bdb";
  w.fake.messageAnswers = {MsgResult::Yes};
  w.fake.fileAnswers = {next};
  w.form.mnuNewDatabaseClick();
  // The old database with its abbreviation index and backup, then the new one.
  EXPECT_NE(w.dir.Read("Daten/Kunden.kdb").find("me=2222222222222.txt"), std::string::npos);
  EXPECT_TRUE(FileExists(w.dir.Path() + "Daten/Kunden.bup"));
  EXPECT_EQ(w.form.FileLabel, next);
  EXPECT_EQ(w.form.Tree().GetFirstNode()->text, "Neu");
  EXPECT_TRUE(FileExists(next));
  EXPECT_EQ(w.form.Label17 + w.form.Label18, "00");
  EXPECT_EQ(w.form.Database().AbbreviationIndex(), w.dir.Path() + "Daten/Neu.kdb");
  EXPECT_EQ(w.fake.log[1], "SaveFile \"Textbausteindatei speichern unter...\" Textbausteindateien (*.bdb)|*.bdb -> " + next);

  // Open the old one again through the menu.
  w.fake.fileAnswers = {w.Db()};
  w.fake.messageAnswers = {MsgResult::No};
  w.form.mnuOpenDatabaseClick();
  EXPECT_EQ(w.form.FileLabel, w.Db());
  EXPECT_EQ(w.form.Label18, "2");
}

TEST(TForm1, FindByIdSelectsTheBlockAndAnExtensionFindsNothing) {
  Window w;
  w.fake.inputAnswers = {std::string("2222222222222")};
  w.form.mnuFindIdClick();
  EXPECT_EQ(w.form.Selected(), w.Find("Memo"));
  EXPECT_TRUE(w.Find("Intern")->expanded);
  w.fake.inputAnswers = {std::string("1111111111111.txt")};
  w.form.mnuFindIdClick();
  EXPECT_EQ(w.form.Selected(), w.Find("Memo"));
  EXPECT_EQ(w.fake.log.back(), "MessageBox Information \"Zu dieser ID konnte kein Baustein ermittelt werden!\" -> OK");
}

TEST(TForm1, ExpandingAndCollapsingAllReachesEveryLevelAndRebuildsTheTree) {
  Window w;
  TreeNode* intern = w.Find("Intern");
  w.form.tv_eg5Expanded(intern, true);  // opened in the tree: the tree shows it already
  w.form.tv_eg5Expanded(nullptr, true);
  const int shown = w.form.treeVersion;
  EXPECT_TRUE(intern->expanded);
  const auto all = [&](bool expanded) {
    for (TreeNode* n = w.form.Tree().GetFirstNode(); n; n = n->GetNext())
      if (n->expanded != expanded) return false;
    return true;
  };
  w.form.mnuExpandClick();
  EXPECT_TRUE(all(true));
  EXPECT_GT(w.form.treeVersion, shown);
  const int expandedVersion = w.form.treeVersion;
  w.form.mnuCollapseClick();
  EXPECT_TRUE(all(false));
  EXPECT_GT(w.form.treeVersion, expandedVersion);
  EXPECT_FALSE(w.form.ChangedFlag);  // the view of the tree is no change of the database
}

TEST(TForm1, FieldsTakeTheirTextsAndTheViewTakesEachRequestOnce) {
  Window w;
  w.form.Select(w.Find("Brief"));
  const std::pair<Form1Field, std::string*> fields[] = {
      {Form1Field::txtPName, &w.form.txtPName},   {Form1Field::txtPShort, &w.form.txtPShort},
      {Form1Field::txtPLong, &w.form.txtPLong},   {Form1Field::txtFName, &w.form.txtFName},
      {Form1Field::txtFShort, &w.form.txtFShort},
  };
  for (const auto& [field, member] : fields) {
    w.form.FieldChange(field, "neu");
    EXPECT_EQ(*member, "neu");
    w.form.FieldChange(field, "");
  }
  w.form.FieldChange(Form1Field::txtPShort, "v");  // the key of "Vorlagen"
  w.form.btnPOkClick();
  EXPECT_EQ(w.form.TakeFocusRequest(), Form1Focus::txtPShort);
  EXPECT_EQ(w.form.TakeFocusRequest(), std::nullopt);
  EXPECT_FALSE(w.form.TakeMemoSelectionRequest());
}

TEST(TForm1, TheLayoutTheWindowKeepsIsWrittenOnClosing) {
  Window w;
  std::string settings = w.dir.Read("fenu.ini");
  settings.insert(settings.find("[Main]\r\n") + 8, "BFont=alt\r\n");
  w.dir.Write("fenu.ini", settings);
  w.form.KeepLayout(310, "");  // the window's own font: the stored one stays
  w.form.FormClose();
  EXPECT_NE(w.dir.Read("fenu.ini").find("BSplitter=310"), std::string::npos);
  EXPECT_NE(w.dir.Read("fenu.ini").find("[Main]\r\nBFont=alt\r\n"), std::string::npos);
  w.form.KeepLayout(250, "Arial,10");
  w.form.FormClose();
  EXPECT_NE(w.dir.Read("fenu.ini").find("BSplitter=250"), std::string::npos);
  EXPECT_NE(w.dir.Read("fenu.ini").find("BFont=Arial,10"), std::string::npos);
}

TEST(TForm1, TextsComeFromAndGoToExternalFiles) {
  Window w;
  w.form.Select(w.Find("Memo"));
  w.dir.Write("extern.txt", "eins\ntwo\rdrei");
  w.fake.fileAnswers = {w.dir.File("extern.txt"), w.dir.File("raus.txt")};
  w.form.mnuLoadTextClick();
  EXPECT_EQ(w.form.Memo1, "eins\r\ntwo\r\ndrei");
  EXPECT_TRUE(w.form.btnPOkEnabled);
  EXPECT_EQ(w.dir.Read("Daten/Bausteine/2222222222222.txt"), "Notiz");  // only applying writes it
  w.form.mnuSaveTextClick();
  EXPECT_EQ(w.dir.Read("raus.txt"), "eins\r\ntwo\r\ndrei");
}

TEST(TForm1, FontDialogStartsAtTheEditorFontAndItsChoiceIsStoredAsBFont) {
  Window w;
  FontSpec font;  // the window's own: Segoe UI, 8 points
  w.fake.fontAnswers = {std::nullopt};
  EXPECT_FALSE(w.form.mnuFontClick(font));
  EXPECT_EQ(font, FontSpec{});
  FontSpec chosen;
  chosen.name = "Arial";
  chosen.size = 12;
  chosen.bold = true;
  chosen.color = 0x000000FF;
  w.fake.fontAnswers = {chosen};
  EXPECT_TRUE(w.form.mnuFontClick(font));
  EXPECT_EQ(font, chosen);
  EXPECT_EQ(w.fake.LogOf("ChooseFont"),
            (std::vector<std::string>{"ChooseFont \"Segoe UI,8,,0,clWindowText,1\" -> Abbrechen",
                                      "ChooseFont \"Segoe UI,8,,0,clWindowText,1\" -> \"Arial,12,B,0,clRed,1\""}));
  w.fake.messageAnswers = {MsgResult::No};
  ASSERT_TRUE(w.form.FormCloseQuery());
  w.form.FormClose();
  EXPECT_NE(w.dir.Read("fenu.ini").find("BFont=Arial,12,B,0,clRed,1\r\n"), std::string::npos);
}

TEST(TForm1, ClosingAsksSavesAndWritesItsSettings) {
  Window w;
  w.form.Select(w.Find("Brief"));
  w.form.KeyPress(Form1Field::txtPName, 'x');
  w.form.txtPName = "Briefx";
  w.fake.messageAnswers = {MsgResult::Yes, MsgResult::Cancel};
  EXPECT_FALSE(w.form.FormCloseQuery());  // applied, then "Abbrechen" keeps the window
  w.fake.messageAnswers = {MsgResult::Yes};
  EXPECT_TRUE(w.form.FormCloseQuery());
  w.form.BSplitter = 300;
  w.form.FormClose();
  TTreeViewEx saved;
  saved.LoadFromFile(w.Db());
  EXPECT_EQ(saved.GetFirstNode()->GetFirstChild()->text, "Briefx");
  EXPECT_NE(w.dir.Read("fenu.ini").find("BSplitter=300"), std::string::npos);
  EXPECT_NE(w.dir.Read("fenu.ini").find("CurrentDB=" + w.Db()), std::string::npos);
}

TEST(TForm1, PortableModeResolvesAndStoresFileNames) {
  Window w;
  w.dir.Write("fenu.ini", "[Main]\r\nStick=1\r\nCurrentDB=D:\\Alt\\Kunden.bdb\r\nCurDirectDB=D:\\Alt\\Kunden.kdb\r\n");
  TForm1 stick{w.fake.services, w.dialogs, w.dir.Path()};
  stick.FormCreate();
  EXPECT_EQ(stick.FileLabel, w.dir.Path() + "Daten\\Kunden.bdb");
  EXPECT_EQ(stick.Label18, "2");
  stick.FormClose();
  EXPECT_NE(w.dir.Read("fenu.ini").find("CurrentDB=Kunden.bdb\r\nCurDirectDB=Kunden.kdb"), std::string::npos);
}

TEST(TForm1, MenuCommandsReachHelpAboutOptionsAndMail) {
  Window w;
  w.fake.messageAnswers = {MsgResult::Yes};
  w.form.mnuMailClick();
  w.form.mnuHelpClick();
  w.form.mnuAboutClick();
  w.form.mnuOptionsClick();
  ASSERT_EQ(w.fake.log.size(), 5u);
  EXPECT_EQ(w.fake.log[1].rfind("Shell \"mailto:support@quenlia.de", 0), 0u);
  EXPECT_EQ(w.fake.log[2], "Help " + w.dir.Path() + "Hilfe\\Fenu.chm::/verwaltung.htm");
  EXPECT_EQ(w.fake.log[3], "Show TfrmInfo");
  EXPECT_EQ(w.fake.log[4], "Show TfrmOptions " + w.Db());
}

}  // namespace
}  // namespace fenu

namespace fenu {
namespace {

TEST(TForm1Variables, OpensOnlyWithTheCaretInTheBlockText) {
  Window w;
  w.form.Select(w.Find("Brief"));
  w.fake.log.clear();
  w.form.btnVariableClick(false);
  EXPECT_EQ(w.fake.log, (Lines{"MessageBox Information \"Der Cursor muß sich im Feld Baustein-Text befinden!\" -> OK"}));
  w.fake.log.clear();
  w.form.btnVariableClick(true);
  EXPECT_EQ(w.fake.log, (Lines{"Show TfrmVariables"}));
  EXPECT_FALSE(w.form.btnPOkEnabled);
  EXPECT_FALSE(w.form.ChangedFlag);
}

TEST(TForm1Variables, ADamagedSelectionVariableStoreKeepsTheEditorClosed) {
  Window w;
  w.form.Select(w.Find("Brief"));
  const std::string store = "[Anrede]\r\nVal=SGVycixG\r\nRestrict=1\r\n[Titel]\r\nVal=RHI";  // cut off
  w.dir.Write("Daten/Auswahl.vdb", store);
  w.fake.log.clear();
  w.form.btnVariableClick(true);
  EXPECT_EQ(w.fake.log, (Lines{"MessageBox Fehler \"Die Datei mit den Auswahl-Variablen \"" + w.dir.Path() +
                               "Daten\\Auswahl.vdb\" konnte nicht gelesen werden: Zeile 5 bei Byte 45: die Werteliste ist "
                               "keine vollständige Base64-Kodierung.\r\nDie Datei wurde nicht verändert.\" -> OK"}));
  EXPECT_EQ(w.dir.Read("Daten/Auswahl.vdb"), store);
}

TEST(TForm1Variables, MarkerGoesToTheCaretWithoutReplacingTheSelection) {
  const struct {
    int item;
    int selStart, selLength;
    const char* text;
    int caret;
  } cases[] = {
      {1, 5, 7, "Sehr <<DatumNormal|7>>geehrte Damen und Herren,\r\nvielen Dank.", 22},
      {16, 44, 0, "Sehr geehrte Damen und Herren,\r\nvielen Dank.<<MehrfachText|P>>", 62},
      {15, 20, 3, "<<MehrfachTextA|Name|Meier>>Sehr geehrte Damen und Herren,\r\nvielen Dank.", 28},
      {1, 900, 0, "Sehr geehrte Damen und Herren,\r\nvielen Dank.<<DatumNormal|7>>", 61},
  };
  for (const auto& c : cases) {
    Window w;
    w.form.Select(w.Find("Brief"));
    w.form.Memo1SelStart = c.selStart;
    w.form.Memo1SelLength = c.selLength;
    w.dialogs.onVariables = [&](TfrmVariables& v) {
      v.ListBoxClick(c.item);
      v.Edit1Change("7");
      v.txtCaption = "Name";
      v.txtValue = "Meier";
      return v.btnOkClick();
    };
    w.form.btnVariableClick(true);
    EXPECT_EQ(w.form.Memo1, c.text) << c.item;
    EXPECT_EQ(w.form.Memo1SelStart, c.caret) << c.item;
    EXPECT_EQ(w.form.Memo1SelLength, 0);
    EXPECT_TRUE(w.form.memoSelectionRequest);
    EXPECT_TRUE(w.form.Memo1Modified && w.form.btnPOkEnabled && w.form.ChangedFlag);
  }
}

TEST(TForm1Variables, ChoosingTextBausteinSavesTheDatabaseEvenWhenCancelled) {
  Window w;
  w.fake.inputAnswers = {"Neu"};
  w.form.Select(w.Find("Intern"));
  w.form.but_AddFileClick();  // a new block, not saved yet
  ASSERT_EQ(w.form.Selected()->text, "Neu");
  const std::string newFile = w.form.CurrentTextFile();
  w.form.Memo1SelStart = 0;
  w.dialogs.onVariables = [&](TfrmVariables& v) {
    v.ListBoxClick(14);
    // The new block is in the editor's tree, and it refuses to insert itself.
    TreeNode* self = nullptr;
    for (TreeNode* n = v.TreeView.GetFirstNode(); n; n = n->GetNext())
      if (n->text == "Neu") self = n;
    EXPECT_NE(self, nullptr);
    v.TreeViewChange(self);
    EXPECT_FALSE(v.btnOkClick());
    return false;
  };
  w.fake.log.clear();
  w.form.btnVariableClick(true);
  EXPECT_EQ(w.fake.log, (Lines{"Show TfrmVariables",
                               "MessageBox Fehler \"Ein Baustein kann nicht in sich selbst eingesetzt werden\" -> OK"}));
  EXPECT_TRUE(FileExists(w.dir.Path() + "Daten/Kunden.bup"));
  BlockDatabase saved(w.dir.Path());
  saved.Tree().LoadFromFile(w.Db());
  bool found = false;
  for (TreeNode* n = saved.Tree().GetFirstNode(); n; n = n->GetNext()) found = found || n->text == "Neu";
  EXPECT_TRUE(found);
  EXPECT_EQ(w.form.Memo1, "");
}

TEST(TForm1Preview, ShowsTheExpandedTextOrNothingAfterAnError) {
  const struct {
    const char* text;
    Lines log;
  } cases[] = {
      {"Heute: <<DatumNormal|0>>, <<BausteinText|2222222222222>>!", {"Show TfrmMemo \"Heute: 09.12.26, Notiz!\""}},
      // A missing nested block stops the expansion; what was reached is still shown.
      {"A <<BausteinText|9999999999999>> B",
       {"MessageBox Fehler \"Schwerer Fehler! Die zugehörige Baustein-Datei wurde nicht gefunden. Weitermachen "
        "unmöglich.\" -> OK",
        "Show TfrmMemo \"A <<BausteinText|9999999999999>> B\""}},
      {"vor <<DatumNormal|x>> nach",
       {"MessageBox Fehler \"Die Variable \"<<DatumNormal|x>>\" enthält keine gültige Zahl.\" -> OK"}},
  };
  for (const auto& c : cases) {
    Window w;
    w.form.Select(w.Find("Brief"));
    w.form.Memo1Change(c.text, true);
    w.fake.log.clear();
    w.form.btnPreviewClick();
    EXPECT_EQ(w.fake.log, c.log) << c.text;
  }
}

TEST(TForm1Preview, AsksThePromptsAsAnInsertionWould) {
  Window w;
  w.form.Select(w.Find("Brief"));
  w.form.Memo1Change("Hallo <<AnwenderText|Name?|Meier>>", true);
  w.dialogs.prompts.answers = {"Anna"};
  w.fake.log.clear();
  w.form.btnPreviewClick();
  EXPECT_EQ(w.dialogs.prompts.log, (Lines{"AskText \"Anwender-Text\" \"Name?\" \"Meier\" -> \"Anna\""}));
  EXPECT_EQ(w.fake.log, (Lines{"Show TfrmMemo \"Hallo Anna\""}));
}

}  // namespace
}  // namespace fenu
