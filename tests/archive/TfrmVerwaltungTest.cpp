// The archive window's stories over the fake services: what the user does, what is asked, and
// what reaches the disk.
#include "archive/TfrmVerwaltung.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/FileIo.h"
#include "data/TextFiles.h"
#include "model/FontString.h"
#include "platform/fake/FakeKeyboard.h"
#include "platform/fake/FakeServices.h"
#include "support/DamagedStores.h"
#include "support/MenuMnemonics.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

const std::string kFixtures = std::string(FENU_FIXTURES) + "/archive/";
constexpr const char* kAskApply = "MessageBox Bestätigung \"Die Eintragung wurde geändert! Änderung übernehmen?\"";
constexpr const char* kAskSave = "MessageBox Bestätigung \"Die Datenbank wurde geändert! Änderungen speichern?\"";

// Daten\Archiv.adb from the Kanzlei fixture:
// Archiv
//   Angebot Müller (text 0912261453042, "Müller Angebot 2026")
//   Rechnung März (text 0103250800000)
//   Briefe (folder)
//     Kanzlei (text 1502260915123, empty body)
//     Leer (folder)
//   Fremd (image 7: a kind of its own)
struct Window {
  test::TempDir dir;
  FakeServices fake;
  FakeKeyboard keyboard{fake.log};
  TfrmVerwaltung form{fake.services, keyboard, dir.Path()};

  explicit Window(const std::string& ini = "[HotKeys]\r\nHotkeyL1=[Strg-Alt]\r\nHotkeyL2=A\r\n") {
    std::filesystem::copy(kFixtures + "Kanzlei", dir.Path() + "Daten", std::filesystem::copy_options::recursive);
    dir.Write("fenu.ini", ini);
    EXPECT_TRUE(form.FormCreate());
    fake.log.clear();
  }

  std::string Adb() const { return dir.Path() + "Daten\\Archiv.adb"; }
  std::string Text(const std::string& id) const { return dir.Path() + "Daten/Archiv/" + id + ".txt"; }

  TreeNode* Find(const std::string& caption) {
    for (TreeNode* n = form.Tree().GetFirstNode(); n; n = n->GetNext())
      if (n->text == caption) return n;
    return nullptr;
  }
  Lines Children(const std::string& caption) {
    Lines names;
    for (TreeNode* n = Find(caption)->GetFirstChild(); n; n = n->GetNextSibling()) names.push_back(n->text);
    return names;
  }
  // The archive as the next opening of the window finds it.
  std::unique_ptr<ArchiveStore> Reopened() {
    auto store = std::make_unique<ArchiveStore>();
    store->OpenArchive(fake, Adb());
    return store;
  }
  // An edit of the selected text as the user makes it: a key in the name field.
  void TypeName(const std::string& name) {
    form.FieldKeyPress(ArchiveField::txtName);
    form.FieldChange(ArchiveField::txtName, name);
  }
};

TreeNode* FindIn(const std::unique_ptr<ArchiveStore>& store, const std::string& caption) {
  for (TreeNode* n = store->Tree().GetFirstNode(); n; n = n->GetNext())
    if (n->text == caption) return n;
  return nullptr;
}

TEST(TfrmVerwaltung, OpeningShowsTheRootTheHotkeyAndTheStatesFollowTheSelection) {
  Window w;
  EXPECT_EQ(w.form.Label10, "HotKey: [Strg-Alt] + A");
  EXPECT_EQ(w.form.Selected(), w.form.Tree().GetFirstNode());
  EXPECT_EQ(w.form.ASplitter, 269);
  EXPECT_FALSE(w.form.ChangedFlag);

  struct Expect {
    const char* node;
    ArchiveState state;
    bool fields, remove;
    const char* name;
    const char* status;
  };
  const Expect cases[] = {
      {"Archiv", ArchiveState::Root, false, false, "", ""},
      {"Briefe", ArchiveState::Folder, false, true, "", "Umbenennen = F2"},
      {"Angebot Müller", ArchiveState::Text, true, true, "Angebot Müller", "ID: 0912261453042"},
      {"Kanzlei", ArchiveState::Text, true, true, "Kanzlei", "ID: 1502260915123"},
  };
  for (const Expect& c : cases) {
    SCOPED_TRACE(c.node);
    w.form.Select(w.Find(c.node));
    EXPECT_EQ(w.form.state, c.state);
    EXPECT_EQ(w.form.fieldsEnabled, c.fields);
    EXPECT_EQ(w.form.btnDeleteEnabled, c.remove);
    EXPECT_EQ(w.form.txtName, c.name);
    EXPECT_EQ(w.form.StatusBar, c.status);
    EXPECT_FALSE(w.form.btnSaveEnabled);
    EXPECT_TRUE(w.form.btnNewFileEnabled && w.form.btnNewFolderEnabled);
  }
  w.form.Select(w.Find("Angebot Müller"));
  EXPECT_EQ(w.form.txtKeywords, "Müller Angebot 2026");
  EXPECT_EQ(w.form.mmText, NormalizeLineBreaks(*ReadFileBytes(w.Text("0912261453042"))));
  // An entry of another kind changes nothing on the right.
  w.form.Select(w.Find("Fremd"));
  EXPECT_EQ(w.form.txtName, "Angebot Müller");
  EXPECT_FALSE(w.form.ChangedFlag);
  EXPECT_TRUE(w.fake.log.empty());

  // Without settings, the hotkey the shell registers for the archive.
  Window plain("");
  EXPECT_EQ(plain.form.Label10, "HotKey: Strg + N1");
}

