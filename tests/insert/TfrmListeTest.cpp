#include "insert/TfrmListe.h"

#include <gtest/gtest.h>

#include "insert/TfrmSearch.h"

#include <filesystem>

#include "core/FileIo.h"
#include "core/IniFile.h"
#include "platform/fake/FakeServices.h"
#include "data/Database.h"
#include "support/DamagedStores.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

struct RecordingInserter : IBlockInserter {
  Lines inserted;
  void Insert(const std::string& text, const std::string&, WindowHandle target) override {
    inserted.push_back(text + "@" + std::to_string(target));
  }
};

// Kunden
//   Absage (block, key A)
//   Briefe (folder, key K)
//     Gruß (block, key G) "Sehr geehrte Damen und Herren,\nMit freundlichen GRÜßEN"
//     Geheim (block, hidden)
//   Intern (folder, hidden)
//     Notiz (block)
struct Window {
  test::TempDir dir;
  FakeServices fake;
  RecordingInserter inserter;
  TfrmListe form{fake.services, inserter, dir.Path(), 77};

  static TreeNode& Add(TTreeViewEx& tree, TreeNode* parent, const std::string& name, int image, const std::string& key,
                       const std::string& file, const std::string& show = "ja") {
    TreeNode& node = tree.AddChild(parent, name);
    node.imageIndex = image;
    node.selectedIndex = image + 1;
    BlockData data = NewBlockData();
    data.quickKey = key;
    data.textFileName = file;
    data.show = show;
    data.preview = name == "Gruß" ? "Sehr geehrte" : "";
    SetBlockData(node, data);
    return node;
  }

  explicit Window(const std::string& extraSettings = "") {
    BlockDatabase db(dir.Path());
    ForceDirectories(dir.Path() + "Daten/Bausteine");
    TTreeViewEx& tree = db.Tree();
    UseBlockDataSize(tree);
    TreeNode& root = tree.AddChild(nullptr, "Kunden");
    Add(tree, &root, "Absage", kImageBlock, "A", "1.txt");
    TreeNode& briefe = Add(tree, &root, "Briefe", kImageFolder, "K", "");
    Add(tree, &briefe, "Gruß", kImageBlock, "G", "2.txt");
    Add(tree, &briefe, "Geheim", kImageBlock, "H", "3.txt", "nein");
    TreeNode& intern = Add(tree, &root, "Intern", kImageFolder, "I", "", "nein");
    Add(tree, &intern, "Notiz", kImageBlock, "N", "4.txt");
    db.SaveDatabase(dir.Path() + "Daten/Kunden.bdb");
    dir.Write("Daten/Bausteine/1.txt", "Leider nein.");
    dir.Write("Daten/Bausteine/2.txt", "Sehr geehrte Damen und Herren,\nMit freundlichen GRÜßEN");
    dir.Write("Daten/Bausteine/3.txt", "geheim grüßen");
    dir.Write("fenu.ini", "[Main]\r\nCurrentDB=" + dir.Path() + "Daten/Kunden.bdb\r\n" + extraSettings);
    EXPECT_TRUE(form.FormCreate());
    form.FormShow();
  }

  Lines Names() const {
    Lines names;
    for (const ListEntry& e : form.lv_Link) names.push_back(e.name);
    return names;
  }
};

TEST(TfrmListe, OpensOnTheBaseEntryWithoutHiddenEntries) {
  Window w;
  EXPECT_EQ(w.Names(), (Lines{"Absage", "Briefe"}));
  EXPECT_EQ(w.form.lv_Link[1].kurz, "K");
  EXPECT_EQ(w.form.lv_Link[0].preview, "-");
  EXPECT_EQ(w.form.listIndex, 0);
  EXPECT_FALSE(w.form.btnListEnabled);
  EXPECT_EQ(w.form.panelWidth, 120);
  EXPECT_TRUE(w.form.btnNoPreviewVisible);
}

