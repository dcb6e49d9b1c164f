// The management window by keyboard: mnemonics of its menu and controls, Enter in a field, Del in
// the tree, where the focus goes, and F1.
#include <gtest/gtest.h>

#include "core/FileIo.h"
#include "expansion/ScriptedPrompts.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeServices.h"
#include "store/TForm1.h"
#include "support/MenuMnemonics.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

class NoDialogs : public IForm1Dialogs {
 public:
  void ShowInfo(TfrmInfo&) override {}
  void ShowOptions(const std::string&) override {}
  bool ShowVariables(TfrmVariables&) override { return false; }
  void ShowMemo(const std::string&) override {}
  IPrompts& Prompts() override { return prompts; }
  IClock& Clock() override { return clock; }
  ILocale& Locale() override { return clock; }
  ScriptedPrompts prompts;
  FakeClock clock;
};

// Akten
//   Brief (block, key B)
//   Intern (folder, key I)
struct Window {
  test::TempDir dir;
  FakeServices fake;
  NoDialogs dialogs;
  TForm1 form{fake.services, dialogs, dir.Path()};

  Window() {
    BlockDatabase db(dir.Path());
    ForceDirectories(dir.Path() + "Daten/Bausteine");
    UseBlockDataSize(db.Tree());
    TreeNode& root = db.Tree().AddChild(nullptr, "Akten");
    Add(db.Tree(), root, "Brief", kImageBlock, "B", "1111111111111.txt");
    Add(db.Tree(), root, "Intern", kImageFolder, "I", "");
    db.SetAbbreviationIndex(dir.Path() + "Daten/Akten.kdb");
    db.SaveDatabase(dir.Path() + "Daten/Akten.bdb");
    dir.Write("Daten/Bausteine/1111111111111.txt", "Guten Tag");
    dir.Write("fenu.ini", "[Main]\r\nCurrentDB=" + dir.Path() + "Daten/Akten.bdb\r\nCurDirectDB=" + dir.Path() +
                              "Daten/Akten.kdb\r\n");
    form.FormCreate();
    fake.log.clear();
  }

  static void Add(TTreeViewEx& tree, TreeNode& parent, const std::string& name, int image, const std::string& key,
                  const std::string& file) {
    TreeNode& node = tree.AddChild(&parent, name);
    node.imageIndex = image;
    node.selectedIndex = image + 1;
    BlockData data = NewBlockData();
    data.quickKey = key;
    data.textFileName = file;
    SetBlockData(node, data);
  }

  TreeNode* Find(const std::string& caption) {
    for (TreeNode* n = form.Tree().GetFirstNode(); n; n = n->GetNext())
      if (n->text == caption) return n;
    return nullptr;
  }
};

TEST(TForm1Keys, EveryMenuTitleAndEntryHasItsOwnMnemonic) {
  const Lines titles = test::CheckedMenuTitles(TForm1::MenuBar());
  EXPECT_EQ(MnemonicOf(TForm1::MenuBar().front().caption), 'D');  // Alt+D opens "Datei"
  // Alt and a letter reaches a control of the page before the menu bar: none may take a title's.
  for (Form1Page page : {Form1Page::Root, Form1Page::Folder, Form1Page::File}) {
    Lines reachable = titles;
    for (const std::string& caption : TForm1::CaptionsOn(page)) {
      EXPECT_NE(MnemonicOf(caption), '\0') << caption;
      reachable.push_back(caption);
    }
    EXPECT_EQ(RepeatedMnemonics(reachable), "") << static_cast<int>(page);
  }
}

TEST(TForm1Keys, EnterInAFieldAppliesThePendingEditAndKeepsTheFocus) {
  Window w;
  w.form.Select(w.Find("Brief"));
  // Nothing typed yet: Enter writes nothing.
  w.dir.Write("Daten/Bausteine/1111111111111.txt", "unverändert auf der Platte");
  w.form.PageKeyEnter();
  EXPECT_EQ(w.dir.Read("Daten/Bausteine/1111111111111.txt"), "unverändert auf der Platte");

  w.form.KeyPress(Form1Field::txtPName, 'x');
  w.form.txtPName = "Anschreiben";
  w.form.PageKeyEnter();
  EXPECT_EQ(w.form.Selected()->text, "Anschreiben");
  EXPECT_EQ(w.dir.Read("Daten/Bausteine/1111111111111.txt"), "Guten Tag");
  EXPECT_FALSE(w.form.btnPOkEnabled);
  EXPECT_FALSE(w.form.focusRequest.has_value());  // the field keeps it
  EXPECT_TRUE(w.fake.log.empty());

  // A folder's field likewise; a refused key sends the focus back to the field.
  w.form.Select(w.Find("Intern"));
  w.form.KeyPress(Form1Field::txtFShort, 'b');
  w.form.txtFShort = "b";
  w.form.PageKeyEnter();
  EXPECT_EQ(w.fake.log, (Lines{"MessageBox Fehler \"Ein Eintrag mit der Kurztaste \"B\" existiert bereits in der "
                               "aktuelle Gruppe/Ebene!\" -> OK"}));
  EXPECT_EQ(w.form.focusRequest, Form1Focus::txtFShort);
  w.form.txtFShort = "k";
  w.form.PageKeyEnter();
  EXPECT_EQ(GetBlockData(*w.Find("Intern"))->quickKey, "K");
  EXPECT_FALSE(w.form.btnFOkEnabled);
}