TEST(TfrmVerwaltung, APendingEditIsAskedAboutBeforeTheSelectionMoves) {
  for (MsgResult answer : {MsgResult::Yes, MsgResult::No}) {
    SCOPED_TRACE(answer == MsgResult::Yes ? "Ja" : "Nein");
    Window w;
    w.form.Select(w.Find("Rechnung März"));
    w.form.FieldKeyPress(ArchiveField::txtKeywords);
    w.form.FieldChange(ArchiveField::txtKeywords, std::string(130, 'k'));
    w.form.mmTextChange("Neu", true);
    ASSERT_TRUE(w.form.btnSaveEnabled && w.form.ChangedFlag);
    w.fake.messageAnswers = {answer};
    EXPECT_TRUE(w.form.Select(w.Find("Briefe")));
    EXPECT_EQ(w.fake.log, Lines{std::string(kAskApply) + (answer == MsgResult::Yes ? " -> Ja" : " -> Nein")});
    EXPECT_EQ(w.form.Selected(), w.Find("Briefe"));
    EXPECT_FALSE(w.form.btnSaveEnabled);
    const auto data = GetArchiveData(*w.Find("Rechnung März"));
    if (answer == MsgResult::Yes) {
      EXPECT_EQ(w.dir.Read("Daten/Archiv/0103250800000.txt"), "Neu");
      EXPECT_EQ(data->keywords, std::string(128, 'k'));
    } else {
      EXPECT_EQ(data->keywords, "Rechnungen 2024");
    }
  }
}

TEST(TfrmVerwaltung, AClickIntoTheKeywordsMarksAnEditAndClosingAsksBothQuestions) {
  Window w;
  w.form.Select(w.Find("Kanzlei"));
  w.form.FieldMouseDown(ArchiveField::txtKeywords);
  EXPECT_TRUE(w.form.btnSaveEnabled);
  w.fake.messageAnswers = {MsgResult::No, MsgResult::No};
  EXPECT_TRUE(w.form.FormCloseQuery());
  EXPECT_EQ(w.fake.LogOf("MessageBox"), (Lines{std::string(kAskApply) + " -> Nein", std::string(kAskSave) + " -> Nein"}));
  // Filling the fields by program marks nothing.
  Window quiet;
  quiet.form.Select(quiet.Find("Kanzlei"));
  quiet.form.mmTextChange("", false);
  EXPECT_TRUE(quiet.form.FormCloseQuery());
  EXPECT_TRUE(quiet.fake.log.empty());
}

TEST(TfrmVerwaltung, SavingATextWritesItsFileAndTakesTheNameEvenASiblingsAndResorts) {
  Window w;
  w.form.Select(w.Find("Angebot Müller"));
  w.TypeName("Rechnung März");
  w.form.mmTextChange("Zeile 1\r\nZeile 2\nZeile 3", true);
  const int version = w.form.treeVersion;
  EXPECT_TRUE(w.form.btnSaveClick());
  EXPECT_EQ(w.dir.Read("Daten/Archiv/0912261453042.txt"), "Zeile 1\r\nZeile 2\r\nZeile 3");
  EXPECT_EQ(w.Children("Archiv"), (Lines{"Briefe", "Fremd", "Rechnung März", "Rechnung März"}));
  EXPECT_EQ(w.form.TakeFocusRequest(), ArchiveFocus::TreeView);
  EXPECT_FALSE(w.form.btnSaveEnabled);
  EXPECT_TRUE(w.form.ChangedFlag);
  EXPECT_GT(w.form.treeVersion, version);
  EXPECT_TRUE(w.fake.log.empty());

  // Enter in a field saves a pending edit, and only then.
  w.form.FieldKeyEnter();
  EXPECT_EQ(w.dir.Read("Daten/Archiv/0912261453042.txt"), "Zeile 1\r\nZeile 2\r\nZeile 3");
  w.form.FieldKeyPress(ArchiveField::txtKeywords);
  w.form.FieldChange(ArchiveField::txtKeywords, "per Enter");
  w.form.FieldKeyEnter();
  EXPECT_FALSE(w.form.btnSaveEnabled);
  EXPECT_EQ(GetArchiveData(*w.form.Selected())->keywords, "per Enter");
}

