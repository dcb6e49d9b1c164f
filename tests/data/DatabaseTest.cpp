#include "data/Database.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "core/Errors.h"
#include "core/FileIo.h"
#include "platform/fake/FakeServices.h"
#include "support/TreeBytes.h"
#include "support/DamagedStores.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

using test::I32;
using test::Record;

const std::string kFixtures = std::string(FENU_FIXTURES) + "/store/";

TreeNode& Folder(TTreeViewEx& tree, TreeNode& parent, const std::string& caption, const std::string& key = "") {
  TreeNode& node = tree.AddChild(&parent, caption);
  node.imageIndex = kImageFolder;
  node.selectedIndex = kImageFolderSelected;
  BlockData data;
  data.quickKey = key;
  SetBlockData(node, data);
  return node;
}

TreeNode& Block(TTreeViewEx& tree, TreeNode& parent, const std::string& caption, const std::string& id,
                const std::string& abbreviation = "") {
  TreeNode& node = tree.AddChild(&parent, caption);
  node.imageIndex = kImageBlock;
  node.selectedIndex = kImageBlockSelected;
  BlockData data;
  data.textFileName = id + ".txt";
  data.abbreviation = abbreviation;
  SetBlockData(node, data);
  return node;
}

TEST(Database, ANewDatabaseIsABaseEntryABlockFolderAndNoIndex) {
  test::TempDir dir;
  BlockDatabase db(dir.Path());
  db.SetDatabaseFile(dir.File("Neu.bdb"));
  db.SetAbbreviationIndex(dir.File("Neu.kdb"));
  db.EnsureRoot("Neu");
  db.EnsureRoot("nicht noch einmal");
  db.SaveDatabase(db.DatabaseFile());

  EXPECT_EQ(dir.Read("Neu.bdb"), I32(1) + Record("Neu", 0, 0, -1, 0, std::nullopt));
  EXPECT_EQ(db.Tree().Selected(), db.Tree().TopItem(0));
  EXPECT_TRUE(DirectoryExists(dir.File("Bausteine")));
  EXPECT_EQ(db.BlockDir(), dir.File("Bausteine\\"));
  EXPECT_FALSE(FileExists(dir.File("Neu.kdb")));
  EXPECT_FALSE(FileExists(dir.File("Neu.bup")));
  EXPECT_FALSE(FileExists(dir.File("Neu.bdb.neu")));
}

TEST(Database, SaveWritesTheTreeTheIndexAndTheBackupOfThePreviousSave) {
  test::TempDir dir;
  BlockDatabase db(dir.Path());
  const std::string path = dir.File("Kunden.bdb");
  db.SetAbbreviationIndex(dir.File("Kunden.kdb"));
  db.EnsureRoot("Kunden");
  TreeNode& base = *db.Tree().TopItem(0);
  Block(db.Tree(), base, "Gruß", "0912261405123", "mfg");
  TreeNode& folder = Folder(db.Tree(), base, "Briefe", "B");
  Block(db.Tree(), folder, "Ohne Kürzel", "0912261405124");
  TreeNode& abs = Block(db.Tree(), folder, "Absage", "0102270703045", "abs");
  abs.data->resize(40);  // a short block from a foreign file is written whole

  dir.Write("Kunden.bup", "einzige Kopie");  // with no tree file to replace it, a backup stays
  db.SaveDatabase(path);
  const std::string first = dir.Read("Kunden.bdb");
  EXPECT_EQ(first.size(), 4 + (28 + 6) + (28 + 4 + 127) + (28 + 6 + 127) + (28 + 11 + 127) + (28 + 6 + 127));
  EXPECT_EQ(dir.Read("Kunden.kdb"), "[Main]\r\nmfg=0912261405123.txt\r\nabs=0102270703045.txt\r\n");
  EXPECT_EQ(dir.Read("Kunden.bup"), "einzige Kopie");

  folder.text = "Post";
  db.SaveDatabase(path);
  const std::string second = dir.Read("Kunden.bdb");
  EXPECT_EQ(dir.Read("Kunden.bup"), first);
  base.text = "Kunden 2";
  db.SaveDatabase(path);
  EXPECT_EQ(dir.Read("Kunden.bup"), second);  // only the state before the last save

  // Without any abbreviation the old index goes and no new one comes.
  for (TreeNode* node = db.Tree().GetFirstNode(); node; node = node->GetNext()) {
    if (auto data = GetBlockData(*node)) {
      data->abbreviation.clear();
      SetBlockData(*node, *data);
    }
  }
  db.SaveDatabase(path);
  EXPECT_FALSE(FileExists(dir.File("Kunden.kdb")));
  EXPECT_FALSE(FileExists(dir.File("Kunden.bdb.neu")));
}

