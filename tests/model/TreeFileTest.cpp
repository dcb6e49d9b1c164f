#include "model/TreeFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "core/FileIo.h"
#include "support/TreeBytes.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

using test::I32;
using test::Record;
using test::TreeOf;

// One line per node in display order: indentation by depth, caption, images, data length.
std::string Outline(const TTreeViewEx& tree) {
  std::string out;
  for (const TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext()) {
    out += std::string(2 * static_cast<std::size_t>(node->Level()), ' ') + node->text + " " +
           std::to_string(node->imageIndex) + "/" + std::to_string(node->stateIndex) + "/" +
           std::to_string(node->selectedIndex);
    out += node->data ? " data=" + std::to_string(node->data->size()) : " -";
    out += "\n";
  }
  return out;
}

void AnswerSize(TTreeViewEx& tree, std::int32_t size) {
  tree.OnRequestDataSize = [size](const TTreeViewEx&, const TreeNode&, std::int32_t& answer) { answer = size; };
}

TEST(TreeFile, EmptyTreeIsFourZeroBytes) {
  TTreeViewEx tree;
  EXPECT_EQ(tree.SaveToBytes(), std::string(4, '\0'));
  tree.AddChild(nullptr, "alt");
  tree.LoadFromBytes(std::string(4, '\0'));
  EXPECT_TRUE(tree.Empty());
}

TEST(TreeFile, WritesThePreOrderRecordsByteForByte) {
  TTreeViewEx tree;
  AnswerSize(tree, 3);
  TreeNode& base = tree.AddChild(nullptr, "Basis");
  TreeNode& folder = tree.AddChild(&base, "Grüße");  // ü and ß are single cp1252 bytes
  folder.imageIndex = 3;
  folder.selectedIndex = 4;
  folder.data = std::string("\x01\x02\x03", 3);
  TreeNode& unnamed = tree.AddChild(&folder, "");
  unnamed.imageIndex = 1;
  unnamed.stateIndex = 7;
  unnamed.selectedIndex = 2;
  unnamed.data = std::string("\xFF\x00\xAB", 3);
  tree.AddChild(&base, "Z").data = std::string("ab", 2);  // shorter than the answer: filled with zeros
  tree.AddChild(nullptr, "Zweite Wurzel");

  const std::string expected =
      I32(2) +                                                                                   // RootCount
      I32(5) + "Basis" + I32(0) + I32(0) + I32(-1) + I32(0) + I32(-1) + I32(2) +                 // no block
      I32(5) + "Gr\xFC\xDF" "e" + I32(1) + I32(3) + I32(-1) + I32(4) + I32(3) + "\x01\x02\x03" + I32(1) +
      I32(0) + I32(2) + I32(1) + I32(7) + I32(2) + I32(3) + std::string("\xFF\x00\xAB", 3) + I32(0) +
      I32(1) + "Z" + I32(1) + I32(0) + I32(-1) + I32(0) + I32(3) + std::string("ab\0", 3) + I32(0) +
      I32(13) + "Zweite Wurzel" + I32(0) + I32(0) + I32(-1) + I32(0) + I32(-1) + I32(0);
  EXPECT_EQ(tree.SaveToBytes(), expected);
  EXPECT_EQ(expected.substr(4 + 4 + 5 + 8, 4), "\xFF\xFF\xFF\xFF");  // StateIndex -1 of a fresh node

  TTreeViewEx loaded;
  loaded.LoadFromBytes(expected);
  EXPECT_EQ(Outline(loaded),
            "Basis 0/-1/0 -\n"
            "  Grüße 3/-1/4 data=3\n"
            "     1/7/2 data=3\n"
            "  Z 0/-1/0 data=3\n"
            "Zweite Wurzel 0/-1/0 -\n");
  EXPECT_EQ(*loaded.TopItem(0)->Item(0)->Item(0)->data, std::string("\xFF\x00\xAB", 3));
  AnswerSize(loaded, 3);
  EXPECT_EQ(loaded.SaveToBytes(), expected);
}