TEST(TfrmVerwaltung, NewTextsTakeTheClipboardOnlyWhenItHoldsTextAndTheUserAgrees) {
  struct Case {
    const char* name;
    std::string clipboard;
    std::optional<MsgResult> answer;  // nothing: no question
    std::string body;
  };
  const Case cases[] = {
      {"clipboard text taken", "Aus der\nZwischenablage", MsgResult::Yes, "Aus der\r\nZwischenablage"},
      {"clipboard text declined", "Aus der Zwischenablage", MsgResult::No, ""},
      {"empty clipboard", "", std::nullopt, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Window w;
    w.keyboard.clipboard = c.clipboard;
    // Beside a selected text: the new text goes into that text's folder.
    w.form.Select(w.Find("Kanzlei"));
    w.fake.inputAnswers = {"Neu"};
    if (c.answer) w.fake.messageAnswers = {*c.answer};
    w.form.btnNewFileClick();
    TreeNode* entry = w.Find("Neu");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->Parent(), w.Find("Briefe"));
    EXPECT_EQ(w.Children("Briefe"), (Lines{"Kanzlei", "Neu", "Leer"}));
    EXPECT_EQ(w.form.Selected(), entry);
    EXPECT_EQ(w.form.StatusBar, "ID: " + GetArchiveData(*entry)->textFileName.substr(0, 13));
    EXPECT_EQ(w.form.mmText, c.body);
    EXPECT_EQ(w.form.btnSaveEnabled, c.answer == MsgResult::Yes);
    EXPECT_TRUE(w.form.ChangedFlag);
    EXPECT_EQ(w.fake.LogOf("MessageBox").size(), c.answer ? 1u : 0u);
    EXPECT_EQ(w.fake.LogOf("InputQuery"), Lines{"InputQuery \"Neuer Eintrag\" \"Wie lautet der Name?\" -> \"Neu\""});
    // No file until the text is saved.
    EXPECT_FALSE(FileExists(w.form.Store().TextFilePath(*entry)));
  }
}

TEST(TfrmVerwaltung, NewEntriesAreRefusedWithoutAPlaceOrWithASiblingsNameInOtherCase) {
  Window w;
  w.form.Select(w.Find("Briefe"));
  w.fake.inputAnswers = {"KANZLEI"};
  w.form.btnNewFolderClick();
  EXPECT_EQ(w.fake.log.back(), "MessageBox quenlia:FENU \"Ein Eintrag mit diesem Namen existiert bereits\" -> OK");
  EXPECT_EQ(w.fake.log[w.fake.log.size() - 2], "Beep");
  w.fake.log.clear();
  w.form.Select(w.Find("Fremd"));
  w.fake.inputAnswers = {"x"};
  w.form.btnNewFolderClick();
  EXPECT_EQ(w.fake.log.back(), "MessageBox quenlia:FENU \"Eintrag dieser Art hier nicht möglich!\" -> OK");
  w.fake.log.clear();
  w.form.Tree().SetSelected(nullptr);
  w.form.btnNewFileClick();
  EXPECT_EQ(w.fake.log, (Lines{"Beep", "MessageBox quenlia:FENU \"Wählen Sie noch einen Ordner aus\" -> OK"}));
  EXPECT_FALSE(w.form.ChangedFlag);

  // An empty name is a name; cancelling makes nothing.
  w.form.Select(w.Find("Leer"));
  w.fake.inputAnswers = {std::nullopt, ""};
  w.form.btnNewFolderClick();
  EXPECT_FALSE(w.form.ChangedFlag);
  w.form.btnNewFolderClick();
  EXPECT_EQ(w.Children("Leer"), Lines{""});
  EXPECT_TRUE(w.form.ChangedFlag);
}

