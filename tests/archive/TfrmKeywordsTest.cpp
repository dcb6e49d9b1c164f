#include "archive/TfrmKeywords.h"

#include <gtest/gtest.h>

#include "core/Mnemonics.h"
#include "data/ArchiveData.h"
#include "platform/fake/FakeServices.h"

namespace fenu {
namespace {

// The archive window as the keyword window sees it. Its tree:
// Archiv
//   Angebot      "Müller Angebot"
//   Briefe       (folder)
//     Kanzlei    "Kanzlei"
//     Mahnung    "Sammelrechnung"
//   Rechnung     "Rechnungen 2024"
class FakeArchive : public IArchiveTreeAccess {
 public:
  explicit FakeArchive(std::vector<std::string>& log) : log_(log) {
    TreeNode& root = tree.AddChild(nullptr, "Archiv");
    Text(root, "Angebot", "M\xFCller Angebot");
    TreeNode& folder = tree.AddChild(&root, "Briefe");
    folder.imageIndex = 3;
    SetArchiveData(folder, ArchiveData{});
    Text(folder, "Kanzlei", "Kanzlei");
    Text(folder, "Mahnung", "Sammelrechnung");
    Text(root, "Rechnung", "Rechnungen 2024");
  }

  const TTreeViewEx& ArchiveTree() const override { return tree; }
  void SelectAsClick(TreeNode* node) override {
    log_.push_back("Auswahl " + node->text);
    tree.SetSelected(node);
  }

  TreeNode* Find(const std::string& name) {
    for (TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext())
      if (node->text == name) return node;
    return nullptr;
  }

  TTreeViewEx tree;

 private:
  void Text(TreeNode& parent, const std::string& name, const std::string& keywords) {
    TreeNode& node = tree.AddChild(&parent, name);
    node.imageIndex = 1;
    SetArchiveData(node, ArchiveData{"x.txt", keywords});
  }

  std::vector<std::string>& log_;
};

struct KeywordWindow {
  KeywordWindow() : archive(fake.log), window(fake.services, archive) {}
  // Types the text and presses "Suchen"; what happened, in the log's words.
  std::vector<std::string> Search(const std::string& text) {
    fake.log.clear();
    window.txtKeywordChange(text);
    window.btnOkClick();
    return fake.log;
  }
  FakeServices fake;
  FakeArchive archive;
  TfrmKeywords window;
};

using Lines = std::vector<std::string>;

TEST(TfrmKeywords, StartsFromTheBeginningWithSuchenDisabledUntilThereIsAText) {
  KeywordWindow w;
  EXPECT_TRUE(w.window.rbBegin);
  EXPECT_FALSE(w.window.btnOkEnabled);
  w.window.txtKeywordChange("a");
  EXPECT_TRUE(w.window.btnOkEnabled);
  w.window.txtKeywordChange("");
  EXPECT_FALSE(w.window.btnOkEnabled);
  EXPECT_EQ(RepeatedMnemonics(TfrmKeywords::Captions()), "");
}

TEST(TfrmKeywords, EachSearchGoesOnAfterTheLastHitUntilNothingFollows) {
  KeywordWindow w;
  // From the beginning the first text below the Root is found; the Root is never tested.
  EXPECT_EQ(w.Search("an"), Lines{"Auswahl Angebot"});
  EXPECT_FALSE(w.window.rbBegin);
  // "an" inside a word, and the folder between is skipped.
  EXPECT_EQ(w.Search("an"), Lines{"Auswahl Kanzlei"});
  EXPECT_EQ(w.Search("an"), Lines{"MessageBox quenlia:FENU \"\"an\" konnte nicht gefunden werden.\" -> OK"});
  EXPECT_EQ(w.archive.tree.Selected(), w.archive.Find("Kanzlei"));
  EXPECT_FALSE(w.window.rbBegin);

  // From the beginning again, with another text.
  w.window.rbBeginClick();
  EXPECT_EQ(w.Search("rechnung"), Lines{"Auswahl Mahnung"});
  EXPECT_EQ(w.Search("rechnung"), Lines{"Auswahl Rechnung"});
  // The last node is selected: there is nothing to walk and nothing to report.
  EXPECT_EQ(w.Search("rechnung"), Lines{});
  EXPECT_EQ(w.archive.tree.Selected(), w.archive.Find("Rechnung"));
}

TEST(TfrmKeywords, OnlyAToZAreFoldedAndTheMessageQuotesTheTextAsTyped) {
  const struct {
    const char* text;
    Lines result;
  } cases[] = {
      {"M\xFCller", {"Auswahl Angebot"}},
      {"m\xFCLLER", {"Auswahl Angebot"}},
      {"M\xDCLLER", {"MessageBox quenlia:FENU \"\"M\xDCLLER\" konnte nicht gefunden werden.\" -> OK"}},
      {"RECHNUNGEN 2", {"Auswahl Rechnung"}},
  };
  for (const auto& c : cases) {
    KeywordWindow w;
    EXPECT_EQ(w.Search(c.text), c.result) << c.text;
  }
}

TEST(TfrmKeywords, FromThePositionStartsAfterTheSelectionOrAtTheBeginningWithoutOne) {
  KeywordWindow w;
  w.window.rbPositionClick();
  EXPECT_EQ(w.Search("Angebot"), Lines{"Auswahl Angebot"});  // nothing selected yet
  w.archive.tree.SetSelected(w.archive.Find("Briefe"));
  EXPECT_EQ(w.Search("a"), Lines{"Auswahl Kanzlei"});
  w.window.rbBeginClick();
  EXPECT_EQ(w.Search("a"), Lines{"Auswahl Angebot"});
}

}  // namespace
}  // namespace fenu