TEST(TForm1Keys, ApplyButtonsHandTheFocusToTheTreeAsTheyDisableThemselves) {
  Window w;
  w.form.Select(w.Find("Brief"));
  w.form.MouseDown(Form1Field::txtPName);
  w.form.btnPOkClick();
  EXPECT_FALSE(w.form.btnPOkEnabled);
  EXPECT_EQ(w.form.focusRequest, Form1Focus::tv_eg5);

  w.form.Select(w.Find("Intern"));
  EXPECT_FALSE(w.form.focusRequest.has_value());
  w.form.MouseDown(Form1Field::txtFName);
  w.form.btnFOkClick();
  EXPECT_EQ(w.form.focusRequest, Form1Focus::tv_eg5);
}

TEST(TForm1Keys, DelInTheTreeDeletesAsTheButtonDoes) {
  Window w;
  w.form.Select(w.Find("Intern"));
  w.fake.messageAnswers = {MsgResult::No};
  w.form.tv_eg5KeyDelete();
  EXPECT_EQ(w.fake.log, (Lines{"MessageBox Bestätigung \"Wenn Sie den Ordner \"Intern\" löschen, gehen alle darin "
                               "enthaltenen Ordner und Texte verloren! Der Vorgang ist unwideruflich! Wollen Sie "
                               "fortfahren?\" -> Nein"}));
  ASSERT_NE(w.Find("Intern"), nullptr);

  w.fake.log.clear();
  w.form.Select(w.Find("Brief"));
  w.fake.messageAnswers = {MsgResult::Yes};
  w.form.tv_eg5KeyDelete();
  EXPECT_EQ(w.Find("Brief"), nullptr);
  EXPECT_EQ(w.form.PendingDeletions(), (Lines{"1111111111111.txt"}));
  // The base entry is selected now and "Löschen" disabled: the focus stays in the tree.
  EXPECT_EQ(w.form.page, Form1Page::Root);
  EXPECT_FALSE(w.form.but_RemoveEnabled);
  EXPECT_EQ(w.form.focusRequest, Form1Focus::tv_eg5);
  EXPECT_TRUE(w.form.ChangedFlag);

  w.fake.log.clear();
  w.form.tv_eg5KeyDelete();
  EXPECT_EQ(w.fake.log, (Lines{"Beep", "MessageBox quenlia:FENU \"Der Basiseintrag kann nicht gelöscht werden\" -> OK"}));
}

TEST(TForm1Keys, ANewEntrysNameFieldTakesTheFocus) {
  Window w;
  w.fake.inputAnswers = {"Vorlagen", "Absage"};
  w.form.but_AddFolderClick();
  EXPECT_EQ(w.form.page, Form1Page::Folder);
  EXPECT_EQ(w.form.txtFName, "Vorlagen");
  EXPECT_EQ(w.form.focusRequest, Form1Focus::txtFName);

  w.form.focusRequest.reset();
  w.form.but_AddFileClick();
  EXPECT_EQ(w.form.page, Form1Page::File);
  EXPECT_EQ(w.form.txtPName, "Absage");
  EXPECT_EQ(w.form.focusRequest, Form1Focus::txtPName);

  // Cancelled: the focus stays where it was.
  w.form.focusRequest.reset();
  w.form.but_AddFileClick();
  EXPECT_FALSE(w.form.focusRequest.has_value());
}

TEST(TForm1Keys, F1OpensTheManagementHelp) {
  Window w;
  w.form.Select(w.Find("Brief"));
  w.form.FormHelp();
  EXPECT_EQ(w.fake.log, (Lines{"Help " + w.dir.Path() + "Hilfe\\Fenu.chm::/verwaltung.htm"}));
}

}  // namespace
}  // namespace fenu