TEST(TfrmVerwaltung, DropRulesAreCheckedInOrder) {
  struct Case {
    const char* source;
    const char* target;  // nullptr: nothing under the pointer
    const char* log;     // nullptr: it moves
  };
  const Case cases[] = {
      {"Kanzlei", nullptr, ""},
      {"Kanzlei", "Kanzlei", "Beep Exclamation|Aktion nicht möglich, da Quelle und Ziel identisch sind!"},
      {"Kanzlei", "Briefe", "Beep Exclamation|Aktion nicht möglich, da Quelle und Ziel identisch sind!"},
      {"Archiv", "Leer", "Beep Exclamation|Die Basis kann nicht verschoben werden"},
      {"Briefe", "Leer", "Beep Exclamation|Der Übergeordnete kann nicht auf einen Untergeordneten verschoben werden!"},
      {"Briefe", "Kanzlei", "Beep Exclamation|Der Übergeordnete kann nicht auf einen Untergeordneten verschoben werden!"},
      {"Leer", "Angebot Müller", "Beep|Diese Art von Eintrag kann hier nicht platziert werden!"},
      {"Leer", "Fremd", "Beep|Diese Art von Eintrag kann hier nicht platziert werden!"},
      {"Angebot Müller", "Leer", nullptr},
      {"Briefe", "Fremd", "Beep|Diese Art von Eintrag kann hier nicht platziert werden!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.source) + " -> " + (c.target ? c.target : "nothing"));
    Window w;
    TreeNode* source = w.Find(c.source);
    const bool moved = w.form.TreeViewDragDrop(source, c.target ? w.Find(c.target) : nullptr);
    EXPECT_EQ(moved, c.log == nullptr);
    EXPECT_EQ(w.form.ChangedFlag, moved);
    if (moved) {
      EXPECT_EQ(source->Parent(), w.Find(c.target));
      EXPECT_TRUE(w.fake.log.empty());
    } else if (*c.log) {
      const std::string log = c.log;
      const std::size_t bar = log.find('|');
      EXPECT_EQ(w.fake.log, (Lines{log.substr(0, bar), "MessageBox quenlia:FENU \"" + log.substr(bar + 1) + "\" -> OK"}));
    } else {
      EXPECT_TRUE(w.fake.log.empty());
    }
  }
  // A sibling of the same name in other case in the target.
  Window w;
  w.form.Select(w.Find("Angebot Müller"));
  w.TypeName("kanzlei");
  w.form.btnSaveClick();
  w.fake.log.clear();
  EXPECT_FALSE(w.form.TreeViewDragDrop(w.Find("kanzlei"), w.Find("Briefe")));
  EXPECT_EQ(w.fake.log.back(), "MessageBox quenlia:FENU \"Ein Eintrag selben Namens existiert hier bereits!\" -> OK");
}

TEST(TfrmVerwaltung, AMoveIsSavedAndFoundAgainWithItsFileUntouched) {
  Window w;
  const std::string body = w.dir.Read("Daten/Archiv/0912261453042.txt");
  ASSERT_TRUE(w.form.TreeViewDragDrop(w.Find("Angebot Müller"), w.Find("Briefe")));
  EXPECT_EQ(w.Children("Briefe"), (Lines{"Kanzlei", "Leer", "Angebot Müller"}));
  EXPECT_TRUE(w.Find("Briefe")->expanded && w.Find("Leer")->expanded);
  w.fake.messageAnswers = {MsgResult::Yes};
  EXPECT_TRUE(w.form.FormCloseQuery());
  EXPECT_EQ(w.fake.log, Lines{std::string(kAskSave) + " -> Ja"});
  const auto again = w.Reopened();
  EXPECT_EQ(FindIn(again, "Angebot Müller")->Parent()->text, "Briefe");
  EXPECT_EQ(w.dir.Read("Daten/Archiv/0912261453042.txt"), body);
}

TEST(TfrmVerwaltung, RenamingInPlaceKeepsTheOldNameOnAClashAndNeverTouchesTheRoot) {
  Window w;
  // F2 on the Root starts nothing; on any other entry it does.
  EXPECT_FALSE(w.form.TreeViewKeyF2());
  EXPECT_FALSE(w.form.TreeViewEditing(w.Find("Archiv")));
  EXPECT_FALSE(w.form.TreeViewEdited(w.Find("Archiv"), "Anders"));
  w.form.Select(w.Find("Briefe"));
  EXPECT_TRUE(w.form.TreeViewKeyF2());

  // Its own name or a sibling's in other case: the old name stays, without a word.
  for (const char* name : {"BRIEFE", "angebot müller", "rechnung märz"}) {
    EXPECT_FALSE(w.form.TreeViewEdited(w.Find("Briefe"), name)) << name;
  }
  EXPECT_NE(w.Find("Briefe"), nullptr);
  EXPECT_FALSE(w.form.ChangedFlag);
  EXPECT_TRUE(w.fake.log.empty());

  // A new name: the siblings are sorted by name alone, txtName shows it, and closing asks.
  w.form.Select(w.Find("Rechnung März"));
  EXPECT_TRUE(w.form.TreeViewEdited(w.Find("Rechnung März"), "Akte"));
  EXPECT_EQ(w.Children("Archiv"), (Lines{"Akte", "Angebot Müller", "Briefe", "Fremd"}));
  EXPECT_EQ(w.form.txtName, "Akte");
  EXPECT_TRUE(w.form.ChangedFlag);
  w.fake.messageAnswers = {MsgResult::Yes};
  EXPECT_TRUE(w.form.FormCloseQuery());
  const auto again = w.Reopened();
  EXPECT_NE(FindIn(again, "Akte"), nullptr);
}

TEST(TfrmVerwaltung, DeletedTextsGoOnlyWhenTheDeletionIsSaved) {
  for (MsgResult close : {MsgResult::No, MsgResult::Yes}) {
    SCOPED_TRACE(close == MsgResult::Yes ? "Ja" : "Nein");
    Window w;
    w.form.Select(w.Find("Briefe"));
    w.fake.messageAnswers = {MsgResult::Yes};
    w.form.btnDeleteClick();
    EXPECT_EQ(w.fake.log,
              Lines{"MessageBox Bestätigung \"Wenn Sie den Ordner \"Briefe\" löschen, gehen alle darin enthaltenen "
                    "Ordner und Texte verloren! Der Vorgang ist unwideruflich! Wollen Sie fortfahren?\" -> Ja"});
    EXPECT_EQ(w.form.Selected(), w.Find("Archiv"));
    EXPECT_EQ(w.form.state, ArchiveState::Root);
    EXPECT_EQ(w.form.TakeFocusRequest(), ArchiveFocus::TreeView);
    // Pending edits of the text being deleted are not offered: it goes away.
    w.form.Select(w.Find("Angebot Müller"));
    w.form.mmTextChange("geändert", true);
    w.fake.log.clear();
    w.fake.messageAnswers = {MsgResult::Yes, close};
    w.form.btnDeleteClick();
    ASSERT_EQ(w.fake.LogOf("MessageBox").size(), 1u);
    EXPECT_EQ(w.fake.LogOf("MessageBox").front(),
              "MessageBox Bestätigung \"Der Text \"Angebot Müller\" wurde zum Löschen ausgewählt! Löschen "
              "durchführen?\" -> Ja");
    EXPECT_FALSE(w.form.btnSaveEnabled);
    // Both files are still there until the archive without them is saved.
    EXPECT_TRUE(FileExists(w.Text("1502260915123")));
    EXPECT_TRUE(FileExists(w.Text("0912261453042")));
    EXPECT_TRUE(w.form.FormCloseQuery());
    EXPECT_EQ(w.fake.LogOf("MessageBox").back(), std::string(kAskSave) + (close == MsgResult::Yes ? " -> Ja" : " -> Nein"));
    const auto again = w.Reopened();
    EXPECT_EQ(FileExists(w.Text("1502260915123")), close == MsgResult::No);
    EXPECT_EQ(FileExists(w.Text("0912261453042")), close == MsgResult::No);
    EXPECT_EQ(FindIn(again, "Angebot Müller") == nullptr, close == MsgResult::Yes);
    EXPECT_TRUE(FileExists(w.Text("0103250800000")));
  }
}

TEST(TfrmVerwaltung, TheRootAndNothingAreNotDeleted) {
  Window w;
  w.form.btnDeleteClick();
  EXPECT_EQ(w.fake.log, (Lines{"Beep", "MessageBox quenlia:FENU \"Der Basiseintarg kann nicht gelöscht werden\" -> OK"}));
  w.fake.log.clear();
  w.form.Tree().SetSelected(nullptr);
  w.form.btnDeleteClick();
  EXPECT_EQ(w.fake.log, (Lines{"Beep", "MessageBox quenlia:FENU \"Kein Eintrag ausgewählt\" -> OK"}));
  EXPECT_FALSE(w.form.ChangedFlag);
}

TEST(TfrmVerwaltung, ClosingAsksAndOnlyJaWritesTheArchive) {
  struct Case {
    MsgResult answer;
    bool closes;
  };
  for (const Case c : {Case{MsgResult::Cancel, false}, Case{MsgResult::Yes, true}, Case{MsgResult::No, true}}) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    Window w;
    w.fake.inputAnswers = {"Neuer Ordner"};
    w.form.btnNewFolderClick();
    const auto before = w.dir.Files();
    w.fake.log.clear();
    w.fake.messageAnswers = {c.answer};
    EXPECT_EQ(w.form.FormCloseQuery(), c.closes);
    EXPECT_EQ(w.fake.log.size(), 1u);
    EXPECT_EQ(w.Find("Neuer Ordner") != nullptr, true);
    if (c.answer == MsgResult::Yes) {
      EXPECT_EQ(w.dir.Read("Daten/Archiv.bup"), before.at("Daten/Archiv.adb"));
      EXPECT_NE(FindIn(w.Reopened(), "Neuer Ordner"), nullptr);
    } else {
      EXPECT_EQ(w.dir.Files(), before);
    }
  }
  // Nothing changed: no question.
  Window w;
  EXPECT_TRUE(w.form.FormCloseQuery());
  EXPECT_TRUE(w.fake.log.empty());
}