TEST(Database, AFailingSaveKeepsTheLastGoodDatabase) {
  struct Case {
    const char* name;
    std::function<void(test::TempDir&)> prepare;  // nullptr: the disk is full
    bool treeWritten;                             // only the index failed
  };
  const Case cases[] = {
      {"full disk", nullptr, false},
      {"read-only database file", [](test::TempDir& dir) { ::chmod(dir.File("K.bdb").c_str(), 0444); }, false},
      {"backup that cannot be replaced",
       [](test::TempDir& dir) {
         std::filesystem::remove(dir.File("K.bup"));
         dir.Write("K.bup/inhalt", "x");
       },
       false},
      {"read-only index", [](test::TempDir& dir) { ::chmod(dir.File("K.kdb").c_str(), 0444); }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    BlockDatabase db(dir.Path());
    db.SetAbbreviationIndex(dir.File("K.kdb"));
    db.EnsureRoot("K");
    TreeNode& base = *db.Tree().TopItem(0);
    Block(db.Tree(), base, "eins", "0912261405123", "e");
    db.SaveDatabase(dir.File("K.bdb"));
    Block(db.Tree(), base, "zwei", "0912261405124", "z");
    db.SaveDatabase(dir.File("K.bdb"));
    const std::string saved = dir.Read("K.bdb");
    const std::string index = dir.Read("K.kdb");
    for (int i = 0; i < 100; ++i) Block(db.Tree(), base, "mehr " + std::to_string(i), "01010101010" + std::to_string(i % 10), "m" + std::to_string(i));

    if (c.prepare) {
      c.prepare(dir);
      EXPECT_THROW(db.SaveDatabase(dir.File("K.bdb")), FileError);
    } else {
      // The disk takes only as much as the last database needed.
      std::signal(SIGXFSZ, SIG_IGN);
      rlimit old{};
      ::getrlimit(RLIMIT_FSIZE, &old);
      rlimit limit = old;
      limit.rlim_cur = saved.size() + 10;
      ::setrlimit(RLIMIT_FSIZE, &limit);
      EXPECT_THROW(db.SaveDatabase(dir.File("K.bdb")), FileError);
      ::setrlimit(RLIMIT_FSIZE, &old);
    }

    // The last good tree is still there: under its name, or as the backup of a complete new one.
    EXPECT_EQ(dir.Read(c.treeWritten ? "K.bup" : "K.bdb"), saved);
    if (c.treeWritten) {
      EXPECT_EQ(dir.Read("K.bdb"), db.Tree().SaveToBytes());
    }
    EXPECT_EQ(dir.Read("K.kdb"), index);
    EXPECT_FALSE(FileExists(dir.File("K.bdb.neu")));
    EXPECT_FALSE(FileExists(dir.File("K.kdb.neu")));
  }
}

TEST(Database, OpenDatabaseLoadsSelectsTheBaseAndFollowsWithTheBlockFolder) {
  FakeServices fake;
  BlockDatabase db("/nirgends/");
  const std::string path = kFixtures + "Kunden/Kunden.bdb";
  db.OpenDatabase(fake, path);
  EXPECT_TRUE(fake.log.empty());
  EXPECT_EQ(db.DatabaseFile(), path);
  EXPECT_EQ(db.BlockDir(), kFixtures + "Kunden/Bausteine\\");
  ASSERT_NE(db.Tree().Selected(), nullptr);
  EXPECT_EQ(db.Tree().Selected()->text, "Kunden");
  EXPECT_TRUE(db.Tree().Selected()->expanded);
  EXPECT_EQ(db.Counts().folders, 3);
  EXPECT_EQ(db.Counts().blocks, 4);

  // A damaged file is named with the place where reading stopped, and leaves everything as it was.
  try {
    db.OpenDatabase(fake, kFixtures + "truncated.bdb");
    ADD_FAILURE() << "a damaged file was opened";
  } catch (const DamagedFileError& e) {
    EXPECT_NE(std::string(e.what()).find("truncated.bdb\" konnte nicht gelesen werden: unerwartetes Ende der Daten bei "
                                         "Byte 199."),
              std::string::npos)
        << e.what();
  }
  EXPECT_EQ(db.DatabaseFile(), path);
  EXPECT_EQ(db.BlockDir(), kFixtures + "Kunden/Bausteine\\");
  EXPECT_EQ(db.Tree().Count(), 8u);
  EXPECT_TRUE(fake.log.empty());
}

TEST(Database, AMissingDatabaseWithoutADummyOneSavesTheLoadedTreeAsDBDummy) {
  test::TempDir dir;
  FakeServices fake;
  std::filesystem::copy(kFixtures + "Kunden", dir.File("Kunden"), std::filesystem::copy_options::recursive);
  BlockDatabase db(dir.Path());
  db.OpenDatabase(fake, dir.File("Kunden\\Kunden.bdb"));
  db.SetAbbreviationIndex(dir.File("Kunden\\Kunden.kdb"));
  const std::string missing = dir.File("weg\\Alt.bdb");
  db.OpenDatabase(fake, missing);

  EXPECT_EQ(fake.log, std::vector<std::string>{"MessageBox Fehler \"Die Datenbank \"" + missing +
                                               "\" konnte nicht gefunden werden!\" -> OK"});
  EXPECT_EQ(db.DatabaseFile(), dir.File("Daten\\DBDummy.bdb"));
  EXPECT_EQ(db.AbbreviationIndex(), dir.File("Daten\\DBDummy.kdb"));
  EXPECT_EQ(db.BlockDir(), dir.File("Daten\\Bausteine\\"));
  EXPECT_TRUE(DirectoryExists(dir.File("Daten/Bausteine")));
  // The loaded tree, base caption and all, is what the dummy holds now; its index is its own.
  EXPECT_EQ(dir.Read("Daten/DBDummy.bdb"), *ReadFileBytes(kFixtures + "Kunden/Kunden.bdb"));
  EXPECT_EQ(dir.Read("Daten/DBDummy.kdb"), *ReadFileBytes(kFixtures + "Kunden/Kunden.kdb"));
  EXPECT_EQ(dir.Read("Kunden/Kunden.kdb"), *ReadFileBytes(kFixtures + "Kunden/Kunden.kdb"));

  // With nothing loaded, a new dummy gets its own base entry.
  test::TempDir fresh;
  BlockDatabase empty(fresh.Path());
  empty.OpenDatabase(fake, missing);
  EXPECT_EQ(fresh.Files(), (std::map<std::string, std::string>{
                               {"Daten/DBDummy.bdb", I32(1) + Record("DBDummy", 0, 0, -1, 0, std::nullopt)}}));
  EXPECT_EQ(empty.Tree().Selected(), empty.Tree().GetFirstNode());
}

// Daten\DBDummy.* as a user fills them: the Kunden database under the dummy's name.
void PlaceFilledDummy(const test::TempDir& dir) {
  for (const char* ext : {".bdb", ".kdb"})
    dir.Write(std::string("Daten/DBDummy") + ext, *ReadFileBytes(kFixtures + "Kunden/Kunden" + ext));
  dir.Write("Daten/DBDummy.bup", *ReadFileBytes(kFixtures + "Kunden/Kunden.bdb"));
  std::filesystem::copy(kFixtures + "Kunden/Bausteine", dir.File("Daten/Bausteine"));
}

TEST(Database, AnExistingDummyDatabaseIsOpenedAndNeverWrittenOver) {
  // Nothing loaded yet (the management window opening), or another database loaded (the menu).
  for (const bool loaded : {false, true}) {
    SCOPED_TRACE(loaded ? "another database loaded" : "nothing loaded");
    test::TempDir dir;
    FakeServices fake;
    PlaceFilledDummy(dir);
    dir.Write("Anders/Anders.bdb", I32(1) + Record("Anders", 0, 0, -1, 0, std::nullopt));
    const auto before = dir.Files();
    BlockDatabase db(dir.Path());
    if (loaded) db.OpenDatabase(fake, dir.File("Anders/Anders.bdb"));
    db.SetAbbreviationIndex(dir.File("Anders/Anders.kdb"));

    const std::string missing = "E:\\Fenu\\Daten\\Kunden.bdb";  // the folder was moved
    db.OpenDatabase(fake, missing);
    EXPECT_EQ(fake.log, std::vector<std::string>{"MessageBox Fehler \"Die Datenbank \"" + missing +
                                                 "\" konnte nicht gefunden werden!\" -> OK"});
    EXPECT_EQ(db.DatabaseFile(), dir.File("Daten\\DBDummy.bdb"));
    EXPECT_EQ(db.AbbreviationIndex(), dir.File("Daten\\DBDummy.kdb"));
    EXPECT_EQ(db.BlockDir(), dir.File("Daten\\Bausteine\\"));
    EXPECT_EQ(db.Tree().GetFirstNode()->text, "Kunden");
    EXPECT_EQ(db.Tree().Selected(), db.Tree().GetFirstNode());
    EXPECT_EQ(db.Counts().blocks, 4);
    EXPECT_EQ(dir.Files(), before);
  }
}

TEST(Database, ADamagedDummyDatabaseIsReportedAndNothingChanges) {
  for (const test::DamagedFile& damaged : test::DamagedTrees()) {
    SCOPED_TRACE(damaged.name);
    test::TempDir dir;
    FakeServices fake;
    PlaceFilledDummy(dir);
    dir.Write("Daten/DBDummy.bdb", damaged.bytes);
    const auto before = dir.Files();
    BlockDatabase db(dir.Path());
    db.SetAbbreviationIndex(dir.File("Daten/DBDummy.kdb"));
    EXPECT_THROW(db.OpenDatabase(fake, dir.File("fehlt.bdb")), DamagedFileError);
    EXPECT_EQ(fake.log.size(), 1u);  // "konnte nicht gefunden werden"
    EXPECT_TRUE(db.Tree().Empty());
    EXPECT_EQ(db.DatabaseFile(), "");
    EXPECT_EQ(dir.Files(), before);
  }
}

TEST(Database, NamesAndPlacesOfTheFiles) {
  EXPECT_EQ(ResolveStick("C:\\Fenu\\", "D:\\Alt\\Kunden.bdb", true), "C:\\Fenu\\Daten\\Kunden.bdb");
  EXPECT_EQ(ResolveStick("C:\\Fenu\\", "Kunden.kdb", true), "C:\\Fenu\\Daten\\Kunden.kdb");
  EXPECT_EQ(ResolveStick("C:\\Fenu\\", "D:\\Alt\\Kunden.bdb", false), "D:\\Alt\\Kunden.bdb");
  EXPECT_EQ(StickName("C:\\Fenu\\Daten\\Kunden.bdb"), "Kunden.bdb");

  EXPECT_EQ(BackupFileOf("D:\\Alt\\Kunden.bdb"), "D:\\Alt\\Kunden.bup");
  EXPECT_EQ(AbbreviationIndexOf("D:\\Alt.neu\\Kunden"), "D:\\Alt.neu\\Kunden.kdb");
  EXPECT_EQ(AbbreviationIndexOf("D:\\x\\a.b.bdb"), "D:\\x\\a.b.kdb");
  EXPECT_EQ(BlockDirOf("D:\\Alt\\Kunden.bdb"), "D:\\Alt\\Bausteine\\");
  EXPECT_EQ(BlockDirOf("Kunden.bdb"), "Bausteine\\");
  EXPECT_EQ(DummyDatabaseFile("C:\\Fenu\\"), "C:\\Fenu\\Daten\\DBDummy.bdb");
  EXPECT_EQ(DatabaseName("D:\\Alt\\Grüße.bdb"), "Grüße");
}

TEST(Database, TheIndexIsWhatTheProfileFunctionsWouldWrite) {
  TTreeViewEx tree;
  TreeNode& base = tree.AddChild(nullptr, "B");
  Block(tree, base, "a", "1111111111111", "mfg");
  Block(tree, base, "b", "2222222222222", "abs");
  Block(tree, base, "c", "3333333333333", "MFG");  // the same key to the profile functions
  const auto entries = AbbreviationEntries(tree);
  IniDocument byProfile;
  for (TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext())
    if (auto data = GetBlockData(*node)) byProfile.SetValue("Main", data->abbreviation, data->textFileName);
  EXPECT_EQ(AbbreviationIndexText(entries), byProfile.Serialize());
  EXPECT_EQ(AbbreviationIndexText(entries), "[Main]\r\nmfg=3333333333333.txt\r\nabs=2222222222222.txt\r\n");
}

TEST(Database, NewBlockIdsNeverShareATextFile) {
  test::TempDir dir;
  TTreeViewEx tree;
  TreeNode& base = tree.AddChild(nullptr, "B");
  Block(tree, base, "a", "0912261405123");
  Block(tree, base, "b", "0912261405999");
  dir.Write("0912261405124.txt", "");
  EXPECT_EQ(UniqueTimeId(tree, dir.Path(), "0912261405122"), "0912261405122");
  EXPECT_EQ(UniqueTimeId(tree, dir.Path(), "0912261405123"), "0912261405125");
  EXPECT_EQ(UniqueTimeId(tree, dir.Path(), "0912261405999"), "0912261405000");  // stays in its minute
}

TEST(Database, TheSelectionWindowsVetoLeavesHiddenEntriesOut) {
  TTreeViewEx tree;
  RejectHiddenEntries(tree);
  tree.LoadFromFile(kFixtures + "Kunden/Kunden.bdb");
  std::string captions;
  for (const TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext()) captions += node->text + ";";
  EXPECT_EQ(captions, "Kunden;Anrede;Grüße;Briefe;Intern;Notiz;Leer;");

  TTreeViewEx one;
  BlockData data;
  for (const char* show : {"nein", "Nein", "nei", "ja", ""}) {
    data.show = show;
    TreeNode& node = one.AddChild(nullptr, show);
    SetBlockData(node, data);
    EXPECT_EQ(IsHiddenEntry(node), std::string(show) == "nein") << show;
  }
}

}  // namespace
}  // namespace fenu