TEST(TreeFile, DataSizeFollowsTheHandlerAndTheBlock) {
  struct Case {
    const char* name;
    std::optional<std::string> block;
    std::optional<std::int32_t> answer;  // nothing: no handler
    std::string written;                 // DataSize and data bytes
    std::optional<std::string> loaded;
  };
  const Case cases[] = {
      {"no block, handler answers 127", std::nullopt, 127, I32(-1), std::nullopt},
      {"block, no handler", std::string("abc"), std::nullopt, I32(-1), std::nullopt},
      {"handler answers 0", std::string("abc"), 0, I32(0), std::nullopt},
      {"handler answers less than the block", std::string("abcdef"), 2, I32(2) + "ab", std::string("ab")},
      {"handler answers more than the block", std::string("ab"), 4, I32(4) + std::string("ab\0\0", 4),
       std::string("ab\0\0", 4)},
      {"empty block", std::string(), 2, I32(2) + std::string(2, '\0'), std::string(2, '\0')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTreeViewEx tree;
    if (c.answer) AnswerSize(tree, *c.answer);
    tree.AddChild(nullptr, "n").data = c.block;
    const std::string bytes = tree.SaveToBytes();
    EXPECT_EQ(bytes, I32(1) + I32(1) + "n" + I32(0) + I32(0) + I32(-1) + I32(0) + c.written + I32(0));
    TTreeViewEx loaded;
    loaded.LoadFromBytes(bytes);
    EXPECT_EQ(loaded.TopItem(0)->data, c.loaded);
  }
}

TEST(TreeFile, LoadingKeepsTheStoredBlockLengthAndTheFileOrder) {
  const std::string bytes = TreeOf({Record("b", 0, 1, -1, 2, std::string(200, 'x'),
                                           {Record("z", 1, 1, -1, 2, std::string(5, 'y')),
                                            Record("a", 1, 1, -1, 2, std::string(127, 'y'))})});
  TTreeViewEx tree;
  AnswerSize(tree, 127);  // the owner's answer plays no part in loading
  tree.LoadFromBytes(bytes);
  EXPECT_EQ(Outline(tree), "b 1/-1/2 data=200\n  z 1/-1/2 data=5\n  a 1/-1/2 data=127\n");
}

TEST(TreeFile, ALengthOfZeroOrLessIsAnEmptyText) {
  const std::string bytes = I32(2) + I32(0) + I32(0) + I32(0) + I32(-1) + I32(0) + I32(-1) + I32(0) + I32(-5) +
                            I32(0) + I32(0) + I32(-1) + I32(0) + I32(-7) + I32(0);
  TTreeViewEx tree;
  tree.LoadFromBytes(bytes);
  EXPECT_EQ(Outline(tree), " 0/-1/0 -\n 0/-1/0 -\n");  // DataSize -7 is no block either
}

TEST(TreeFile, TheStoredLevelDecidesWhereARecordGoes) {
  // A child record of level 0 is a top-level node after its parent; a root record of level 2 is a
  // top-level node too. The depths are what a later save writes.
  const std::string bytes = TreeOf({Record("A", 2, 0, -1, 0, std::nullopt,
                                           {Record("B", 0, 0, -1, 0, std::nullopt, {Record("C", 5, 0, -1, 0, std::nullopt)}),
                                            Record("D", 1, 0, -1, 0, std::nullopt)})});
  TTreeViewEx tree;
  tree.LoadFromBytes(bytes);
  EXPECT_EQ(Outline(tree), "A 0/-1/0 -\n  D 0/-1/0 -\nB 0/-1/0 -\n  C 0/-1/0 -\n");
}

TEST(TreeFile, ALimitOnTheLevelsCountsWhereTheRecordsGo) {
  // The same file: nested three deep, but C lands two levels deep, below B at the top.
  const std::string bytes = TreeOf({Record("A", 2, 0, -1, 0, std::nullopt,
                                           {Record("B", 0, 0, -1, 0, std::nullopt, {Record("C", 5, 0, -1, 0, std::nullopt)}),
                                            Record("D", 1, 0, -1, 0, std::nullopt)})});
  TTreeViewEx tree;
  tree.MaxLevels = 2;
  tree.LoadFromBytes(bytes);
  EXPECT_EQ(tree.Count(), 4u);

  TTreeViewEx shallow;
  shallow.MaxLevels = 1;
  shallow.AddChild(nullptr, "bisher");
  // C, the first entry below another, starts after the count and the 29 bytes each of A and B.
  try {
    shallow.LoadFromBytes(bytes);
    ADD_FAILURE() << "loaded two levels";
  } catch (const TreeFormatError& e) {
    EXPECT_EQ(e.Reason(), "Einträge in mehr als 1 Ebenen bei Byte 62");
  }
  EXPECT_EQ(shallow.Count(), 1u);
}

TEST(TreeFile, ARejectedNodeTakesItsWholeSubtreeAlong) {
  const std::string bytes = TreeOf({Record(
      "Basis", 0, 0, -1, 0, std::nullopt,
      {Record("weg", 1, 3, -1, 4, std::string("d"),
              {Record("Kind", 2, 1, -1, 2, std::string("k"), {Record("Enkel", 3, 1, -1, 2, std::nullopt)}),
               Record("weg auch", 2, 1, -1, 2, std::nullopt)}),
       Record("danach", 1, 1, -1, 2, std::string("e"), {Record("bleibt", 2, 1, -1, 2, std::nullopt)})})});
  TTreeViewEx tree;
  std::vector<std::string> offered;
  tree.OnNodeLoaded = [&](TTreeViewEx& sender, TreeNode& node, bool& canLoad) {
    EXPECT_EQ(&sender, &tree);
    EXPECT_TRUE(canLoad);
    // Already in place, with images and block.
    offered.push_back(node.text + "@" + std::to_string(node.Level()) + "/" + std::to_string(node.imageIndex) +
                      (node.data ? "+" + *node.data : ""));
    canLoad = node.text != "weg";
  };
  tree.LoadFromBytes(bytes);
  EXPECT_EQ(offered, (std::vector<std::string>{"Basis@0/0", "weg@1/3+d", "danach@1/1+e", "bleibt@2/1"}));
  EXPECT_EQ(Outline(tree), "Basis 0/-1/0 -\n  danach 1/-1/2 data=1\n    bleibt 1/-1/2 -\n");
}

TEST(TreeFile, DamagedDataStopsWithAnErrorAndLeavesTheTreeAsItWas) {
  const std::string good = TreeOf({Record("Basis", 0, 0, -1, 0, std::nullopt,
                                          {Record("Ä", 1, 1, -1, 2, std::string(127, 'x')),
                                           Record("B", 1, 3, -1, 4, std::string(127, 'y'))})});
  const std::string header = I32(1) + I32(1) + "n" + I32(0) + I32(0) + I32(-1) + I32(0);
  struct Case {
    const char* name;
    std::string bytes;
    const char* message;
  };
  const Case cases[] = {
      {"nothing at all", "", "unerwartetes Ende der Daten bei Byte 0"},
      {"half a count", std::string("\x01\x00", 2), "unerwartetes Ende der Daten bei Byte 0"},
      {"text longer than the data", I32(1) + I32(0x7FFFFFFF) + "abc", "unerwartetes Ende der Daten bei Byte 8"},
      {"block longer than the data", header + I32(0x7FFFFFFF) + "abc", "unerwartetes Ende der Daten bei Byte 29"},
      {"children that never come", header + I32(-1) + I32(0x7FFFFFFF), "unerwartetes Ende der Daten bei Byte 33"},
      {"roots that never come", I32(0x7FFFFFFF), "unerwartetes Ende der Daten bei Byte 4"},
      {"negative root count", I32(-1), "ungültige Anzahl von Einträgen (-1) bei Byte 0"},
      {"negative child count", header + I32(-1) + I32(-3), "ungültige Anzahl von Einträgen (-3) bei Byte 29"},
      {"bytes after the tree", good + "xy", "2 überzählige Bytes nach dem Ende des Baums bei Byte 349"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTreeViewEx tree;
    tree.AddChild(nullptr, "vorher");
    tree.SetSelected(tree.TopItem(0));
    try {
      tree.LoadFromBytes(c.bytes);
      ADD_FAILURE() << "no error";
    } catch (const TreeFormatError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("Keine gültigen Baumdaten: ") + c.message);
    }
    EXPECT_EQ(Outline(tree), "vorher 0/-1/0 -\n");
    EXPECT_EQ(tree.Selected(), tree.TopItem(0));
  }

  // Cut off anywhere, the good tree is refused as a whole.
  for (std::size_t length = 0; length < good.size(); ++length) {
    TTreeViewEx tree;
    EXPECT_THROW(tree.LoadFromBytes(good.substr(0, length)), TreeFormatError) << length;
    EXPECT_TRUE(tree.Empty());
  }
}

TEST(TreeFile, DeepTreesLoadSaveAndGoWithoutOneCallPerLevel) {
  // 100,000 levels: a recursive reader, writer or destructor would overflow the stack.
  constexpr int kDepth = 100000;
  std::string bytes = I32(1);
  for (int level = 0; level < kDepth; ++level)
    bytes += I32(1) + "n" + I32(level) + I32(3) + I32(-1) + I32(4) + I32(-1) + I32(level + 1 < kDepth ? 1 : 0);
  TTreeViewEx tree;
  tree.LoadFromBytes(bytes);
  EXPECT_EQ(tree.Count(), static_cast<std::size_t>(kDepth));
  EXPECT_EQ(tree.SaveToBytes(), bytes);
  tree.Clear();
  tree.LoadFromBytes(bytes);
}

TEST(TreeFile, StreamsReadOneTreeAndStopAfterIt) {
  const std::string one = TreeOf({Record("eins", 0, 0, -1, 0, std::string("abc"))});
  const std::string two = TreeOf({Record("zwei", 0, 0, -1, 0, std::nullopt)});
  std::istringstream in(one + two);
  TTreeViewEx tree;
  tree.LoadFromStream(&in);
  EXPECT_EQ(Outline(tree), "eins 0/-1/0 data=3\n");
  tree.LoadFromStream(&in);
  EXPECT_EQ(Outline(tree), "zwei 0/-1/0 -\n");

  tree.LoadFromStream(nullptr);  // a missing stream changes nothing
  EXPECT_EQ(Outline(tree), "zwei 0/-1/0 -\n");
  std::ostringstream out;
  tree.SaveToStream(nullptr);
  tree.SaveToStream(&out);
  EXPECT_EQ(out.str(), two);

  std::istringstream cut(one.substr(0, one.size() - 1) + "");
  EXPECT_THROW(tree.LoadFromStream(&cut), TreeFormatError);
  EXPECT_EQ(Outline(tree), "zwei 0/-1/0 -\n");
  std::istringstream huge(I32(1) + I32(1) + "n" + I32(0) + I32(0) + I32(-1) + I32(0) + I32(0x7FFFFFFF) + "short");
  EXPECT_THROW(tree.LoadFromStream(&huge), TreeFormatError);
}

TEST(TreeFile, FilesAreReplacedOnlyByCompleteNewOnes) {
  test::TempDir dir;
  TTreeViewEx tree;
  tree.AddChild(nullptr, "Basis");
  tree.SaveToFile(dir.File("baum.bdb"));
  EXPECT_EQ(dir.Read("baum.bdb"), tree.SaveToBytes());

  TTreeViewEx loaded;
  loaded.LoadFromFile(dir.File("baum.bdb"));
  EXPECT_EQ(Outline(loaded), "Basis 0/-1/0 -\n");

  EXPECT_THROW(loaded.LoadFromFile(dir.File("fehlt.bdb")), FileError);
  dir.Write("kaputt.bdb", I32(1) + I32(50) + "kurz");
  try {
    loaded.LoadFromFile(dir.File("kaputt.bdb"));
    ADD_FAILURE() << "no error";
  } catch (const TreeFormatError& e) {
    EXPECT_EQ(std::string(e.what()), "Die Datei \"" + dir.File("kaputt.bdb") +
                                         "\" ist keine gültige Baumdatei: unerwartetes Ende der Daten bei Byte 8");
  }
  EXPECT_EQ(Outline(loaded), "Basis 0/-1/0 -\n");

  // A read-only file stays as it is, and no half-written file is left beside it.
  ::chmod(dir.File("baum.bdb").c_str(), 0444);
  tree.AddChild(nullptr, "neu");
  EXPECT_THROW(tree.SaveToFile(dir.File("baum.bdb")), FileError);
  EXPECT_EQ(dir.Read("baum.bdb"), loaded.SaveToBytes());
  EXPECT_FALSE(FileExists(dir.File("baum.bdb.neu")));
  EXPECT_THROW(tree.SaveToFile(dir.File("kein Ordner/baum.bdb")), FileError);
}

TEST(TreeFile, NodesKeepTheirOrderAndDisplayOrder) {
  TTreeViewEx tree;
  TreeNode& a = tree.AddChild(nullptr, "a");
  TreeNode& c = tree.AddChild(&a, "c");
  TreeNode& b = tree.AddChildFirst(&a, "b");
  tree.AddChild(&c, "d");
  TreeNode& e = tree.AddChild(nullptr, "e");
  EXPECT_EQ(Outline(tree), "a 0/-1/0 -\n  b 0/-1/0 -\n  c 0/-1/0 -\n    d 0/-1/0 -\ne 0/-1/0 -\n");
  EXPECT_EQ(b.Index(), 0u);
  EXPECT_EQ(c.Index(), 1u);
  EXPECT_EQ(b.GetNextSibling(), &c);
  EXPECT_EQ(c.GetPrevSibling(), &b);
  EXPECT_EQ(a.GetNextSibling(), &e);
  EXPECT_EQ(a.Parent(), nullptr);
  EXPECT_EQ(c.Parent(), &a);

  tree.SortChildren(nullptr, [](const TreeNode& x, const TreeNode& y) { return x.text > y.text; }, true);
  EXPECT_EQ(Outline(tree), "e 0/-1/0 -\na 0/-1/0 -\n  c 0/-1/0 -\n    d 0/-1/0 -\n  b 0/-1/0 -\n");
  EXPECT_EQ(b.Index(), 1u);

  tree.SetSelected(c.GetFirstChild());
  tree.Delete(&c);
  EXPECT_EQ(tree.Selected(), nullptr);
  EXPECT_EQ(b.Index(), 0u);
  EXPECT_EQ(tree.Count(), 3u);
  EXPECT_FALSE(tree.MoveToEnd(a, &b));  // not below itself
  EXPECT_TRUE(tree.MoveToEnd(e, &b));
  EXPECT_EQ(Outline(tree), "a 0/-1/0 -\n  b 0/-1/0 -\n    e 0/-1/0 -\n");
}

}  // namespace
}  // namespace fenu