TEST(TfrmVerwaltung, TheExtrasMenuAsksAboutAPendingEditAndEnablesTheTextCommands) {
  for (MsgResult answer : {MsgResult::Yes, MsgResult::No}) {
    Window w;
    w.form.Select(w.Find("Kanzlei"));
    w.form.mmTextChange("Text", true);
    w.fake.messageAnswers = {answer};
    w.form.mnuExtrasClick();
    EXPECT_EQ(w.fake.log, Lines{std::string(kAskApply) + (answer == MsgResult::Yes ? " -> Ja" : " -> Nein")});
    EXPECT_FALSE(w.form.btnSaveEnabled);
    EXPECT_TRUE(w.form.mnuTextCommandsEnabled);
    EXPECT_EQ(w.dir.Read("Daten/Archiv/1502260915123.txt"), answer == MsgResult::Yes ? "Text" : "");
    // After "Nein" the edit is no longer marked: the next selection change asks nothing.
    w.fake.log.clear();
    w.form.Select(w.Find("Briefe"));
    EXPECT_TRUE(w.fake.log.empty());
    w.form.mnuExtrasClick();
    EXPECT_FALSE(w.form.mnuTextCommandsEnabled);
    w.form.mnuBearbeitenClick();
    EXPECT_FALSE(w.form.mnuSearchEnabled);
  }
  Window w;
  w.form.Select(w.Find("Kanzlei"));
  w.form.mnuBearbeitenClick();
  EXPECT_TRUE(w.form.mnuSearchEnabled);
}

