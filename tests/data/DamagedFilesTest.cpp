#include "data/DamagedFiles.h"

#include <gtest/gtest.h>

#include "core/Errors.h"
#include "core/FileIo.h"
#include "support/DamagedStores.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

const std::string kFixtures = std::string(FENU_FIXTURES) + "/store/";

// The message of the DamagedFileError that reading throws, or "" when nothing is thrown.
template <class Read>
std::string DamageMessage(Read&& read) {
  try {
    read();
  } catch (const DamagedFileError& e) {
    return e.what();
  }
  return "";
}

TEST(DamagedDatabase, EveryDamagedTreeIsReportedWithItsPlaceAndTheTreeStays) {
  test::TempDir dir;
  for (const test::DamagedFile& damaged : test::DamagedTrees()) {
    SCOPED_TRACE(damaged.name);
    dir.Write("Kunden.bdb", damaged.bytes);
    TTreeViewEx tree;
    tree.AddChild(nullptr, "bisher");
    const std::string message = DamageMessage([&] { LoadDatabaseTree(tree, dir.File("Kunden.bdb")); });
    EXPECT_EQ(message, "Die Datenbank \"" + dir.File("Kunden.bdb") + "\" konnte nicht gelesen werden: " + damaged.reason +
                           ".\r\nDie Datei wurde nicht verändert.");
    ASSERT_EQ(tree.Count(), 1u);
    EXPECT_EQ(tree.GetFirstNode()->text, "bisher");
    EXPECT_EQ(dir.Read("Kunden.bdb"), damaged.bytes);
  }
}

TEST(DamagedDatabase, AWindowTakesAThousandLevels) {
  test::TempDir dir;
  dir.Write("Tief.bdb", test::Chain(kMaxDatabaseLevels));
  TTreeViewEx tree;
  LoadDatabaseTree(tree, dir.File("Tief.bdb"));
  EXPECT_EQ(tree.Count(), 1000u);
  // Without the limit the reader itself takes any depth.
  dir.Write("Tiefer.bdb", test::Chain(5000));
  TTreeViewEx plain;
  plain.LoadFromFile(dir.File("Tiefer.bdb"));
  EXPECT_EQ(plain.Count(), 5000u);
}

TEST(DamagedDatabase, TheMessageNamesTheBackupAndWhetherItCanBeRead) {
  test::TempDir dir;
  const std::string file = dir.File("Daten\\Kunden.bdb");
  const std::string first = "Die Datenbank \"" + file + "\" konnte nicht gelesen werden: unerwartetes Ende der Daten bei "
                            "Byte 199.\r\nDie Datei wurde nicht verändert.";
  EXPECT_EQ(DamagedDatabaseText(file, "unerwartetes Ende der Daten bei Byte 199"), first);

  dir.Write("Daten/Kunden.bup", *ReadFileBytes(kFixtures + "Kunden/Kunden.bdb"));
  EXPECT_EQ(DamagedDatabaseText(file, "unerwartetes Ende der Daten bei Byte 199"),
            first + "\r\n\r\nEine lesbare Sicherung (der Stand vor dem letzten Speichern) liegt in \"" +
                dir.File("Daten\\Kunden.bup") + "\". Kopieren Sie sie auf \"Kunden.bdb\", um diesen Stand zurückzuholen.");

  dir.Write("Daten/Kunden.bup", *ReadFileBytes(kFixtures + "truncated.bdb"));
  EXPECT_EQ(DamagedDatabaseText(file, "unerwartetes Ende der Daten bei Byte 199"),
            first + "\r\n\r\nDie Sicherung \"" + dir.File("Daten\\Kunden.bup") +
                "\" ist ebenfalls nicht lesbar: unerwartetes Ende der Daten bei Byte 199.");
}

TEST(DamagedIndex, WholeOrMissingIndexesReadAndDamagedOnesNameTheFile) {
  test::TempDir dir;
  const std::string index = dir.File("Kunden.kdb");
  EXPECT_EQ(ReadAbbreviationIndex(index).KeyNames("Main"), std::vector<std::string>{});
  const std::string whole = *ReadFileBytes(kFixtures + "Kunden/Kunden.kdb");
  dir.Write("Kunden.kdb", whole);
  EXPECT_EQ(ReadAbbreviationIndex(index).Value("Main", "MFG"), "0102270703045.txt");

  std::vector<test::DamagedFile> cases = test::DamagedProfiles();
  cases.push_back({"cut off in its last line", whole.substr(0, whole.size() - 4),
                   "unerwartetes Ende der Daten bei Byte " + std::to_string(whole.size() - 4)});
  for (const test::DamagedFile& damaged : cases) {
    SCOPED_TRACE(damaged.name);
    dir.Write("Kunden.kdb", damaged.bytes);
    EXPECT_EQ(AbbreviationIndexDamage(index), damaged.reason);
    EXPECT_EQ(DamageMessage([&] { ReadAbbreviationIndex(index); }),
              "Der Kürzel-Index \"" + index + "\" konnte nicht gelesen werden: " + damaged.reason +
                  ".\r\nDie Datei wurde nicht verändert. Speichern Sie die Datenbank in der Baustein Verwaltung, dann "
                  "wird der Kürzel-Index neu geschrieben.");
  }
}

}  // namespace
}  // namespace fenu
