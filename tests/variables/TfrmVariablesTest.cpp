#include "variables/TfrmVariables.h"

#include <gtest/gtest.h>

#include "common/Help.h"
#include "core/FileIo.h"
#include "expansion/ScriptedPrompts.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeServices.h"
#include "data/Database.h"
#include "support/DamagedStores.h"
#include "support/TempDir.h"
#include "variables/TfrmStringListe.h"

namespace fenu {
namespace {

using List = std::vector<std::string>;

// The management window as the editor sees it: a database on disk and the block being edited.
class FakeHost : public IVariablesHost {
 public:
  std::vector<std::string>& log;
  std::string databaseFile;
  std::string editedTextFile;
  bool saveFails = false;
  explicit FakeHost(std::vector<std::string>& l) : log(l) {}
  void InsertIntoBlockText(std::string_view text, bool atStart) override {
    log.push_back(std::string(atStart ? "Insert at start " : "Insert ") + std::string(text));
  }
  std::optional<std::string> SaveDatabaseForVariables() override {
    log.push_back("SaveDatabase");
    if (saveFails) return std::nullopt;
    return databaseFile;
  }
  std::string EditedTextFile() const override { return editedTextFile; }
};

// Kunden
//   Brief (block 1111111111111, being edited)
//   Intern (folder)
//     Memo (block 2222222222222)
struct Editor {
  test::TempDir dir;
  FakeServices fake;
  ScriptedPrompts prompts;
  FakeClock clock;
  FakeHost host{fake.log};
  TfrmVariables form{fake.services, prompts, clock, clock, host, dir.Path()};

  Editor() {
    BlockDatabase db(dir.Path());
    ForceDirectories(dir.Path() + "Daten/Bausteine");
    TTreeViewEx& tree = db.Tree();
    UseBlockDataSize(tree);
    TreeNode& root = tree.AddChild(nullptr, "Kunden");
    Add(tree, &root, "Brief", kImageBlock, "1111111111111.txt");
    TreeNode& intern = Add(tree, &root, "Intern", kImageFolder, "");
    Add(tree, &intern, "Memo", kImageBlock, "2222222222222.txt");
    db.SetAbbreviationIndex(dir.Path() + "Daten/Kunden.kdb");
    host.databaseFile = dir.Path() + "Daten/Kunden.bdb";
    db.SaveDatabase(host.databaseFile);
    host.editedTextFile = dir.Path() + "Daten\\Bausteine\\1111111111111.txt";
    form.FormShow();
  }