TEST(TfrmVerwaltung, ExternalFilesTheEditorAndDeletingTheText) {
  Window w;
  w.form.Select(w.Find("Rechnung März"));
  w.dir.Write("extern.txt", "eins\ntwo\r");
  w.fake.fileAnswers = {w.dir.File("extern.txt"), w.dir.File("raus.txt")};
  w.form.mnuLoadFileClick();
  EXPECT_EQ(w.form.mmText, "eins\r\ntwo\r\n");
  EXPECT_TRUE(w.form.btnSaveEnabled);
  EXPECT_FALSE(w.form.ChangedFlag);  // set only when the entry is saved
  w.form.mnuSaveFileClick();
  EXPECT_EQ(w.dir.Read("raus.txt"), "eins\r\ntwo\r\n");
  EXPECT_EQ(w.fake.LogOf("OpenFile"),
            Lines{"OpenFile \"Externe Textdatei öffnen...\" Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.* -> " +
                  w.dir.File("extern.txt")});
  EXPECT_EQ(w.fake.LogOf("SaveFile").size(), 1u);

  w.form.mnuEditorClick();
  EXPECT_EQ(w.fake.LogOf("Shell"), Lines{"Shell \"" + w.dir.Path() + "Daten\\Archiv\\0103250800000.txt\" \"\" normal"});
  w.form.mnuDeleteTextClick();
  EXPECT_EQ(w.form.mmText, "");
  w.fake.log.clear();
  w.form.mnuEditorClick();  // an empty text opens nothing
  EXPECT_TRUE(w.fake.log.empty());

  // A file that cannot be read or written: an error box naming it, the text stays.
  w.form.mmTextChange("bleibt", true);
  w.fake.fileAnswers = {w.dir.File("fehlt.txt"), w.dir.File("Ordner")};
  std::filesystem::create_directories(w.dir.File("Ordner"));
  w.form.mnuLoadFileClick();
  w.form.mnuSaveFileClick();
  const Lines boxes = w.fake.LogOf("MessageBox Fehler");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[0].find("\"" + w.dir.File("fehlt.txt") + "\" konnte nicht gelesen werden."), std::string::npos);
  EXPECT_NE(boxes[1].find(w.dir.File("Ordner")), std::string::npos);
  EXPECT_EQ(w.form.mmText, "bleibt");
}

TEST(TfrmVerwaltung, AFreshFolderGetsItsArchiveAndTextFolderWhenFirstWritten) {
  test::TempDir dir;
  FakeServices fake;
  FakeKeyboard keyboard{fake.log};
  TfrmVerwaltung form{fake.services, keyboard, dir.Path()};
  ASSERT_TRUE(form.FormCreate());
  const std::string adb = dir.Path() + "Daten\\Archiv.adb";
  EXPECT_EQ(fake.log, Lines{"MessageBox Fehler \"Die Datenbank \"" + adb + "\" konnte nicht gefunden werden!\" -> OK"});
  EXPECT_TRUE(FileExists(adb));
  EXPECT_FALSE(form.ChangedFlag);
  fake.inputAnswers = {"Brief"};
  form.btnNewFileClick();
  form.mmTextChange("Hallo", true);
  ASSERT_TRUE(form.btnSaveClick());
  EXPECT_EQ(*ReadFileBytes(form.Store().TextFilePath(*form.Selected())), "Hallo");
}

