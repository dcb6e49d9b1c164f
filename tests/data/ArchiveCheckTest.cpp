#include "data/ArchiveCheck.h"

#include <gtest/gtest.h>

#include "data/ArchiveData.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

TEST(ArchiveCheck, TwoTextsInOneFileAreFoundWhateverTheCaseOfTheirNames) {
  test::TempDir dir;
  TTreeViewEx tree;
  UseArchiveDataSize(tree);
  TreeNode& root = tree.AddChild(nullptr, "Archiv");
  for (const char* name : {"0101260000000.txt", "0101260000000.TXT", "0101260000001.txt"}) {
    TreeNode& text = tree.AddChild(&root, name);
    text.imageIndex = 1;
    text.selectedIndex = 2;
    SetArchiveData(text, ArchiveData{name, ""});
    dir.Write(std::string("Archiv/") + name, "");
  }
  tree.SaveToFile(dir.File("Archiv.adb"));
  EXPECT_EQ(CheckArchive(dir.File("Archiv.adb")),
            std::vector<std::string>{"Textdatei \"0101260000000.txt\" mehrfach vergeben: \"Archiv\\0101260000000.txt\", "
                                     "\"Archiv\\0101260000000.TXT\""});
}

}  // namespace
}  // namespace fenu
