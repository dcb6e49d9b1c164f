#include "archive/TfrmVerwaltung.h"

#include "common/Help.h"
#include "common/HotkeySpec.h"
#include "common/Settings.h"
#include "core/Errors.h"
#include "core/FileIo.h"
#include "core/IniFile.h"
#include "core/TextLines.h"
#include "data/TextFiles.h"
#include "model/FontString.h"
#include "model/TreeOps.h"

namespace fenu {
namespace {

constexpr const char* kAskApply = "Die Eintragung wurde geändert! Änderung übernehmen?";
constexpr const char* kAskSave = "Die Datenbank wurde geändert! Änderungen speichern?";
constexpr const char* kTextFilter = "Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*";

std::string Quoted(const char* before, const std::string& name, const char* after) {
  return std::string(before) + "\"" + name + "\"" + after;
}

// The name of a text file without its extension: the TextId.
std::string IdOf(const std::string& fileName) {
  const std::size_t dot = fileName.rfind('.');
  return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

}  // namespace

const std::vector<MenuBarEntry>& TfrmVerwaltung::MenuBar() {
  static const std::vector<MenuBarEntry> menu = {
      {"&Datei", 0, {{0, ""}, {mnuBeenden, "&Beenden"}}},
      {"&Bearbeiten", 0,
       {{mnuAusschneiden, "&Ausschneiden\tStrg+X"},
        {mnuKopieren, "&Kopieren\tStrg+C"},
        {mnuInsert, "&Einfügen\tStrg+V"},
        {0, ""},
        {mnuWiderufen, "&Rückgängig\tAlt+Rück"},
        {mnuAllesmarkieren, "Alles &markieren"},
        {0, ""},
        {mnuSearch, "&Suchen...\tStrg+F"},
        {mnuFindNext, "&Weitersuchen\tF3"}}},
      {"&Ansicht", 0, {{mnuExpandAll, "Baum &erweitern"}, {mnuCollapseAll, "Baum &reduzieren"}}},
      {"E&xtras", 0,
       {{mnuKeywords, "&Schlagwortsuche"},
        {0, ""},
        {mnuLoadFile, "Aus Datei &laden"},
        {mnuSaveFile, "In Datei s&peichern"},
        {0, ""},
        {mnuDeleteText, "Archiv-Text l&öschen"},
        {mnuEditor, "Archiv-Text im &Editor öffnen"},
        {0, ""},
        {mnuFont, "Schrift&art"}}},
      {"&Hilfe", mnuHilfe, {}},
  };
  return menu;
}

const char* TfrmVerwaltung::MenuHint(int command) {
  switch (command) {
    case mnuBeenden: return "Beenden";
    case mnuSearch: return "Im Archiv-Text suchen";
    case mnuFindNext: return "Nächste Stelle suchen";
    case mnuExpandAll: return "Erweitert alle Knoten im Baum";
    case mnuCollapseAll: return "Blendet alle Knoten im Baum aus";
    case mnuKeywords: return "Schlagwortesuche starten";
    case mnuLoadFile: return "Datei in Archiv-Text lesen";
    case mnuSaveFile: return "Archiv-Text in externe Datei schreiben";
    case mnuDeleteText: return "Löscht den kompletten Text in \"Archiv-Text\"";
    case mnuEditor: return "Lädt den Archiv-Text in den Editor (z.B. zum Drucken) ";
    case mnuFont: return "Schriftart Archiv-Text";
    default: return nullptr;
  }
}

std::vector<std::string> TfrmVerwaltung::Captions() {
  return {kNewFolder, kNewFile, kDelete, kName, kKeywords, kSave, kText};
}

TfrmVerwaltung::TfrmVerwaltung(Services& services, IClipboard& clipboard, std::string appDir)
    : services_(services), clipboard_(clipboard), appDir_(std::move(appDir)) {}

// ---- Opening and closing -----------------------------------------------------------------------

bool TfrmVerwaltung::FormCreate() {
  const IniDocument settings = IniFile(SettingsPath(appDir_)).Load();
  // The label shows the hotkey as the shell registers it, with the shell's defaults.
  Label10 = ShellHotkeyLabel(settings, kHotkeySlots[2]);
  AFont = settings.Value("Main", "AFont").value_or("");
  ASplitter = settings.Integer("Main", "ASplitter", kDefaultSplitter);
  try {
    store_.OpenArchive(services_.dialogs, StandardArchiveFile(appDir_));
  } catch (const DamagedFileError& e) {
    // Nothing was written over it; the window stays closed and the program goes on.
    services_.dialogs.MessageDlg(MsgKind::Error, e.what());
    return false;
  } catch (const FileError& e) {
    // The new archive is in the window but not on disk: closing asks to save it again.
    services_.dialogs.MessageDlg(MsgKind::Error, std::string("Das Archiv konnte nicht angelegt werden: ") + e.what());
    ChangedFlag = true;
  }
  // The archive selected its first entry, whichever way it was opened.
  ++treeVersion;
  EnterState(Selected());
  return true;
}

bool TfrmVerwaltung::FormCloseQuery() {
  if (btnSaveEnabled &&
      services_.dialogs.MessageDlg(MsgKind::Confirmation, kAskApply, MsgButtons::YesNo) == MsgResult::Yes &&
      !SaveEntry())
    return false;
  if (!ChangedFlag) return true;
  switch (services_.dialogs.MessageDlg(MsgKind::Confirmation, kAskSave, MsgButtons::YesNoCancel)) {
    case MsgResult::Cancel: return false;
    case MsgResult::Yes:
      try {
        store_.SaveArchive(store_.ArchivePath());
      } catch (const FileError& e) {
        // The last good archive and its backup stay; so does the window, with every edit.
        services_.dialogs.MessageDlg(MsgKind::Error, std::string("Das Archiv konnte nicht gespeichert werden: ") + e.what());
        return false;
      }
      return true;
    default: return true;
  }
}

void TfrmVerwaltung::KeepLayout(int splitter, const std::string& font) {
  ASplitter = splitter;
  AFont = font;
}

void TfrmVerwaltung::FormClose() {
  try {
    IniFile settings(SettingsPath(appDir_));
    IniDocument doc = settings.Load();
    if (!AFont.empty()) doc.SetValue("Main", "AFont", AFont);
    doc.SetValue("Main", "ASplitter", std::to_string(ASplitter));
    settings.Save(doc);
  } catch (const FileError&) {
    // Settings that cannot be written on closing are given up quietly.
  }
}

void TfrmVerwaltung::FormHelp() { mnuHilfeClick(); }
void TfrmVerwaltung::mnuHilfeClick() { ShowHelpContext(services_.help, appDir_, kHelpContext); }

// ---- Selection and entry states ------------------------------------------------------------------

bool TfrmVerwaltung::Select(TreeNode* node) {
  if (node == Selected()) return true;
  if (!TreeViewChanging()) return false;
  TreeViewChange(node);
  return true;
}

bool TfrmVerwaltung::TreeViewChanging() { return AskPendingEdit(); }

bool TfrmVerwaltung::AskPendingEdit() {
  if (!btnSaveEnabled) return true;
  if (services_.dialogs.MessageDlg(MsgKind::Confirmation, kAskApply, MsgButtons::YesNo) == MsgResult::Yes &&
      !SaveEntry())
    return false;
  btnSaveEnabled = false;
  return true;
}

void TfrmVerwaltung::TreeViewChange(TreeNode* node) {
  Tree().SetSelected(node);
  EnterState(node);
}

void TfrmVerwaltung::SelectAsClick(TreeNode* node) {
  if (!Select(node)) return;
  for (TreeNode* up = node ? node->Parent() : nullptr; up; up = up->Parent()) up->expanded = true;
  if (OnSelectedFromOutside) OnSelectedFromOutside();
}

void TfrmVerwaltung::EnterState(TreeNode* node) {
  if (!node) return;
  const ArchiveKind kind = ArchiveKindOf(*node);
  if (kind == ArchiveKind::None) return;
  btnSaveEnabled = false;
  btnNewFileEnabled = btnNewFolderEnabled = true;
  btnDeleteEnabled = kind != ArchiveKind::Root;
  mmTextModified = false;
  if (kind == ArchiveKind::Text) {
    state = ArchiveState::Text;
    fieldsEnabled = true;
    txtName = node->text;
    txtKeywords = GetArchiveData(*node).value_or(ArchiveData{}).keywords;
    mmText = store_.ReadText(*node);
    StatusBar = "ID: " + IdOf(TextFileNameOf(*node));
    return;
  }
  state = kind == ArchiveKind::Root ? ArchiveState::Root : ArchiveState::Folder;
  fieldsEnabled = false;
  txtName.clear();
  txtKeywords.clear();
  mmText.clear();
  StatusBar = kind == ArchiveKind::Root ? "" : "Umbenennen = F2";
}

// ---- Edits -----------------------------------------------------------------------------------------

void TfrmVerwaltung::FieldChange(ArchiveField field, const std::string& text) {
  (field == ArchiveField::txtName ? txtName : txtKeywords) = text;
}

// A key or a click in a field counts as an edit, whether or not the text changes.
void TfrmVerwaltung::FieldKeyPress(ArchiveField) {
  btnSaveEnabled = true;
  ChangedFlag = true;
}

void TfrmVerwaltung::FieldMouseDown(ArchiveField field) { FieldKeyPress(field); }

void TfrmVerwaltung::mmTextChange(const std::string& text, bool modified) {
  mmText = text;
  mmTextModified = modified;
  if (!modified) return;
  btnSaveEnabled = true;
  ChangedFlag = true;
}

bool TfrmVerwaltung::mmTextDblClick() { return fieldsEnabled && !clipboard_.GetText().empty(); }

void TfrmVerwaltung::FieldKeyEnter() {
  if (btnSaveEnabled) SaveEntry();
}

bool TfrmVerwaltung::btnSaveClick() {
  if (!SaveEntry()) return false;
  focusRequest = ArchiveFocus::TreeView;  // the button disables itself
  return true;
}

bool TfrmVerwaltung::SaveEntry() {
  TreeNode* node = Selected();
  if (!node || ArchiveKindOf(*node) != ArchiveKind::Text) return false;
  try {
    store_.SaveText(*node, txtName, txtKeywords, mmText, services_.collation);
  } catch (const FileError& e) {
    // Ending the program here would take every unsaved change of the archive with it.
    services_.dialogs.MessageDlg(MsgKind::Error, std::string("Der Text konnte nicht gespeichert werden: ") + e.what());
    return false;
  }
  txtKeywords = GetArchiveData(*node).value_or(ArchiveData{}).keywords;
  btnSaveEnabled = false;
  mmTextModified = false;
  ChangedFlag = true;
  ++treeVersion;
  return true;
}

// ---- New entries and deletion --------------------------------------------------------------------

void TfrmVerwaltung::Refuse(SoundKind sound, const std::string& message) {
  services_.sound.Beep(sound);
  services_.dialogs.MessageDlg(MsgKind::Plain, message);
}

void TfrmVerwaltung::btnNewFolderClick() { NewEntry(ArchiveKind::Folder); }

void TfrmVerwaltung::btnNewFileClick() {
  NewEntry(ArchiveKind::Text);
  TreeNode* node = Selected();
  if (!node || ArchiveKindOf(*node) != ArchiveKind::Text) return;
  const std::string clip = clipboard_.GetText();
  if (clip.empty()) return;
  if (services_.dialogs.MessageDlg(MsgKind::Confirmation,
                                   "In der Zwischenablage befindet sich Text. Soll der übernommen werden?",
                                   MsgButtons::YesNo) != MsgResult::Yes)
    return;
  // As a paste into the editor: a user edit.
  mmTextChange(NormalizeLineBreaks(clip), true);
}

void TfrmVerwaltung::NewEntry(ArchiveKind kind) {
  TreeNode* parent = Selected();
  if (!parent) return Refuse(SoundKind::Default, "Wählen Sie noch einen Ordner aus");
  if (ArchiveKindOf(*parent) == ArchiveKind::Text && parent->Parent()) {
    if (!Select(parent->Parent())) return;
    parent = Selected();
  }
  std::string name;
  if (!services_.dialogs.InputQuery("Neuer Eintrag", "Wie lautet der Name?", name)) return;
  if (NameExists(parent->GetFirstChild(), name, true))
    return Refuse(SoundKind::Default, "Ein Eintrag mit diesem Namen existiert bereits");
  if (!CanHold(*parent)) return Refuse(SoundKind::Default, "Eintrag dieser Art hier nicht möglich!");
  TreeNode& entry = store_.NewEntry(*parent, name, kind, services_.collation, CurrentTimeId());
  parent->expanded = true;
  ChangedFlag = true;
  ++treeVersion;
  Select(&entry);
  focusRequest = kind == ArchiveKind::Text ? ArchiveFocus::mmText : ArchiveFocus::TreeView;
}

void TfrmVerwaltung::btnDeleteClick() {
  TreeNode* node = Selected();
  if (!node) return Refuse(SoundKind::Default, "Kein Eintrag ausgewählt");
  if (!node->Parent()) return Refuse(SoundKind::Default, "Der Basiseintarg kann nicht gelöscht werden");
  const std::string question =
      ArchiveKindOf(*node) == ArchiveKind::Folder
          ? Quoted("Wenn Sie den Ordner ", node->text,
                   " löschen, gehen alle darin enthaltenen Ordner und Texte verloren! Der Vorgang ist unwideruflich! "
                   "Wollen Sie fortfahren?")
          : Quoted("Der Text ", node->text, " wurde zum Löschen ausgewählt! Löschen durchführen?");
  if (services_.dialogs.MessageDlg(MsgKind::Confirmation, question, MsgButtons::YesNo) != MsgResult::Yes) return;
  // The text goes away: its pending edits are not offered. Its file goes when the archive without
  // it is saved, so that closing with "Nein" keeps entries and texts together.
  btnSaveEnabled = false;
  store_.DeleteTextFiles(*node);
  TreeNode* parent = node->Parent();
  Tree().SetSelected(nullptr);
  Tree().Delete(node);
  ChangedFlag = true;
  ++treeVersion;
  TreeViewChange(parent);
  focusRequest = ArchiveFocus::TreeView;
}

// ---- Renaming and moving -------------------------------------------------------------------------

bool TfrmVerwaltung::TreeViewKeyF2() const { return TreeViewEditing(Selected()); }

bool TfrmVerwaltung::TreeViewEditing(const TreeNode* node) const {
  return node && node != store_.Tree().GetFirstNode() && node->Parent();
}

bool TfrmVerwaltung::TreeViewEdited(TreeNode* node, const std::string& name) {
  if (!node || !TreeViewEditing(node) || NameExists(node, name, true)) return false;
  store_.Rename(*node, name, services_.collation);
  if (node == Selected() && ArchiveKindOf(*node) == ArchiveKind::Text) txtName = name;
  // A rename is a change like any other: closing without saving asks about it.
  ChangedFlag = true;
  ++treeVersion;
  return true;
}

bool TfrmVerwaltung::TreeViewDragDrop(TreeNode* source, TreeNode* target) {
  if (!target || !source) return false;
  if (target == source || target == source->Parent()) {
    Refuse(SoundKind::Exclamation, "Aktion nicht möglich, da Quelle und Ziel identisch sind!");
    return false;
  }
  if (!source->Parent()) {
    Refuse(SoundKind::Exclamation, "Die Basis kann nicht verschoben werden");
    return false;
  }
  if (IsAncestorOrSelf(source, target)) {
    Refuse(SoundKind::Exclamation, "Der Übergeordnete kann nicht auf einen Untergeordneten verschoben werden!");
    return false;
  }
  if (NameExists(target->GetFirstChild(), source->text, true)) {
    Refuse(SoundKind::Exclamation, "Ein Eintrag selben Namens existiert hier bereits!");
    return false;
  }
  if (!CanHold(*target)) {
    Refuse(SoundKind::Default, "Diese Art von Eintrag kann hier nicht platziert werden!");
    return false;
  }
  if (!MoveSubtree(Tree(), *source, *target)) return false;
  for (TreeNode* n = target; n && (n == target || IsAncestorOrSelf(target, n)); n = n->GetNext()) n->expanded = true;
  // A move is a change like any other: closing without saving asks about it.
  ChangedFlag = true;
  ++treeVersion;
  return true;
}

void TfrmVerwaltung::TreeViewExpanded(TreeNode* node, bool expanded) {
  if (node) node->expanded = expanded;
}

// ---- Menu -----------------------------------------------------------------------------------------

void TfrmVerwaltung::mnuBearbeitenClick() { mnuSearchEnabled = state == ArchiveState::Text; }

void TfrmVerwaltung::mnuExtrasClick() {
  // Asked as before a selection change; the edits are no longer marked after "Nein".
  AskPendingEdit();
  mnuTextCommandsEnabled = state == ArchiveState::Text;
}

void TfrmVerwaltung::SetUpMemoSearch(TMemoSearch& search) {
  search.SearchKey = kShortCutCtrl | 'F';
  search.ReplaceKey = kShortCutCtrl | 'H';
  search.SearchAgainKey = kVirtualKeyF3;
  search.HideAfterSearch = false;
  search.Options = frDown | frFindNext | frReplace | frReplaceAll;
  search.PromptReplace = false;
  search.ShowReplaceCount = false;
  search.HelpContext = 0;
}

void TfrmVerwaltung::mnuSearchClick(TMemoSearch& search) {
  if (state == ArchiveState::Text) search.Find("");
}

void TfrmVerwaltung::mnuFindNextClick(TMemoSearch& search) {
  if (state != ArchiveState::Text) return;
  if (search.SearchString().empty()) search.Find("");
  else search.SearchAgain();
}

FileDialogOptions TfrmVerwaltung::TextFileDialog(const std::string& title) const {
  FileDialogOptions options;
  options.title = title;
  options.filter = kTextFilter;
  options.defaultExt = "txt";
  options.initialDir = appDir_;
  return options;
}

void TfrmVerwaltung::mnuLoadFileClick() {
  if (state != ArchiveState::Text) return;
  FileDialogOptions options = TextFileDialog("Externe Textdatei öffnen...");
  options.pathMustExist = options.fileMustExist = true;
  std::string path;
  if (!services_.dialogs.OpenFile(options, path)) return;
  const auto text = ReadTextFile(path);
  if (!text) {
    services_.dialogs.MessageDlg(MsgKind::Error, Quoted("Die Datei ", path, " konnte nicht gelesen werden."));
    return;
  }
  mmText = *text;
  mmTextModified = false;
  btnSaveEnabled = true;
}

void TfrmVerwaltung::mnuSaveFileClick() {
  if (state != ArchiveState::Text) return;
  std::string path;
  if (!services_.dialogs.SaveFile(TextFileDialog("In Textdatei speichern..."), path)) return;
  try {
    WriteTextFile(path, NormalizeLineBreaks(mmText));
  } catch (const FileError& e) {
    services_.dialogs.MessageDlg(MsgKind::Error, std::string("Der Text konnte nicht gespeichert werden: ") + e.what());
  }
}

void TfrmVerwaltung::mnuDeleteTextClick() {
  if (state != ArchiveState::Text) return;
  mmText.clear();
  mmTextModified = false;
  btnSaveEnabled = true;
}

void TfrmVerwaltung::mnuEditorClick() {
  TreeNode* node = Selected();
  if (state != ArchiveState::Text || !node || mmText.empty()) return;
  services_.shell.Execute(store_.TextFilePath(*node), "", ShowState::Normal);
}

bool TfrmVerwaltung::mnuFontClick(FontSpec& font) {
  if (!services_.fonts.Choose(font)) return false;
  AFont = FontString(font);
  return true;
}

void TfrmVerwaltung::mnuExpandAllClick() { ExpandAll(true); }
void TfrmVerwaltung::mnuCollapseAllClick() { ExpandAll(false); }

void TfrmVerwaltung::ExpandAll(bool expanded) {
  for (TreeNode* node = Tree().GetFirstNode(); node; node = node->GetNext()) node->expanded = expanded;
  ++treeVersion;
}

}  // namespace fenu
