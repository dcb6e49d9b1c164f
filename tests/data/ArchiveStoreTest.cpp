#include "data/ArchiveStore.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "core/Errors.h"
#include "core/FileIo.h"
#include "data/TextFiles.h"
#include "model/TreeOps.h"
#include "platform/fake/FakeServices.h"
#include "support/DamagedStores.h"
#include "support/TempDir.h"
#include "support/TreeBytes.h"

namespace fenu {
namespace {

using test::I32;
using test::Record;

const std::string kFixtures = std::string(FENU_FIXTURES) + "/archive/";

std::string Names(const TreeNode* first) {
  std::string names;
  for (const TreeNode* node = first; node; node = node->GetNextSibling()) names += node->text + ";";
  return names;
}

TEST(ArchiveData, TwoLengthPrefixedFieldsAndReservedBytesIn187) {
  ArchiveData data{"0912261453042.txt", "Müller Angebot"};
  const std::string bytes = data.ToBytes();
  ASSERT_EQ(bytes.size(), 187u);
  EXPECT_EQ(bytes.substr(0, 18), "\x11" "0912261453042.txt");
  EXPECT_EQ(bytes.substr(18, 8), std::string(8, '\0'));
  EXPECT_EQ(bytes.substr(26, 15), "\x0EM\xFCller Angebot");
  EXPECT_EQ(bytes.substr(41), std::string(187 - 41, '\0'));  // the rest of the keywords and the reserved 32
  EXPECT_EQ(ArchiveData::FromBytes(bytes), data);
  EXPECT_EQ(ArchiveData().ToBytes(), std::string(187, '\0'));

  // Keywords of 129 characters are stored as their first 128; a name longer than 25 is cut too.
  const ArchiveData cut = ArchiveData::FromBytes(ArchiveData{std::string(30, 'n'), std::string(129, 'k')}.ToBytes());
  EXPECT_EQ(cut.keywords, std::string(128, 'k'));
  EXPECT_EQ(cut.textFileName, std::string(25, 'n'));

  // Foreign records: reserved bytes are never read, length bytes never reach past a field or the
  // record.
  std::string foreign(187, 'r');
  foreign[0] = static_cast<char>(3);
  foreign[26] = static_cast<char>(255);
  EXPECT_EQ(ArchiveData::FromBytes(foreign), (ArchiveData{"rrr", std::string(128, 'r')}));
  EXPECT_EQ(ArchiveData::FromBytes(foreign.substr(0, 40)), (ArchiveData{"rrr", std::string(13, 'r')}));
  EXPECT_EQ(ArchiveData::FromBytes(""), ArchiveData{});
}

TEST(ArchiveData, TheKindIsTheImageIndexAndOnlyRootAndFoldersHoldEntries) {
  TTreeViewEx tree;
  const struct {
    std::int32_t image;
    ArchiveKind kind;
    bool canHold;
  } cases[] = {{0, ArchiveKind::Root, true},  {1, ArchiveKind::Text, false}, {3, ArchiveKind::Folder, true},
               {2, ArchiveKind::None, false}, {4, ArchiveKind::None, false}, {-1, ArchiveKind::None, false},
               {7, ArchiveKind::None, false}};
  for (const auto& c : cases) {
    TreeNode& node = tree.AddChild(nullptr, "x");
    node.imageIndex = c.image;
    EXPECT_EQ(ArchiveKindOf(node), c.kind) << c.image;
    EXPECT_EQ(CanHold(node), c.canHold) << c.image;
  }
}

TEST(ArchiveStore, AMissingArchiveIsReportedAndMadeAtOnceInFoldersThatDidNotExist) {
  test::TempDir dir;
  FakeServices fake;
  const std::string path = dir.File("Daten\\Archiv.adb");
  ArchiveStore store;
  store.OpenArchive(fake, path);

  EXPECT_EQ(fake.log, std::vector<std::string>{"MessageBox Fehler \"Die Datenbank \"" + path +
                                               "\" konnte nicht gefunden werden!\" -> OK"});
  EXPECT_EQ(dir.Files(), (std::map<std::string, std::string>{
                             {"Daten/Archiv.adb", I32(1) + Record("Archiv", 0, 0, -1, 0, std::nullopt)}}));
  EXPECT_EQ(store.ArchivePath(), path);
  EXPECT_EQ(store.TextDir(), dir.File("Daten\\Archiv"));
  EXPECT_EQ(store.Tree().Selected(), store.Tree().GetFirstNode());

  ArchiveStore again;
  again.OpenArchive(fake, path);
  EXPECT_EQ(fake.log.size(), 1u);
  EXPECT_EQ(again.Tree().Count(), 1u);
  EXPECT_EQ(again.Tree().Selected(), again.Tree().GetFirstNode());
  EXPECT_TRUE(again.Tree().GetFirstNode()->expanded);
  EXPECT_FALSE(FileExists(dir.File("Daten/Archiv.bup")));
}

TEST(ArchiveStore, ADamagedArchiveIsNamedWithWhereReadingStoppedAndNeverWrittenOver) {
  for (const test::DamagedFile& damaged : test::DamagedTrees()) {
    SCOPED_TRACE(damaged.name);
    test::TempDir dir;
    FakeServices fake;
    std::filesystem::copy(kFixtures + "Kanzlei", dir.File("Daten"), std::filesystem::copy_options::recursive);
    ArchiveStore store;
    store.OpenArchive(fake, dir.File("Daten\\Archiv.adb"));
    const std::size_t entries = store.Tree().Count();
    dir.Write("Daten/Kaputt.adb", damaged.bytes);
    const auto before = dir.Files();
    const std::string file = dir.File("Daten\\Kaputt.adb");
    try {
      store.OpenArchive(fake, file);
      ADD_FAILURE() << "a damaged archive was opened";
    } catch (const DamagedFileError& e) {
      EXPECT_EQ(std::string(e.what()), "Das Archiv \"" + file + "\" konnte nicht gelesen werden: " + damaged.reason +
                                           ".\r\nDie Datei wurde nicht verändert.");
    }
    EXPECT_TRUE(fake.log.empty());
    EXPECT_EQ(store.Tree().Count(), entries);
    EXPECT_EQ(store.ArchivePath(), dir.File("Daten\\Archiv.adb"));
    EXPECT_EQ(dir.Files(), before);
  }
}

TEST(ArchiveStore, EachSaveKeepsThePreviousTreeAsTheOneBackup) {
  test::TempDir dir;
  FakeServices fake;
  const std::string path = dir.File("Daten\\Archiv.adb");
  ArchiveStore store;
  store.OpenArchive(fake, path);
  const std::string created = dir.Read("Daten/Archiv.adb");
  TreeNode& root = *store.Tree().GetFirstNode();
  store.NewEntry(root, "Briefe", ArchiveKind::Folder, fake, "0912261453042");
  store.SaveArchive(path);
  const std::string first = dir.Read("Daten/Archiv.adb");
  EXPECT_EQ(dir.Read("Daten/Archiv.bup"), created);
  // A folder's record is written whole, both fields empty.
  EXPECT_EQ(first, I32(1) + Record("Archiv", 0, 0, -1, 0, std::nullopt,
                                   {Record("Briefe", 1, 3, -1, 4, std::string(187, '\0'))}));

  root.text = "Archiv 2";
  store.SaveArchive(path);
  const std::string second = dir.Read("Daten/Archiv.adb");
  EXPECT_EQ(dir.Read("Daten/Archiv.bup"), first);
  root.text = "Archiv 3";
  store.SaveArchive(path);
  EXPECT_EQ(dir.Read("Daten/Archiv.bup"), second);  // the oldest is gone
  EXPECT_EQ(dir.Read("Daten/Archiv.adb"), store.Tree().SaveToBytes());
  EXPECT_FALSE(FileExists(dir.File("Daten/Archiv.adb.neu")));
  EXPECT_FALSE(FileExists(dir.File("Daten/Archiv.bup.alt")));

  // With no tree file to replace, an existing backup is the only copy and stays.
  std::filesystem::remove(dir.File("Daten/Archiv.adb"));
  store.SaveArchive(path);
  EXPECT_EQ(dir.Read("Daten/Archiv.bup"), second);
}

TEST(ArchiveStore, AFailingSaveKeepsTheLastGoodArchiveItsBackupAndTheTextsToDelete) {
  struct Case {
    const char* name;
    std::function<void(test::TempDir&)> prepare;  // nullptr: the disk is full
  };
  const Case cases[] = {
      {"full disk", nullptr},
      {"read-only archive file", [](test::TempDir& dir) { ::chmod(dir.File("Archiv.adb").c_str(), 0444); }},
      {"something in the way of the new file", [](test::TempDir& dir) { dir.Write("Archiv.adb.neu/x", ""); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    FakeServices fake;
    std::filesystem::copy(kFixtures + "Kanzlei", dir.Path(), std::filesystem::copy_options::recursive);
    ArchiveStore store;
    store.OpenArchive(fake, dir.File("Archiv.adb"));
    store.SaveArchive(dir.File("Archiv.adb"));
    const auto saved = dir.Files();
    TreeNode& root = *store.Tree().GetFirstNode();
    for (int i = 0; i < 200; ++i) store.NewEntry(root, "mehr " + std::to_string(i), ArchiveKind::Folder, fake, "");
    TreeNode* text = root.GetFirstChild();
    ASSERT_EQ(ArchiveKindOf(*text), ArchiveKind::Text);
    store.DeleteTextFiles(*text);
    store.Tree().Delete(text);

    if (c.prepare) {
      c.prepare(dir);
      EXPECT_THROW(store.SaveArchive(dir.File("Archiv.adb")), FileError);
      std::filesystem::remove_all(dir.File("Archiv.adb.neu"));
      ::chmod(dir.File("Archiv.adb").c_str(), 0644);
    } else {
      std::signal(SIGXFSZ, SIG_IGN);
      rlimit old{};
      ::getrlimit(RLIMIT_FSIZE, &old);
      rlimit limit = old;
      limit.rlim_cur = saved.at("Archiv.adb").size() + 10;
      ::setrlimit(RLIMIT_FSIZE, &limit);
      EXPECT_THROW(store.SaveArchive(dir.File("Archiv.adb")), FileError);
      ::setrlimit(RLIMIT_FSIZE, &old);
    }
    EXPECT_EQ(dir.Files(), saved);
    EXPECT_EQ(store.PendingDeletions().size(), 1u);
  }
}

TEST(ArchiveStore, NewEntriesTakeArchiveOrderAndARenameSortsItsSiblingsByNameAlone) {
  FakeServices fake;
  ArchiveStore store;
  store.EnsureRoot("Archiv");
  TreeNode& root = *store.Tree().GetFirstNode();
  TreeNode& folder = store.NewEntry(root, "Ordner", ArchiveKind::Folder, fake, "0101260000000");
  store.NewEntry(folder, "b", ArchiveKind::Text, fake, "0101260000001");
  store.NewEntry(folder, "C", ArchiveKind::Folder, fake, "0101260000002");
  TreeNode& a = store.NewEntry(folder, "A", ArchiveKind::Text, fake, "0101260000003");
  EXPECT_EQ(Names(folder.GetFirstChild()), "A;b;C;");
  EXPECT_EQ(folder.GetFirstChild(), &a);  // the same entry, wherever it went

  store.Rename(a, "Z", fake);
  EXPECT_EQ(Names(folder.GetFirstChild()), "b;C;Z;");
  // Adding anywhere puts texts before folders again, at every level.
  store.NewEntry(root, "x", ArchiveKind::Text, fake, "0101260000004");
  EXPECT_EQ(Names(folder.GetFirstChild()), "b;Z;C;");
  EXPECT_EQ(Names(root.GetFirstChild()), "x;Ordner;");

  // The locale's word order with case: lower before upper among otherwise equal names.
  store.NewEntry(folder, "z", ArchiveKind::Folder, fake, "");
  store.Rename(a, "Z", fake);
  EXPECT_EQ(Names(folder.GetFirstChild()), "b;C;z;Z;");
}

TEST(ArchiveStore, ANewTextGetsAFreeTextIdAndNoFileAFolderAnEmptyRecord) {
  test::TempDir dir;
  FakeServices fake;
  ArchiveStore store;
  store.OpenArchive(fake, dir.File("Archiv.adb"));
  dir.Write("Archiv/0912261453043.txt", "von einem gelöschten Text");
  TreeNode& root = *store.Tree().GetFirstNode();
  TreeNode& first = store.NewEntry(root, "Brief", ArchiveKind::Text, fake, "0912261453042");
  TreeNode& second = store.NewEntry(root, "Brief 2", ArchiveKind::Text, fake, "0912261453042");
  TreeNode& folder = store.NewEntry(root, "Ordner", ArchiveKind::Folder, fake, "0912261453042");
  EXPECT_EQ(GetArchiveData(first), (ArchiveData{"0912261453042.txt", ""}));
  EXPECT_EQ(GetArchiveData(second), (ArchiveData{"0912261453044.txt", ""}));  // neither entry nor file uses it
  EXPECT_EQ(GetArchiveData(folder), ArchiveData{});
  EXPECT_EQ(first.imageIndex, 1);
  EXPECT_EQ(first.selectedIndex, 2);
  EXPECT_EQ(first.stateIndex, -1);
  EXPECT_EQ(folder.imageIndex, 3);
  EXPECT_EQ(folder.selectedIndex, 4);
  EXPECT_EQ(store.TextFilePath(first), dir.File("Archiv\\0912261453042.txt"));
  EXPECT_FALSE(FileExists(store.TextFilePath(first)));
  EXPECT_EQ(store.ReadText(first), "");
  const std::string id = GetArchiveData(store.NewEntry(root, "jetzt", ArchiveKind::Text, fake, CurrentTimeId()))->textFileName;
  EXPECT_EQ(id.size(), 17u);
}

TEST(ArchiveStore, TextsAreReadWithCrLfAndSavedOnlyWhenTheirFileCouldBeWritten) {
  test::TempDir dir;
  FakeServices fake;
  ArchiveStore store;
  store.OpenArchive(fake, dir.File("Daten\\Archiv.adb"));
  TreeNode& root = *store.Tree().GetFirstNode();
  TreeNode& other = store.NewEntry(root, "M", ArchiveKind::Text, fake, "0101260000000");
  TreeNode& text = store.NewEntry(root, "Brief", ArchiveKind::Text, fake, "0912261453042");

  // The text folder is made by the first text written into it.
  store.SaveText(text, "Z Brief", std::string(130, 'k'), "Zeile 1\nZeile 2\rZeile 3\r\n", fake);
  EXPECT_EQ(dir.Read("Daten/Archiv/0912261453042.txt"), "Zeile 1\r\nZeile 2\r\nZeile 3\r\n");
  EXPECT_EQ(GetArchiveData(text)->keywords, std::string(128, 'k'));
  EXPECT_EQ(Names(root.GetFirstChild()), "M;Z Brief;");
  dir.Write("Daten/Archiv/0912261453042.txt", "a\rb\nc\r\n\n");
  EXPECT_EQ(store.ReadText(text), "a\r\nb\r\nc\r\n\r\n");
  store.SaveText(other, "A", "", "", fake);
  EXPECT_EQ(dir.Read("Daten/Archiv/0101260000000.txt"), "");  // an empty body is an empty file

  // A file that cannot be written: nothing of the entry changes.
  dir.Write("Daten/Archiv/0912261453042.txt.neu/x", "");
  EXPECT_THROW(store.SaveText(text, "Neu", "neu", "neu", fake), FileError);
  std::filesystem::remove_all(dir.File("Daten/Archiv/0912261453042.txt.neu"));
  EXPECT_EQ(text.text, "Z Brief");
  EXPECT_EQ(GetArchiveData(text)->keywords, std::string(128, 'k'));
  EXPECT_EQ(store.ReadText(text), "a\r\nb\r\nc\r\n\r\n");

  // A record from a foreign file that names a place outside the text folder is never used.
  dir.Write("Daten/geheim.txt", "geheim");
  SetArchiveData(text, ArchiveData{"..\\geheim.txt", ""});
  EXPECT_EQ(store.ReadText(text), "");
  EXPECT_THROW(store.WriteText(text, "x"), FileError);
  EXPECT_EQ(dir.Read("Daten/geheim.txt"), "geheim");
}

TEST(ArchiveStore, DeletedTextsLoseTheirFilesWhenTheTreeWithoutThemIsSaved) {
  test::TempDir dir;
  FakeServices fake;
  std::filesystem::copy(kFixtures + "Kanzlei", dir.Path(), std::filesystem::copy_options::recursive);
  dir.Write("Archiv/5555555555555.txt", "von keinem Eintrag");
  ArchiveStore store;
  store.OpenArchive(fake, dir.File("Archiv.adb"));
  TreeNode& root = *store.Tree().GetFirstNode();
  TreeNode* briefe = root.Item(2);
  ASSERT_EQ(briefe->text, "Briefe");
  // A text moved into the folder keeps its file.
  MoveSubtree(store.Tree(), *root.Item(0), *briefe);
  EXPECT_EQ(GetArchiveData(*briefe->GetLastChild())->textFileName, "0912261453042.txt");
  TreeNode* fremd = root.GetLastChild();
  ASSERT_EQ(ArchiveKindOf(*fremd), ArchiveKind::None);
  store.DeleteTextFiles(*fremd);  // holds nothing
  store.DeleteTextFiles(*briefe);
  EXPECT_EQ(store.PendingDeletions(), (std::vector<std::string>{"1502260915123.txt", "0912261453042.txt"}));
  store.Tree().Delete(briefe);

  // Closed without saving: the archive on disk still lists them, and they are all there.
  EXPECT_TRUE(FileExists(dir.File("Archiv/1502260915123.txt")));
  EXPECT_TRUE(FileExists(dir.File("Archiv/0912261453042.txt")));

  store.SaveArchive(dir.File("Archiv.adb"));
  EXPECT_EQ(dir.Files(), (std::map<std::string, std::string>{
                             {"Archiv.adb", store.Tree().SaveToBytes()},
                             {"Archiv.bup", *ReadFileBytes(kFixtures + "Kanzlei/Archiv.adb")},
                             {"Archiv/0103250800000.txt", *ReadFileBytes(kFixtures + "Kanzlei/Archiv/0103250800000.txt")},
                             {"Archiv/5555555555555.txt", "von keinem Eintrag"}}));
  EXPECT_TRUE(store.PendingDeletions().empty());
}

TEST(ArchiveStore, AnEntryOfUnknownKindIsKeptSavedAndLoadedUnchanged) {
  test::TempDir dir;
  FakeServices fake;
  std::filesystem::copy(kFixtures + "Kanzlei", dir.Path(), std::filesystem::copy_options::recursive);
  ArchiveStore store;
  store.OpenArchive(fake, dir.File("Archiv.adb"));
  const TreeNode* fremd = store.Tree().GetFirstNode()->GetLastChild();
  EXPECT_EQ(fremd->imageIndex, 7);
  EXPECT_EQ(fremd->selectedIndex, 7);
  EXPECT_FALSE(CanHold(*fremd));
  store.SaveArchive(dir.File("Archiv.adb"));
  EXPECT_EQ(dir.Read("Archiv.adb"), *ReadFileBytes(kFixtures + "Kanzlei/Archiv.adb"));
}

}  // namespace
}  // namespace fenu
