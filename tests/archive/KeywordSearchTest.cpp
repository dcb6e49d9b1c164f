#include "archive/KeywordSearch.h"

#include <gtest/gtest.h>

#include "core/Cp1252.h"
#include "data/ArchiveData.h"

namespace fenu {
namespace {

// Archiv
//   Angebot      "Müller Angebot"   (index 1)
//   Briefe       (folder)           (index 2)
//     Kanzlei    "Kanzlei"          (index 3)
//     Mahnung    "Sammelrechnung"   (index 4)
//   Rechnung     "Rechnungen 2024"  (index 5)
struct Archive {
  Archive() {
    TreeNode& root = tree.AddChild(nullptr, "Archiv");
    Text(root, "Angebot", "Müller Angebot");
    TreeNode& folder = tree.AddChild(&root, "Briefe");
    folder.imageIndex = 3;
    SetArchiveData(folder, ArchiveData{});
    Text(folder, "Kanzlei", "Kanzlei");
    Text(folder, "Mahnung", "Sammelrechnung");
    Text(root, "Rechnung", "Rechnungen 2024");
  }
  void Text(TreeNode& parent, const std::string& name, const std::string& keywords) {
    TreeNode& node = tree.AddChild(&parent, name);
    node.imageIndex = 1;
    SetArchiveData(node, ArchiveData{"x.txt", keywords});
  }
  std::string Hit(std::size_t start, const std::string& keyword) {
    const KeywordSearchResult result = FindKeyword(tree, start, keyword);
    if (result.hit) return result.hit->text;
    return result.notFound ? "nicht gefunden" : "keine Suche";
  }
  TTreeViewEx tree;
};

TEST(KeywordSearch, OnlyAToZAreFoldedAndAnyPartOfTheLineMatches) {
  Archive a;
  const struct {
    const char* keyword;
    const char* hit;
  } cases[] = {
      {"Müller", "Angebot"},  {"müller", "Angebot"},         {"MÜLLER", "nicht gefunden"},
      {"an", "Angebot"},      {"rechnung", "Mahnung"},       {"RECHNUNGEN 2", "Rechnung"},
      {"zl", "Kanzlei"},      {"Rechnungen  ", "nicht gefunden"},
  };
  for (const auto& c : cases) EXPECT_EQ(a.Hit(0, c.keyword), c.hit) << c.keyword;
  EXPECT_EQ(UpperCaseAscii("äöü müller_x"), "äöü MüLLER_X");
}

TEST(KeywordSearch, TheWalkStartsAfterTheStartAndNeverTestsTheRoot) {
  Archive a;
  // The Root has no record: even an empty key finds the first text after it.
  EXPECT_EQ(a.Hit(0, ""), "Angebot");
  // A second search starts after the hit.
  EXPECT_EQ(a.Hit(AbsoluteIndex(a.tree, a.tree.GetFirstNode()->GetFirstChild()), "an"), "Kanzlei");
  EXPECT_EQ(a.Hit(3, "an"), "nicht gefunden");
  EXPECT_EQ(a.Hit(3, "rechnung"), "Mahnung");
  EXPECT_EQ(a.Hit(4, "rechnung"), "Rechnung");
  // From the last node nothing is walked: no hit and no message.
  EXPECT_EQ(a.Hit(5, "rechnung"), "keine Suche");
  EXPECT_EQ(a.Hit(99, "rechnung"), "keine Suche");
  // Without a selection the search starts at the beginning.
  EXPECT_EQ(a.Hit(AbsoluteIndex(a.tree, nullptr), "rechnung"), "Mahnung");
  EXPECT_EQ(KeywordNotFoundText("MÜLLER"), "\"MÜLLER\" konnte nicht gefunden werden.");
}

TEST(KeywordSearch, AllHitsInDisplayOrderAndAbsoluteIndexes) {
  Archive a;
  std::string names;
  for (const TreeNode* node : FindAllKeywords(a.tree, "RECHNUNG")) names += node->text + ";";
  EXPECT_EQ(names, "Mahnung;Rechnung;");
  EXPECT_TRUE(FindAllKeywords(a.tree, "Ärger").empty());

  const TreeNode* mahnung = a.tree.GetFirstNode()->Item(1)->Item(1);
  EXPECT_EQ(AbsoluteIndex(a.tree, mahnung), 4u);
  EXPECT_EQ(AbsoluteIndex(a.tree, a.tree.GetFirstNode()), 0u);
  EXPECT_EQ(AbsoluteIndex(a.tree, nullptr), std::string::npos);
  TTreeViewEx other;
  EXPECT_EQ(AbsoluteIndex(other, mahnung), std::string::npos);
}

}  // namespace
}  // namespace fenu