TEST(TfrmVerwaltung, TextsAndArchivesThatCannotBeWrittenAreToldAndTheEditsStay) {
  Window w;
  w.form.Select(w.Find("Kanzlei"));
  // Something in the way of the text file.
  std::filesystem::remove(w.Text("1502260915123"));
  std::filesystem::create_directories(w.Text("1502260915123") + "/x");
  w.TypeName("Umbenannt");
  w.form.mmTextChange("Wichtig", true);
  EXPECT_FALSE(w.form.btnSaveClick());
  ASSERT_EQ(w.fake.LogOf("MessageBox Fehler").size(), 1u);
  EXPECT_NE(w.fake.log.back().find("1502260915123.txt"), std::string::npos);
  EXPECT_TRUE(w.form.btnSaveEnabled);
  EXPECT_EQ(w.Find("Umbenannt"), nullptr);

  // Leaving the entry with "Ja" fails the same way: the selection stays with the edits.
  w.fake.log.clear();
  w.fake.messageAnswers = {MsgResult::Yes};
  EXPECT_FALSE(w.form.Select(w.Find("Briefe")));
  EXPECT_EQ(w.form.Selected(), w.Find("Kanzlei"));
  EXPECT_EQ(w.form.mmText, "Wichtig");
  EXPECT_TRUE(w.form.btnSaveEnabled);

  // Closing: the text cannot be saved, the window stays open.
  w.fake.messageAnswers = {MsgResult::Yes};
  EXPECT_FALSE(w.form.FormCloseQuery());

  // The archive cannot be written: the last good archive and its backup stay, and so does the
  // window.
  std::filesystem::remove_all(w.Text("1502260915123"));
  w.fake.messageAnswers = {MsgResult::No};
  w.form.Select(w.Find("Briefe"));
  w.dir.Write("Daten/Archiv.adb.neu/x", "");
  const auto before = w.dir.Files();
  w.fake.log.clear();
  w.fake.messageAnswers = {MsgResult::Yes};
  EXPECT_FALSE(w.form.FormCloseQuery());
  ASSERT_EQ(w.fake.log.size(), 2u);
  EXPECT_EQ(w.fake.log[1].rfind("MessageBox Fehler \"Das Archiv konnte nicht gespeichert werden: ", 0), 0u);
  EXPECT_NE(w.fake.log[1].find("Archiv.adb"), std::string::npos);
  EXPECT_EQ(w.dir.Files(), before);
  EXPECT_TRUE(w.form.ChangedFlag);
}

TEST(TfrmVerwaltung, ADamagedArchiveIsNamedTheWindowStaysClosedAndNothingIsWritten) {
  for (const test::DamagedFile& damaged : test::DamagedTrees()) {
    SCOPED_TRACE(damaged.name);
    test::TempDir dir;
    dir.Write("Daten/Archiv.adb", damaged.bytes);
    const auto before = dir.Files();
    FakeServices fake;
    FakeKeyboard keyboard{fake.log};
    TfrmVerwaltung form{fake.services, keyboard, dir.Path()};
    EXPECT_FALSE(form.FormCreate());
    ASSERT_EQ(fake.log.size(), 1u);
    EXPECT_EQ(fake.log[0].rfind("MessageBox Fehler \"Das Archiv \"" + dir.Path() + "Daten\\Archiv.adb\"", 0), 0u)
        << fake.log[0];
    EXPECT_NE(fake.log[0].find(damaged.reason), std::string::npos) << fake.log[0];
    EXPECT_EQ(dir.Files(), before);
  }
}

TEST(TfrmVerwaltung, TheDoubleClickPastesOnlyClipboardTextIntoAnEnabledBody) {
  Window w;
  w.keyboard.clipboard = "x";
  EXPECT_FALSE(w.form.mmTextDblClick());  // the Root: the body is disabled
  w.form.Select(w.Find("Kanzlei"));
  EXPECT_TRUE(w.form.mmTextDblClick());
  w.keyboard.clipboard.clear();
  EXPECT_FALSE(w.form.mmTextDblClick());
}

