#include "model/TreeOps.h"

#include <gtest/gtest.h>

#include "data/BlockData.h"

namespace fenu {
namespace {

TreeNode& Entry(TTreeViewEx& tree, TreeNode* parent, const std::string& caption, const std::string& quickKey = "",
                bool withData = true) {
  TreeNode& node = tree.AddChild(parent, caption);
  if (withData) {
    BlockData data;
    data.quickKey = quickKey;
    node.data = data.ToBytes();
  }
  return node;
}

TEST(TreeOps, NameExistsLooksAtAllSiblingsIgnoringAsciiCase) {
  TTreeViewEx tree;
  TreeNode& base = Entry(tree, nullptr, "Basis");
  TreeNode& first = Entry(tree, &base, "Briefe");
  Entry(tree, &base, "Grüße");
  TreeNode& last = Entry(tree, &base, "Notiz");
  const struct {
    const TreeNode* node;
    const char* name;
    bool includeSelf;
    bool expected;
  } cases[] = {
      {&first, "BRIEFE", true, true},   // the node itself, when asked to
      {&first, "briefe", false, false},
      {&first, "notiz", false, true},   // a sibling after it
      {&last, "briefe", false, true},   // a sibling before it
      {&first, "GRÜSSE", true, false},
      {&first, "GRüßE", true, true},    // only ASCII letters fold
      {&first, "GRÜßE", true, false},
      {&first, "Brief", true, false},
      {&base, "Basis", false, false},   // a single top-level entry has no siblings
      {nullptr, "Briefe", true, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NameExists(c.node, c.name, c.includeSelf), c.expected) << c.name << " " << c.includeSelf;
}

TEST(TreeOps, IsAncestorOrSelfWalksUp) {
  TTreeViewEx tree;
  TreeNode& base = Entry(tree, nullptr, "Basis");
  TreeNode& folder = Entry(tree, &base, "Ordner");
  TreeNode& sub = Entry(tree, &folder, "Unterordner");
  TreeNode& other = Entry(tree, &base, "Anderer");
  EXPECT_TRUE(IsAncestorOrSelf(&folder, &folder));
  EXPECT_TRUE(IsAncestorOrSelf(&folder, &sub));
  EXPECT_TRUE(IsAncestorOrSelf(&base, &sub));
  EXPECT_FALSE(IsAncestorOrSelf(&sub, &folder));
  EXPECT_FALSE(IsAncestorOrSelf(&other, &sub));
  EXPECT_FALSE(IsAncestorOrSelf(nullptr, &sub));
  EXPECT_FALSE(IsAncestorOrSelf(&sub, nullptr));
}

TEST(TreeOps, MoveSubtreeTakesEverythingBelowAlongToTheEnd) {
  TTreeViewEx tree;
  TreeNode& base = Entry(tree, nullptr, "Basis", "", false);
  TreeNode& folder = Entry(tree, &base, "Ordner", "O");
  folder.imageIndex = 3;
  folder.selectedIndex = 4;
  folder.stateIndex = 5;
  TreeNode& block = Entry(tree, &folder, "Baustein", "B");
  block.stateIndex = 6;
  Entry(tree, &folder, "Zweiter", "Z");
  TreeNode& target = Entry(tree, &base, "Ziel", "T");
  Entry(tree, &target, "Schon da", "S");
  const NodeData blockData = *block.data;
  tree.SetSelected(&folder);

  EXPECT_EQ(MoveSubtree(tree, folder, target), &folder);
  ASSERT_EQ(base.Count(), 1u);
  ASSERT_EQ(target.Count(), 2u);
  EXPECT_EQ(target.Item(1), &folder);
  EXPECT_EQ(folder.Count(), 2u);
  EXPECT_EQ(folder.Item(0)->text, "Baustein");
  EXPECT_EQ(folder.Item(1)->text, "Zweiter");
  EXPECT_EQ(*folder.Item(0)->data, blockData);
  EXPECT_EQ(folder.imageIndex, 3);
  EXPECT_EQ(folder.selectedIndex, 4);
  EXPECT_EQ(folder.stateIndex, -1);  // state images do not move along
  EXPECT_EQ(block.stateIndex, -1);
  EXPECT_EQ(block.Level(), 3);
  EXPECT_EQ(tree.Selected(), &folder);

  // Into itself or below itself: refused, nothing changes.
  EXPECT_EQ(MoveSubtree(tree, target, block), nullptr);
  EXPECT_EQ(MoveSubtree(tree, target, target), nullptr);
  EXPECT_EQ(base.Item(0), &target);
  EXPECT_EQ(target.Count(), 2u);

  // Into its own parent: to the end, unsorted.
  TreeNode* moved = MoveSubtree(tree, *target.Item(0), target);
  EXPECT_EQ(moved, target.Item(1));
  EXPECT_EQ(moved->text, "Schon da");
  EXPECT_EQ(target.Item(0), &folder);
}

TEST(TreeOps, QuickKeyExistsComparesSiblingsWithoutCase) {
  TTreeViewEx tree;
  TreeNode& base = Entry(tree, nullptr, "Basis", "", false);
  TreeNode& first = Entry(tree, &base, "Eins", "a");
  Entry(tree, &base, "ohne Datenblock", "", false);
  Entry(tree, &base, "Zwei", "7");
  TreeNode& nested = Entry(tree, &first, "Tief", "Q");
  const struct {
    const TreeNode* node;
    const char* key;
    bool includeSelf;
    bool expected;
  } cases[] = {
      {&first, "A", true, true},
      {&first, "A", false, false},
      {&first, "7", false, true},
      {&first, "Q", true, false},  // only siblings, not their children
      {&nested, "q", true, true},
      {&first, "", true, false},
      {nullptr, "A", true, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(QuickKeyExists(c.node, c.key, c.includeSelf), c.expected) << c.key << " " << c.includeSelf;
}

}  // namespace
}  // namespace fenu
