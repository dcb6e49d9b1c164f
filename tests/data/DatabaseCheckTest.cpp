#include "data/DatabaseCheck.h"

#include <gtest/gtest.h>

#include "data/Database.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

const std::string kFixtures = std::string(FENU_FIXTURES) + "/store/";

TreeNode& Entry(TTreeViewEx& tree, TreeNode* parent, const std::string& caption, std::int32_t image,
                const std::string& textFile = "", const std::string& abbreviation = "") {
  TreeNode& node = tree.AddChild(parent, caption);
  node.imageIndex = image;
  BlockData data;
  data.textFileName = textFile;
  data.abbreviation = abbreviation;
  SetBlockData(node, data);
  return node;
}

TEST(DatabaseCheck, AConsistentDatabaseHasNoProblems) {
  EXPECT_EQ(CheckDatabase(kFixtures + "Kunden/Kunden.bdb"), std::vector<std::string>{});
}

TEST(DatabaseCheck, NamesEveryKindOfEntryProblem) {
  test::TempDir dir;
  TTreeViewEx tree;
  UseBlockDataSize(tree);
  TreeNode& base = Entry(tree, nullptr, "B", kImageBase);  // a base entry with a block
  TreeNode& parent = Entry(tree, &base, "Kind", kImageBlock, "0.txt");
  Entry(tree, &parent, "Enkel", kImageBlock, "..\\x.txt");
  Entry(tree, &base, "Seltsam", 7);
  Entry(tree, &base, "Zweite Basis", kImageBase).data.reset();
  Entry(tree, &base, "Namenlos", kImageBlock);
  Entry(tree, &base, "Mit Kürzel", kImageBlock, "1.txt", "k");
  dir.Write("0.txt", "");
  dir.Write("Bausteine/0.txt", "");
  dir.Write("Bausteine/1.txt", "");
  dir.Write("Bausteine/notiz.TXT", "");
  dir.Write("Bausteine/andere.dat", "");
  tree.SaveToFile(dir.File("B.bdb"));

  const std::string index = "Kürzel-Index \"" + dir.File("B.kdb") + "\": ";
  EXPECT_EQ(CheckDatabase(dir.File("B.bdb")),
            (std::vector<std::string>{
                "\"B\": Basiseintrag mit Datenblock (127 Bytes)",
                "\"B\\Kind\": Baustein mit Untereinträgen",
                "\"B\\Kind\\Enkel\": unzulässiger Textdateiname \"..\\x.txt\"",
                "\"B\\Seltsam\": unbekannte Art von Eintrag (Bild 7)",
                "\"B\\Zweite Basis\": Basiseintrag unterhalb der obersten Ebene",
                "\"B\\Namenlos\": Baustein ohne Textdateinamen",
                "Textdatei \"notiz.TXT\" gehört zu keinem Eintrag",
                index + "fehlt",
            }));

  dir.Write("B.kdb", "[Main]\r\nK=2.txt\r\nx=3.txt\r\nk=1.txt\r\n");  // keys without regard to case, first wins
  EXPECT_EQ(CheckDatabase(dir.File("B.bdb")).back(), index + "\"x\" gehört zu keinem Eintrag");
  EXPECT_EQ(CheckDatabase(dir.File("B.bdb")).end()[-2], index + "\"k\" verweist auf \"2.txt\" statt auf \"1.txt\"");

  TTreeViewEx empty;
  dir.Write("leer/x", "");
  empty.SaveToFile(dir.File("leer/Leer.bdb"));
  EXPECT_EQ(CheckDatabase(dir.File("leer/Leer.bdb")),
            std::vector<std::string>{"Nicht genau ein Basiseintrag auf oberster Ebene: 0 Einträge, davon Basiseinträge: 0"});
}

TEST(DatabaseCheck, NamesKeysTheManagementWindowWouldNotStoreAndADamagedIndex) {
  test::TempDir dir;
  TTreeViewEx tree;
  UseBlockDataSize(tree);
  TreeNode& base = tree.AddChild(nullptr, "B");
  const struct {
    const char* caption;
    const char* key;
    const char* abbreviation;
  } entries[] = {{"Gut", "Q", "gut1"}, {"Umlaut", "ä", "grüß e"}, {"Klein", "q", "GROSS"}};
  for (const auto& e : entries) {
    TreeNode& node = tree.AddChild(&base, e.caption);
    node.imageIndex = kImageBlock;
    BlockData data;
    data.textFileName = std::string(e.caption) + ".txt";
    data.quickKey = e.key;
    data.abbreviation = e.abbreviation;
    SetBlockData(node, data);
    dir.Write("Bausteine/" + data.textFileName, "");
  }
  tree.SaveToFile(dir.File("B.bdb"));
  dir.Write("B.kdb", "[Main]\r\ngut1=Gut.txt\r\ngrüß e=Umlaut.txt\r\nGROSS=Klein.txt");  // cut off

  EXPECT_EQ(CheckDatabase(dir.File("B.bdb")),
            (std::vector<std::string>{
                "\"B\\Umlaut\": Kurztaste \"ä\" ist keine Ziffer 0-9 und kein Großbuchstabe A-Z",
                "\"B\\Umlaut\": Kürzel \"grüß e\" enthält anderes als Kleinbuchstaben a-z und Ziffern 0-9",
                "\"B\\Klein\": Kurztaste \"q\" ist keine Ziffer 0-9 und kein Großbuchstabe A-Z",
                "\"B\\Klein\": Kürzel \"GROSS\" enthält anderes als Kleinbuchstaben a-z und Ziffern 0-9",
                "Kurztaste \"Q\" mehrfach vergeben unter \"B\": \"Gut\", \"Klein\"",
                "Kürzel-Index \"" + dir.File("B.kdb") + "\": nicht lesbar: unerwartetes Ende der Daten bei Byte 56",
            }));
}

}  // namespace
}  // namespace fenu