TEST(TfrmVerwaltung, AKeywordWindowsSelectionAsksFirstAndShowsTheHitsFolder) {
  Window w;
  int shown = 0;
  w.form.OnSelectedFromOutside = [&] { ++shown; };
  w.form.Select(w.Find("Angebot Müller"));
  w.form.mmTextChange("neu", true);
  w.fake.messageAnswers = {MsgResult::No};
  w.form.SelectAsClick(w.Find("Kanzlei"));
  EXPECT_EQ(w.fake.log, Lines{std::string(kAskApply) + " -> Nein"});
  EXPECT_EQ(w.form.txtName, "Kanzlei");
  EXPECT_TRUE(w.Find("Briefe")->expanded);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(&w.form.ArchiveTree(), &w.form.Tree());
}

TEST(TfrmVerwaltung, FontLayoutAndPlacementAreKeptInTheSettings) {
  Window w("[Main]\r\nAFont=Arial,10,,0,clWindowText,1\r\nASplitter=300\r\n");
  EXPECT_EQ(w.form.AFont, "Arial,10,,0,clWindowText,1");
  EXPECT_EQ(w.form.ASplitter, 300);
  FontSpec font;
  ApplyFontString(w.form.AFont, font);
  FontSpec chosen = font;
  chosen.name = "DejaVu Sans Mono";
  w.fake.fontAnswers = {std::nullopt, chosen};
  EXPECT_FALSE(w.form.mnuFontClick(font));
  EXPECT_TRUE(w.form.mnuFontClick(font));
  EXPECT_EQ(w.fake.LogOf("ChooseFont").front(), "ChooseFont \"Arial,10,,0,clWindowText,1\" -> Abbrechen");
  w.form.KeepLayout(280, w.form.AFont);
  w.form.FormClose();
  const std::string ini = w.dir.Read("fenu.ini");
  EXPECT_NE(ini.find("AFont=DejaVu Sans Mono,10,,0,clWindowText,1"), std::string::npos) << ini;
  EXPECT_NE(ini.find("ASplitter=280"), std::string::npos) << ini;

  w.form.FormHelp();
  EXPECT_EQ(w.fake.LogOf("Help").size(), 1u);
}

// A memo that tells which dialog opened and what the search selected.
class MemoStub : public IMemoSearchHost {
 public:
  std::string text = "eins zwei eins";
  MemoRange selection;
  Lines log;
  std::string MemoText() override { return text; }
  MemoRange MemoSelection() override { return selection; }
  void SelectInMemo(MemoRange range) override { selection = range; }
  void ReplaceInMemo(MemoRange, std::string_view) override {}
  void FocusMemo() override {}
  void ShowDialog(bool replace, std::string_view, FindFlags, int) override {
    log.push_back(replace ? "ReplaceDialog" : "FindDialog");
  }
  void CloseDialog() override {}
  void ShowResult(std::string_view, std::string_view message) override { log.push_back(std::string(message)); }
  ReplaceAnswer AskReplace(std::size_t) override { return ReplaceAnswer::No; }
};

TEST(TfrmVerwaltung, SearchingTheBodyByMenuAndKeys) {
  Window w;
  MemoStub memo;
  TMemoSearch search(memo);
  TfrmVerwaltung::SetUpMemoSearch(search);
  EXPECT_EQ(search.KeyDown(kShortCutCtrl | 'F'), TMemoSearch::KeyAction::PostOpenFind);
  EXPECT_EQ(search.KeyDown(kShortCutCtrl | 'H'), TMemoSearch::KeyAction::PostOpenReplace);
  EXPECT_EQ(search.KeyDown(kShortCutCtrl | 'R'), TMemoSearch::KeyAction::PassOn);

  // Without a text selected nothing opens; with one, "Weitersuchen" opens the dialog as long as no
  // search text is known, and then finds the next place.
  w.form.mnuFindNextClick(search);
  EXPECT_TRUE(memo.log.empty());
  w.form.Select(w.Find("Kanzlei"));
  w.form.mnuFindNextClick(search);
  w.form.mnuSearchClick(search);
  EXPECT_EQ(memo.log, (Lines{"FindDialog", "FindDialog"}));
  search.DialogButton(TMemoSearch::Button::FindNext, "eins", "", search.Options);
  EXPECT_EQ(memo.selection, (MemoRange{0, 4}));
  w.form.mnuFindNextClick(search);
  EXPECT_EQ(memo.selection, (MemoRange{10, 4}));
}

TEST(TfrmVerwaltungKeys, EveryMenuTitleEntryAndControlHasItsOwnMnemonic) {
  Lines reachable = test::CheckedMenuTitles(TfrmVerwaltung::MenuBar());
  for (const std::string& caption : TfrmVerwaltung::Captions()) {
    EXPECT_NE(MnemonicOf(caption), '\0') << caption;
    reachable.push_back(caption);
  }
  EXPECT_EQ(RepeatedMnemonics(reachable), "");
}

}  // namespace
}  // namespace fenu