TEST(TfrmListe, QuickKeyOpensAFolderAndInsertsABlockAtOnce) {
  Window w;
  w.form.lv_LinkKeyPress('k');
  EXPECT_EQ(w.Names(), (Lines{"nach oben", "Gruß"}));
  EXPECT_EQ(w.form.lv_Link[0].icon, TfrmListe::kUpIcon);
  EXPECT_EQ(w.form.lv_Link[0].preview, "Kunden");
  EXPECT_FALSE(w.form.closed);
  w.form.lv_LinkKeyPress('x');  // no such key: nothing
  EXPECT_TRUE(w.inserter.inserted.empty());
  w.form.lv_LinkKeyPress('g');
  EXPECT_TRUE(w.form.closed);
  EXPECT_EQ(w.inserter.inserted, (Lines{"Sehr geehrte Damen und Herren,\r\nMit freundlichen GRÜßEN\r\n@77"}));
}

TEST(TfrmListe, BackspaceGoesUpAndOnTheTopLevelActivatesTheFirstChild) {
  Window w;
  w.form.lv_LinkKeyPress('K');
  w.form.lv_LinkKeyPress('\b');
  EXPECT_EQ(w.Names(), (Lines{"Absage", "Briefe"}));
  w.form.lv_LinkKeyPress('\b');  // no "up" entry here: the first child, a block
  EXPECT_EQ(w.inserter.inserted, (Lines{"Leider nein.\r\n@77"}));
}

TEST(TfrmListe, ArrowsOnlyMoveThePreviewAndMissingTextsAreReported) {
  Window w;
  w.form.lv_LinkSelect(0);
  EXPECT_EQ(w.form.Memo1, "Leider nein.");
  EXPECT_FALSE(w.form.closed);
  std::remove((w.dir.Path() + "Daten/Bausteine/1.txt").c_str());
  w.form.lv_LinkSelect(0);
  EXPECT_EQ(w.fake.log.back(),
            "MessageBox Fehler \"Schwerer Fehler! Die zugehörige Baustein-Datei wurde nicht gefunden. Weitermachen "
            "unmöglich.\" -> OK");
  w.form.ActivateListEntry(0);
  EXPECT_TRUE(w.form.closed);
  EXPECT_TRUE(w.inserter.inserted.empty());
}

TEST(TfrmListe, TreeViewSelectsWithoutInsertingAndTheListReturnsToTheFolder) {
  Window w;
  w.form.btnTreeClick();
  EXPECT_EQ(w.form.view, ListeView::Tree);
  EXPECT_TRUE(w.form.btnListEnabled);
  TreeNode* gruss = w.form.Tree().GetFirstNode()->Item(1)->Item(0);
  w.form.SelectTreeEntry(gruss);
  EXPECT_FALSE(w.form.closed);
  w.form.btnListClick();
  // The "up" entry of the block's list led back to its folder, with the block selected.
  EXPECT_EQ(w.Names(), (Lines{"nach oben", "Gruß"}));
  EXPECT_EQ(w.form.listIndex, 1);
  EXPECT_FALSE(w.form.closed);
  w.form.btnTreeClick();
  w.form.SelectTreeEntry(gruss);
  w.form.tv_eg5KeyEnter();
  EXPECT_EQ(w.inserter.inserted.size(), 1u);
}

TEST(TfrmListe, PreviewOffAtOpeningComesBackAt120) {
  Window w("LSplitter=0\r\n");
  EXPECT_EQ(w.form.panelWidth, 0);
  EXPECT_TRUE(w.form.btnPreviewEnabled);
  w.form.lv_LinkSelect(0);
  EXPECT_EQ(w.form.Memo1, "");
  w.form.btnPreviewClick();
  EXPECT_EQ(w.form.panelWidth, 120);
  w.form.panelWidth = 200;
  w.form.btnNoPreviewClick();
  w.form.btnPreviewClick();
  EXPECT_EQ(w.form.panelWidth, 200);
  w.form.col2 = 140;
  w.form.FormClose();
  const IniFile ini(w.dir.File("fenu.ini"));
  EXPECT_EQ(ini.ReadString("Main", "Col2", ""), "140");
  EXPECT_EQ(ini.ReadString("Main", "Col3", ""), "300");
  EXPECT_EQ(ini.ReadString("Main", "LSplitter", ""), "200");
}

TEST(TfrmListe, AMissingDatabaseClosesTheWindowAndTheProgramGoesOn) {
  test::TempDir dir;
  FakeServices fake;
  RecordingInserter inserter;
  TfrmListe form{fake.services, inserter, dir.Path(), 0};
  EXPECT_FALSE(form.FormCreate());
  EXPECT_TRUE(form.closed);
  EXPECT_EQ(fake.log, (Lines{"MessageBox Fehler \"Die Datenbank \"Standard.adb\" konnte nicht gefunden werden!\" -> OK"}));
  EXPECT_TRUE(dir.Files().empty());  // nothing made for the choice
}