  static TreeNode& Add(TTreeViewEx& tree, TreeNode* parent, const std::string& name, int image, const std::string& file) {
    TreeNode& node = tree.AddChild(parent, name);
    node.imageIndex = image;
    node.selectedIndex = image + 1;
    BlockData data = NewBlockData();
    data.textFileName = file;
    SetBlockData(node, data);
    return node;
  }
  TreeNode* Node(const std::string& caption) {
    for (TreeNode* n = form.TreeView.GetFirstNode(); n; n = n->GetNext())
      if (n->text == caption) return n;
    return nullptr;
  }
  SelectionVariables Store() const { return SelectionVariables(SelectionVariablesFile(dir.Path())); }
};

TEST(TfrmVariables, ShowsTheNineteenItemsWithTheirDateSamplesAndAnEmptyPreview) {
  Editor e;
  const List expected{"Datum kurz = 09.12.",
                      "Datum normal = 09.12.26",
                      "Datum mittel = Mittwoch, 09.12.26",
                      "Datum lang = Mittwoch, 9. Dezember 2026",
                      "Uhrzeit kurz = 14:05",
                      "Uhrzeit lang = 14:05:33",
                      "Tag als Zahl = 9",
                      "Tag kurz = Mi",
                      "Tag lang = Mittwoch",
                      "Monat als Zahl = 12",
                      "Monat kurz = Dez",
                      "Monat lang = Dezember",
                      "Jahr = 2026",
                      "Anwender-Text",
                      "Text-Baustein",
                      "Mehrfach-Text Abfrage",
                      "Mehrfach-Text Platzhalter",
                      "Auswahl",
                      "Optionaler Text"};
  EXPECT_EQ(e.form.ListBox, expected);
  EXPECT_EQ(e.form.itemIndex, 0);
  EXPECT_EQ(e.form.panel, VariablesPanel::Panel1);
  EXPECT_FALSE(e.form.MeldungstextEnabled);
  EXPECT_EQ(e.form.Label7, "");
  EXPECT_EQ(e.form.Edit1, "0");
}

TEST(TfrmVariables, EachItemShowsItsPanel) {
  Editor e;
  const struct {
    int item;
    VariablesPanel panel;
    bool prompt;      // "Meldungstext" and the prompt fields enabled, offset and preview disabled
    bool label7;      // preview visible
  } cases[] = {
      {0, VariablesPanel::Panel1, false, true},   {12, VariablesPanel::Panel1, false, true},
      {13, VariablesPanel::Panel1, true, false},  {14, VariablesPanel::Panel2, false, false},
      {15, VariablesPanel::Panel1, true, false},  {16, VariablesPanel::None, false, false},
      {17, VariablesPanel::Panel3, false, false}, {18, VariablesPanel::Panel4, false, false},
      {5, VariablesPanel::Panel1, false, true},
  };
  for (const auto& c : cases) {
    e.form.ListBoxClick(c.item);
    EXPECT_EQ(e.form.panel, c.panel) << c.item;
    EXPECT_EQ(e.form.MeldungstextEnabled, c.prompt) << c.item;
    EXPECT_EQ(e.form.focusTxtCaption, c.prompt) << c.item;
    if (c.panel == VariablesPanel::Panel1) {
      EXPECT_EQ(e.form.Label7Visible, c.label7) << c.item;
    }
  }
}

TEST(TfrmVariables, PreviewFollowsTheOffsetAndKeepsItsValueWhileANumberIsTyped) {
  Editor e;
  e.form.ListBoxClick(1);  // Datum normal
  EXPECT_EQ(e.form.Label7, "09.12.26");
  const struct {
    const char* typed;
    const char* preview;
  } steps[] = {{"7", "16.12.26"}, {"", "16.12.26"},  {"-", "16.12.26"}, {"-5", "04.12.26"},
               {"x", "04.12.26"}, {"30", "08.01.27"}, {"99999999999", "08.01.27"}};
  for (const auto& s : steps) {
    e.form.Edit1Change(s.typed);
    EXPECT_EQ(e.form.Label7, s.preview) << s.typed;
  }
  // Another item formats the same offset in its own way; the time is not shifted.
  e.form.Edit1Change("1");
  e.form.ListBoxClick(8);
  EXPECT_EQ(e.form.Label7, "Donnerstag");
  e.form.ListBoxClick(5);
  EXPECT_EQ(e.form.Label7, "14:05:33");
}

TEST(TfrmVariables, EinfuegenBuildsTheMarkerOfEachItem) {
  const struct {
    int item;
    std::function<void(TfrmVariables&)> fill;
    const char* logged;
  } cases[] = {
      {1, [](TfrmVariables& f) { f.Edit1Change("7"); }, "Insert <<DatumNormal|7>>"},
      {3, [](TfrmVariables& f) { f.Edit1Change("-1"); }, "Insert <<DatumLang|-1>>"},
      {12, [](TfrmVariables&) {}, "Insert <<Jahr|0>>"},
      {13, [](TfrmVariables& f) { f.txtCaption = "Ihr Name?"; f.txtValue = "Meier"; },
       "Insert <<AnwenderText|Ihr Name?|Meier>>"},
      {13, [](TfrmVariables&) {}, "Insert <<AnwenderText||>>"},
      {15, [](TfrmVariables& f) { f.txtCaption = "Name"; f.txtValue = "Meier"; },
       "Insert at start <<MehrfachTextA|Name|Meier>>"},
      {16, [](TfrmVariables&) {}, "Insert <<MehrfachText|P>>"},
      {17, [](TfrmVariables&) {}, "Insert <<Auswahl|>>"},
      {18, [](TfrmVariables& f) { f.Memo1 = "Mit freundlichen\r\nGrüßen"; },
       "Insert <<Optional|Mit freundlichen\r\nGrüßen>>"},
  };
  for (const auto& c : cases) {
    Editor e;
    e.form.ListBoxClick(c.item);
    c.fill(e.form);
    EXPECT_TRUE(e.form.btnOkClick()) << c.item;
    EXPECT_EQ(e.fake.log, (List{c.logged})) << c.item;
  }
}

TEST(TfrmVariables, EinfuegenRefusesTextsThatWouldMakeABrokenMarker) {
  const struct {
    int item;
    std::function<void(TfrmVariables&)> fill;
    const char* message;
  } cases[] = {
      {1, [](TfrmVariables& f) { f.Edit1Change("-"); }, "Der Versatz in Tagen muß eine ganze Zahl sein!"},
      {1, [](TfrmVariables& f) { f.Edit1Change(""); }, "Der Versatz in Tagen muß eine ganze Zahl sein!"},
      {4, [](TfrmVariables& f) { f.Edit1Change("2x"); }, "Der Versatz in Tagen muß eine ganze Zahl sein!"},
      {13, [](TfrmVariables& f) { f.txtCaption = "Name|Vorname"; }, "Der Meldungstext darf kein \"|\" enthalten."},
      {15, [](TfrmVariables& f) { f.txtValue = "a >> b"; },
       "Der Text darf die Zeichenfolge \">>\" nicht enthalten, sie beendet die Variable."},
      {18, [](TfrmVariables& f) { f.Memo1 = "Pfeil ->>"; },
       "Der Text darf die Zeichenfolge \">>\" nicht enthalten, sie beendet die Variable."},
  };
  for (const auto& c : cases) {
    Editor e;
    e.form.ListBoxClick(c.item);
    c.fill(e.form);
    EXPECT_FALSE(e.form.btnOkClick()) << c.item;
    EXPECT_EQ(e.fake.log, (List{std::string("MessageBox Fehler \"") + c.message + "\" -> OK"})) << c.item;
  }
}

TEST(TfrmVariables, TestenShowsThePromptAsTheInsertionWill) {
  Editor e;
  e.form.ListBoxClick(13);
  e.form.txtCaption = "Ihr Name?";
  e.form.txtValue = "Meier";
  e.prompts.answers = {"Anna"};
  e.form.btnTestClick();
  EXPECT_EQ(e.prompts.log, (List{"AskText \"Variable füllen\" \"Ihr Name?\" \"Meier\" -> \"Anna\""}));
  EXPECT_EQ(e.form.txtValue, "Meier");
  EXPECT_TRUE(e.fake.log.empty());
}

TEST(TfrmVariables, BlockItemSavesTheDatabaseOnceAndInsertsTheChosenBlock) {
  Editor e;
  e.form.ListBoxClick(14);
  e.form.ListBoxClick(1);
  e.form.ListBoxClick(14);
  EXPECT_EQ(e.fake.log, (List{"SaveDatabase"}));
  ASSERT_NE(e.Node("Memo"), nullptr);
  EXPECT_EQ(e.form.TreeView.Selected(), nullptr);

  const struct {
    const char* select;  // nullptr: nothing selected
    const char* message;
  } refused[] = {
      {nullptr, "Sie müssen einen Baustein auswählen!"},
      {"Kunden", "Sie müssen einen Baustein auswählen!"},
      {"Intern", "Sie müssen einen Baustein auswählen!"},
      {"Brief", "Ein Baustein kann nicht in sich selbst eingesetzt werden"},
  };
  for (const auto& r : refused) {
    e.fake.log.clear();
    e.form.TreeViewChange(r.select ? e.Node(r.select) : nullptr);
    EXPECT_FALSE(e.form.btnOkClick());
    EXPECT_EQ(e.fake.log, (List{std::string("MessageBox Fehler \"") + r.message + "\" -> OK"}));
  }
  e.fake.log.clear();
  e.form.TreeViewChange(e.Node("Memo"));
  EXPECT_TRUE(e.form.btnOkClick());
  EXPECT_EQ(e.fake.log, (List{"Insert <<BausteinText|2222222222222>>"}));
}

TEST(TfrmVariables, AFailedSaveLeavesTheTreeEmptyAndTriesAgainNextTime) {
  Editor e;
  e.host.saveFails = true;
  e.form.ListBoxClick(14);
  EXPECT_TRUE(e.form.TreeView.Empty());
  e.host.saveFails = false;
  e.form.ListBoxClick(14);
  EXPECT_FALSE(e.form.TreeView.Empty());
  EXPECT_EQ(e.fake.log, (List{"SaveDatabase", "SaveDatabase"}));
}

TEST(TfrmVariables, ChoicePanelListsTheVariablesSortedAndFollowsTheChoice) {
  Editor e;
  SelectionVariables store = e.Store();
  store.WriteList("Zeit", {"morgens", "abends"}, false);
  store.WriteList("anrede", {"Herr", "Frau"}, true);
  store.WriteList("Betreff", {"Angebot"}, false);
  e.form.ListBoxClick(17);
  EXPECT_EQ(e.form.cbxVariable, (List{"anrede", "Betreff", "Zeit"}));
  EXPECT_EQ(e.form.cbxVariableIndex, 0);
  EXPECT_EQ(e.form.lbWerte, (List{"Herr", "Frau"}));
  EXPECT_TRUE(e.form.cbkRestrict);
  e.form.cbxVariableChange(2);
  EXPECT_EQ(e.form.lbWerte, (List{"morgens", "abends"}));
  EXPECT_FALSE(e.form.cbkRestrict);
  EXPECT_TRUE(e.form.btnOkClick());
  EXPECT_EQ(e.fake.log, (List{"Insert <<Auswahl|Zeit>>"}));
}

TEST(TfrmVariables, NewVariableReachesTheStoreOnlyWhenSaved) {
  Editor e;
  e.Store().WriteList("Anrede", {"Herr"}, false);
  e.form.ListBoxClick(17);
  e.fake.inputAnswers = {"ANREDE", "", "Gruss"};
  e.form.sbNewVarClick();
  EXPECT_EQ(e.fake.log, (List{"InputQuery \"Neue Variable\" \"Wie soll sie heißen?\" -> \"ANREDE\"",
                              "MessageBox Fehler \"Eine Variable dieses Namens existiert schon!\" -> OK"}));
  e.form.sbNewVarClick();  // an empty name adds nothing
  EXPECT_EQ(e.form.cbxVariable, (List{"Anrede"}));
  e.form.sbNewVarClick();
  EXPECT_EQ(e.form.cbxVariable, (List{"Anrede", "Gruss"}));
  EXPECT_EQ(e.form.cbxVariableIndex, 1);
  EXPECT_TRUE(e.form.lbWerte.empty());
  EXPECT_FALSE(e.Store().VariableExists("Gruss"));

  e.form.cbkRestrictClick(true);
  EXPECT_FALSE(e.Store().VariableExists("Gruss"));
  e.form.sbSaveClick();
  EXPECT_TRUE(e.Store().VariableExists("Gruss"));
  EXPECT_TRUE(e.Store().ReadRestriction("Gruss", false));
}

TEST(TfrmVariables, EditedValuesComeBackSortedAndAreStoredAtOnce) {
  Editor e;
  e.Store().WriteList("Anrede", {"Herr", "Frau"}, false);
  e.form.ListBoxClick(17);
  e.form.cbkRestrictClick(true);
  List seen;
  e.form.sbEditItemClick([&](TfrmStringListe& editor) {
    editor.FormShow();
    seen = editor.mmListe;
    e.fake.inputAnswers = {"Doktor"};
    editor.btnAddClick();
    return true;
  });
  EXPECT_EQ(seen, (List{"Frau", "Herr"}));
  EXPECT_EQ(e.form.lbWerte, (List{"Doktor", "Frau", "Herr"}));
  EXPECT_EQ(e.Store().ReadList("Anrede"), (List{"Doktor", "Frau", "Herr"}));
  EXPECT_TRUE(e.Store().ReadRestriction("Anrede", false));

  // Cancelled: neither the list nor the store changes.
  e.form.sbEditItemClick([&](TfrmStringListe& editor) {
    editor.FormShow();
    editor.btnDeleteClick();
    return false;
  });
  EXPECT_EQ(e.Store().ReadList("Anrede"), (List{"Doktor", "Frau", "Herr"}));
  EXPECT_EQ(e.form.lbWerte.size(), 3u);
}

TEST(TfrmVariables, AValueListTooLongForTheStoreIsReportedAndNotWritten) {
  Editor e;
  e.Store().WriteList("Lang", {"a"}, false);
  e.form.ListBoxClick(17);
  e.form.sbEditItemClick([&](TfrmStringListe& editor) {
    editor.mmListe.assign(1, std::string(2000, 'x'));
    return true;
  });
  EXPECT_EQ(e.fake.log, (List{"MessageBox Fehler \"Die Werteliste der Auswahl-Variable \"Lang\" ist zu lang und wurde "
                              "nicht gespeichert.\" -> OK"}));
  EXPECT_EQ(e.Store().ReadList("Lang"), (List{"a"}));
}

TEST(TfrmVariables, DeletingAVariableAsksAndSelectsTheFirstRemaining) {
  Editor e;
  e.Store().WriteList("Anrede", {"Herr"}, false);
  e.Store().WriteList("Zeit", {"morgens"}, true);
  e.form.ListBoxClick(17);
  e.form.cbxVariableChange(1);
  e.fake.messageAnswers = {MsgResult::No, MsgResult::Yes};
  e.form.sbDeleteClick();
  EXPECT_TRUE(e.Store().VariableExists("Zeit"));
  e.form.sbDeleteClick();
  EXPECT_FALSE(e.Store().VariableExists("Zeit"));
  EXPECT_EQ(e.form.cbxVariable, (List{"Anrede"}));
  EXPECT_EQ(e.form.cbxVariableIndex, 0);
  EXPECT_EQ(e.form.lbWerte, (List{"Herr"}));
  EXPECT_EQ(e.fake.log, (List{"MessageBox Bestätigung \"Variable entgültig löschen?\" -> Nein",
                              "MessageBox Bestätigung \"Variable entgültig löschen?\" -> Ja"}));

  e.fake.log.clear();
  e.form.sbDeleteClick();
  EXPECT_TRUE(e.form.cbxVariable.empty());
  EXPECT_EQ(e.form.cbxVariableIndex, -1);
  EXPECT_TRUE(e.form.lbWerte.empty());
  // Without a variable the commands that need one do nothing.
  e.form.sbDeleteClick();
  e.form.sbSaveClick();
  e.form.sbEditItemClick([](TfrmStringListe&) { return true; });
  EXPECT_EQ(e.fake.log.size(), 1u);
  EXPECT_TRUE(e.Store().VariableNames().empty());
}

TEST(TfrmVariables, ADamagedStoreKeepsTheEditorClosedAndIsNotWrittenInto) {
  Editor e;
  EXPECT_TRUE(e.form.FormCreate());  // no store yet
  e.Store().WriteList("Anrede", {"Herr"}, true);
  EXPECT_TRUE(e.form.FormCreate());
  EXPECT_TRUE(e.fake.log.empty());

  const std::string damaged = "[Anrede]\r\nVal=SGVy\r\nRestrict=1\r\n" + std::string(4, '\0');
  e.dir.Write("Daten/Auswahl.vdb", damaged);
  const std::string box = "MessageBox Fehler \"Die Datei mit den Auswahl-Variablen \"" + e.dir.Path() +
                          "Daten\\Auswahl.vdb\" konnte nicht gelesen werden: Nullbyte bei Byte 32 (keine Textdatei)."
                          "\r\nDie Datei wurde nicht verändert.\" -> OK";
  EXPECT_FALSE(e.form.FormCreate());
  EXPECT_EQ(e.fake.log, List{box});

  // Damaged while the editor is open: saving and deleting say so and leave the file alone.
  e.fake.log.clear();
  e.form.ListBoxClick(kItemAuswahl);
  e.form.sbSaveClick();
  e.fake.messageAnswers = {MsgResult::Yes};
  e.form.sbDeleteClick();
  EXPECT_EQ(e.fake.log, (List{box, "MessageBox Bestätigung \"Variable entgültig löschen?\" -> Ja", box}));
  EXPECT_EQ(e.form.cbxVariable, List{"Anrede"});
  EXPECT_EQ(e.dir.Read("Daten/Auswahl.vdb"), damaged);
}

TEST(TfrmVariables, ADamagedDatabaseLeavesTheBlockTreeEmpty) {
  for (const test::DamagedFile& damaged : test::DamagedTrees()) {
    SCOPED_TRACE(damaged.name);
    Editor e;
    e.dir.Write("Daten/Kunden.bdb", damaged.bytes);
    e.form.ListBoxClick(kItemBausteinText);
    ASSERT_EQ(e.fake.log.size(), 2u);
    EXPECT_EQ(e.fake.log[0], "SaveDatabase");
    EXPECT_EQ(e.fake.log[1].rfind("MessageBox Fehler \"Die Datenbank \"" + e.host.databaseFile +
                                      "\" konnte nicht gelesen werden: " + damaged.reason + ".",
                                  0),
              0u)
        << e.fake.log[1];
    EXPECT_TRUE(e.form.TreeView.Empty());
    EXPECT_FALSE(e.form.Marker().has_value());
  }
}

TEST(TfrmVariables, HilfeOpensContextThree) {
  Editor e;
  e.form.btnHilfeClick();
  ASSERT_EQ(e.fake.log.size(), 1u);
  EXPECT_NE(e.fake.log[0].find(HelpTopicForContext(3)), std::string::npos) << e.fake.log[0];
}

}  // namespace
}  // namespace fenu