TEST(TfrmListe, AMissingDatabaseFallsBackToAnExistingDummyDatabase) {
  Window w;
  const std::string dummy = w.dir.Path() + "Daten\\DBDummy.bdb";
  std::filesystem::rename(w.dir.File("Daten/Kunden.bdb"), w.dir.File("Daten/DBDummy.bdb"));
  const auto before = w.dir.Files();
  TfrmListe form{w.fake.services, w.inserter, w.dir.Path(), 77};
  w.fake.log.clear();
  EXPECT_TRUE(form.FormCreate());
  EXPECT_EQ(w.fake.log, (Lines{"MessageBox Fehler \"Die Datenbank \"" + w.dir.Path() +
                               "Daten/Kunden.bdb\" konnte nicht gefunden werden!\" -> OK"}));
  EXPECT_EQ(form.DatabaseFile(), dummy);
  EXPECT_EQ(form.BlockDir(), w.dir.Path() + "Daten\\Bausteine\\");
  form.FormShow();
  form.lv_LinkKeyPress('a');
  EXPECT_EQ(w.inserter.inserted, (Lines{"Leider nein.\r\n@77"}));
  EXPECT_EQ(w.dir.Files(), before);
}

TEST(TfrmListe, ADamagedDatabaseIsNamedAndTheWindowStaysClosed) {
  for (const test::DamagedFile& damaged : test::DamagedTrees()) {
    SCOPED_TRACE(damaged.name);
    Window w;
    w.dir.Write("Daten/Kunden.bdb", damaged.bytes);
    const auto before = w.dir.Files();
    TfrmListe form{w.fake.services, w.inserter, w.dir.Path(), 77};
    w.fake.log.clear();
    EXPECT_FALSE(form.FormCreate());
    EXPECT_TRUE(form.closed);
    // The fixture was saved once: there is no backup to name.
    EXPECT_EQ(w.fake.log, (Lines{"MessageBox Fehler \"Die Datenbank \"" + w.dir.Path() +
                                 "Daten/Kunden.bdb\" konnte nicht gelesen werden: " + damaged.reason +
                                 ".\r\nDie Datei wurde nicht verändert.\" -> OK"}));
    EXPECT_EQ(w.dir.Files(), before);
  }
}

TEST(TfrmSearch, FindsWithoutCaseUmlautsIncludedAndContinuesFromThere) {
  Window w;
  TfrmSearch search(w.fake.services, w.form);
  search.txtKeyword = "grüßen";
  search.btnOkClick();
  EXPECT_EQ(w.form.view, ListeView::Tree);
  EXPECT_EQ(w.form.Selected()->text, "Gruß");  // the hidden block with the same word is not there
  EXPECT_FALSE(search.rbBegin);
  search.btnOkClick();
  EXPECT_EQ(w.fake.log.back(), "MessageBox quenlia:FENU \"\"grüßen\" konnte nicht gefunden werden.\" -> OK");
  EXPECT_TRUE(search.rbBegin);
  search.FormClose(false);
  EXPECT_EQ(w.form.view, ListeView::List);
}

TEST(TfrmSearch, ClosingGoesBackToTheListOnlyWhenItShowedAndNotByTheButton) {
  const struct {
    ListeView atOpen;
    bool byButton;
    ListeView after;
  } cases[] = {
      {ListeView::List, false, ListeView::List},
      {ListeView::List, true, ListeView::Tree},
      {ListeView::Tree, false, ListeView::Tree},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "list at open " << (c.atOpen == ListeView::List) << ", by button " << c.byButton);
    Window w;
    if (c.atOpen == ListeView::Tree) w.form.btnTreeClick();
    TfrmSearch search(w.fake.services, w.form);
    search.txtKeyword = "geehrte";
    search.btnOkClick();
    ASSERT_EQ(w.form.Selected()->text, "Gruß");
    search.FormClose(c.byButton);
    EXPECT_EQ(w.form.view, c.after);
    EXPECT_FALSE(w.form.closed);  // the search never inserts
    EXPECT_TRUE(w.inserter.inserted.empty());
  }
}

}  // namespace
}  // namespace fenu
