#include "store/TForm1.h"

#include <algorithm>
#include <filesystem>

#include "common/Help.h"
#include "common/HotkeySpec.h"
#include "common/Settings.h"
#include "common/ShellCommands.h"
#include "core/Cp1252.h"
#include "core/Errors.h"
#include "core/FileIo.h"
#include "expansion/Expansion.h"
#include "model/FontString.h"
#include "model/TreeOps.h"
#include "tools/TfrmInfo.h"

namespace fenu {
namespace {

const char* kShowItems[] = {kShowYes, kShowNo};
constexpr const char* kAskApply = "Die Eintragung wurde geändert! Änderung übernehmen?";
constexpr const char* kAskSave = "Die Datenbank wurde geändert! Änderungen speichern?";
constexpr const char* kDatabaseFilter = "Textbausteindateien (*.bdb)|*.bdb";
constexpr const char* kTextFilter = "Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*";

std::string Format(const char* pattern, const std::string& value) {
  std::string out;
  for (const char* p = pattern; *p; ++p) {
    if (p[0] == '%' && p[1] == 's') {
      out += value;
      ++p;
    } else {
      out += *p;
    }
  }
  return out;
}

bool KeyAllowed(char key) {
  return key == '\b' || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z');
}

int ShowIndex(const std::string& show) { return show == kShowNo ? 1 : 0; }

void CollectTextFiles(const TreeNode& node, std::vector<std::string>& files) {
  if (const auto data = GetBlockData(node); data && !data->textFileName.empty()) files.push_back(data->textFileName);
  for (std::size_t i = 0; i < node.Count(); ++i) CollectTextFiles(*node.Item(i), files);
}

bool CanHoldEntries(const TreeNode& node) {
  const EntryKind kind = KindOf(node);
  return kind == EntryKind::Base || kind == EntryKind::Folder;
}

}  // namespace

const std::vector<MenuBarEntry>& TForm1::MenuBar() {
  static const std::vector<MenuBarEntry> menu = {
      {"&Datei", 0,
       {{mnuNewDatabase, "&Neue Datenbank"},
        {mnuOpenDatabase, "Datenbank ö&ffnen"},
        {mnuSaveDatabase, "Datenbank &speichern"},
        {0, ""},
        {mnuExit, "&Beenden"}}},
      {"&Bearbeiten", 0,
       {{mnuUndo, "&Rückgängig\tAlt+Rück"},
        {0, ""},
        {mnuCut, "&Ausschneiden\tStrg+X"},
        {mnuCopy, "&Kopieren\tStrg+C"},
        {mnuPaste, "&Einfügen\tStrg+V"},
        {0, ""},
        {mnuSelectAll, "Alles &markieren"}}},
      {"&Ansicht", 0, {{mnuExpand, "Baum &erweitern"}, {mnuCollapse, "Baum &reduzieren"}}},
      {"&Textbaustein", 0,
       {{mnuVariables, "&Variablen einsetzen"},
        {mnuPreview, "V&orschau"},
        {0, ""},
        {mnuLoadText, "Text aus Datei &laden"},
        {mnuSaveText, "Text in Datei &speichern"},
        {0, ""},
        {mnuFont, "Schrift&art"},
        {0, ""},
        {mnuFindId, "Nach &ID suchen"}}},
      {"&Optionen", mnuOptions, {}},
      {"&Hilfe", 0,
       {{mnuHelp, "quenlia:Fenu-&Hillfe"}, {mnuAbout, "Ü&ber quenlia:Fenu"}, {0, ""}, {mnuMail, "&Fragen, Anregungen"}}},
  };
  return menu;
}

std::vector<std::string> TForm1::CaptionsOn(Form1Page shown) {
  std::vector<std::string> captions = {kAddFolder, kAddFile, kRemove};
  switch (shown) {
    case Form1Page::Root: break;
    case Form1Page::Folder: captions.insert(captions.end(), {kFName, kFShort, kApply}); break;
    case Form1Page::File:
      captions.insert(captions.end(), {kPName, kPShort, kPLong, kPShow, kApply, kMemo, kVariable, kPreview});
      break;
  }
  return captions;
}

TForm1::TForm1(Services& services, IForm1Dialogs& dialogs, std::string appDir)
    : services_(services), dialogs_(dialogs), appDir_(std::move(appDir)), db_(appDir_) {
  UseBlockDataSize(db_.Tree());
}

// ---- Opening and closing -----------------------------------------------------------------------

bool TForm1::FormCreate() {
  const IniDocument settings = IniFile(SettingsPath(appDir_)).Load();
  auto text = [&](const char* section, const char* key, const char* def) {
    return settings.Value(section, key).value_or(def);
  };
  Label8 = ShellHotkeyLabel(settings, kHotkeySlots[0]);
  stick_ = settings.Integer("Main", "Stick", 0) != 0;
  BFont = text("Main", "BFont", "");
  BSplitter = settings.Integer("Main", "BSplitter", 233);
  const std::string databaseFile = ResolveStick(appDir_, text("Main", "CurrentDB", "Standard.adb"), stick_);
  db_.SetAbbreviationIndex(ResolveStick(appDir_, text("Main", "CurDirectDB", "Standard.kdb"), stick_));
  databaseFolder_ = ExtractFilePath(databaseFile);
  db_.SetBlockDir(BlockDirOf(databaseFile));
  FileLabel = databaseFile;
  if (!OpenDatabaseReporting(databaseFile)) return false;
  FileLabel = db_.DatabaseFile();
  Recount();
  ++treeVersion;
  ShowPageOf(Selected());
  return true;
}

bool TForm1::OpenDatabaseReporting(const std::string& path) {
  try {
    db_.OpenDatabase(services_.dialogs, path);
    return true;
  } catch (const DamagedFileError& e) {
    services_.dialogs.MessageDlg(MsgKind::Error, e.what());
  } catch (const FileError& e) {
    services_.dialogs.MessageDlg(MsgKind::Error, std::string("Die Datenbank konnte nicht angelegt werden: ") + e.what());
  }
  return false;
}

bool TForm1::FormCloseQuery() {
  if (btnPOkEnabled &&
      services_.dialogs.MessageDlg(MsgKind::Confirmation, kAskApply, MsgButtons::YesNo) == MsgResult::Yes)
    ApplyBlock();
  if (!ChangedFlag) return true;
  switch (services_.dialogs.MessageDlg(MsgKind::Confirmation, kAskSave, MsgButtons::YesNoCancel)) {
    case MsgResult::Cancel: return false;
    case MsgResult::Yes: return SaveCurrentDatabase();
    default: return true;
  }
}

void TForm1::KeepLayout(int splitter, const std::string& font) {
  BSplitter = splitter;
  BFont = font;
}

void TForm1::FormClose() {
  const std::string databaseFile = stick_ ? StickName(db_.DatabaseFile()) : db_.DatabaseFile();
  const std::string abbreviationIndex = stick_ ? StickName(db_.AbbreviationIndex()) : db_.AbbreviationIndex();
  try {
    IniFile settings(SettingsPath(appDir_));
    IniDocument doc = settings.Load();
    doc.SetValue("Main", "CurrentDB", databaseFile);
    doc.SetValue("Main", "CurDirectDB", abbreviationIndex);
    if (!BFont.empty()) doc.SetValue("Main", "BFont", BFont);
    doc.SetValue("Main", "BSplitter", std::to_string(BSplitter));
    settings.Save(doc);
  } catch (const FileError&) {
    // Settings that cannot be written on closing are given up quietly.
  }
}

bool TForm1::SaveCurrentDatabase() {
  try {
    db_.SaveDatabase(db_.DatabaseFile());
  } catch (const FileError& e) {
    services_.dialogs.MessageDlg(MsgKind::Error,
                                 std::string("Die Datenbank konnte nicht gespeichert werden: ") + e.what());
    return false;
  }
  // Deleted blocks are gone from the saved tree now; their texts may go too.
  for (const std::string& name : pendingDeletions_) {
    std::error_code ignored;
    std::filesystem::remove(ToFsPath(db_.BlockDir() + name), ignored);
  }
  pendingDeletions_.clear();
  return true;
}

void TForm1::SaveBeforeReplacing() {
  if (ChangedFlag &&
      services_.dialogs.MessageDlg(MsgKind::Confirmation, kAskSave, MsgButtons::YesNoCancel) == MsgResult::Yes)
    SaveCurrentDatabase();
}

// ---- Selection and pages -----------------------------------------------------------------------

void TForm1::Select(TreeNode* node) {
  if (node == Selected()) return;
  tv_eg5Changing();
  tv_eg5Change(node);
}

void TForm1::tv_eg5Changing() {
  TreeNode* node = Selected();
  if (!node) return;
  const EntryKind kind = KindOf(*node);
  if (kind == EntryKind::Block && btnPOkEnabled) {
    if (services_.dialogs.MessageDlg(MsgKind::Confirmation, kAskApply, MsgButtons::YesNo) == MsgResult::Yes)
      ApplyBlock();
    btnPOkEnabled = false;
  } else if (kind == EntryKind::Folder && btnFOkEnabled) {
    if (services_.dialogs.MessageDlg(MsgKind::Confirmation, kAskApply, MsgButtons::YesNo) == MsgResult::Yes)
      ApplyFolder();
    btnFOkEnabled = false;
  }
}

void TForm1::tv_eg5Change(TreeNode* node) {
  db_.Tree().SetSelected(node);
  ShowPageOf(node);
}

void TForm1::ShowPageOf(TreeNode* node) {
  focusRequest.reset();
  if (!node) return;
  const auto data = GetBlockData(*node);
  switch (KindOf(*node)) {
    case EntryKind::Base:
      page = Form1Page::Root;
      but_RemoveEnabled = false;
      but_AddFolderEnabled = but_AddFileEnabled = true;
      mnuTextbausteinEnabled = false;
      StatusBar = "Name der Datenbank";
      break;
    case EntryKind::Folder:
      page = Form1Page::Folder;
      but_RemoveEnabled = but_AddFolderEnabled = but_AddFileEnabled = true;
      txtFName = node->text;
      txtFShort = data ? data->quickKey : "";
      cbxFShow = data ? ShowIndex(data->show) : 0;
      StatusBar.clear();
      btnFOkEnabled = false;
      mnuTextbausteinEnabled = false;
      break;
    case EntryKind::Block: {
      page = Form1Page::File;
      but_RemoveEnabled = but_AddFolderEnabled = but_AddFileEnabled = true;
      mnuTextbausteinEnabled = true;
      txtPName = node->text;
      txtPShort = data ? data->quickKey : "";
      txtPLong = data ? data->abbreviation : "";
      cbxPShow = data ? ShowIndex(data->show) : 0;
      const std::string fileName = data ? data->textFileName : "";
      const std::string id = fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : fileName;
      StatusBar = "Baustein-ID: " + id;
      currentTextFile_ = db_.BlockDir() + fileName;
      const auto text = IsSafeTextFileName(fileName) ? ReadTextFile(currentTextFile_) : std::nullopt;
      Memo1 = text.value_or("");
      Memo1Modified = false;
      btnPOkEnabled = false;
      break;
    }
    case EntryKind::Unknown:
      break;
  }
}

void TForm1::Recount() {
  const EntryCounts counts = db_.Counts();
  Label17 = std::to_string(counts.folders);
  Label18 = std::to_string(counts.blocks);
}

// ---- Change tracking ---------------------------------------------------------------------------

void TForm1::EnableBlockApply() {
  btnPOkEnabled = true;
  ChangedFlag = true;
}

void TForm1::EnableFolderApply() {
  btnFOkEnabled = true;
  ChangedFlag = true;
}

void TForm1::FieldChange(Form1Field field, const std::string& text) {
  switch (field) {
    case Form1Field::txtPName: txtPName = text; break;
    case Form1Field::txtPShort: txtPShort = text; break;
    case Form1Field::txtPLong: txtPLong = text; break;
    case Form1Field::txtFName: txtFName = text; break;
    case Form1Field::txtFShort: txtFShort = text; break;
  }
}

bool TForm1::KeyPress(Form1Field field, char key) {
  switch (field) {
    case Form1Field::txtPName: EnableBlockApply(); return true;
    case Form1Field::txtFName: EnableFolderApply(); return true;
    case Form1Field::txtPShort:
    case Form1Field::txtPLong:
      btnPOkEnabled = true;
      btnFOkEnabled = true;
      ChangedFlag = true;
      return KeyAllowed(key);
    case Form1Field::txtFShort: EnableFolderApply(); return KeyAllowed(key);
  }
  return true;
}

void TForm1::MouseDown(Form1Field field) {
  if (field == Form1Field::txtFName || field == Form1Field::txtFShort) EnableFolderApply();
  else EnableBlockApply();
}

void TForm1::cbxPShowChange(int index) {
  cbxPShow = index;
  EnableBlockApply();
}

void TForm1::cbxFShowChange(int index) {
  cbxFShow = index;
  EnableFolderApply();
}

void TForm1::Memo1Change(const std::string& text, bool modified) {
  Memo1 = text;
  Memo1Modified = modified;
  if (!text.empty()) btnPOkEnabled = modified;  // an editor always holds a line once it holds text
  if (!ChangedFlag) ChangedFlag = btnPOkEnabled;
}

void TForm1::txtPLongDblClick() {
  std::string keys;
  TreeNode* node = Selected();
  for (TreeNode* folder = node ? node->Parent() : nullptr; folder; folder = folder->Parent()) {
    if (const auto data = GetBlockData(*folder)) keys = data->quickKey + keys;
  }
  txtPLong = LowerCaseAscii(keys + txtPShort);
}

// ---- Variables and preview -------------------------------------------------------------------------

void TForm1::Memo1Select(int start, int length) {
  Memo1SelStart = start;
  Memo1SelLength = length;
}

void TForm1::btnVariableClick(bool memoFocused) {
  if (!memoFocused) {
    services_.dialogs.MessageDlg(MsgKind::Information, "Der Cursor muß sich im Feld Baustein-Text befinden!");
    return;
  }
  TfrmVariables window(services_, dialogs_.Prompts(), dialogs_.Clock(), dialogs_.Locale(), *this, appDir_);
  if (window.FormCreate()) dialogs_.ShowVariables(window);
}

void TForm1::InsertIntoBlockText(std::string_view text, bool atStart) {
  const int length = static_cast<int>(Memo1.size());
  int at = atStart ? 0 : std::clamp(Memo1SelStart, 0, length);
  // The selection collapses: selected text stays where it is.
  std::string changed = Memo1;
  changed.insert(static_cast<std::size_t>(at), text);
  at += static_cast<int>(text.size());
  Memo1SelStart = at;
  Memo1SelLength = 0;
  memoSelectionRequest = true;
  Memo1Change(changed, true);
}

std::optional<std::string> TForm1::SaveDatabaseForVariables() {
  if (!SaveCurrentDatabase()) return std::nullopt;
  return db_.DatabaseFile();
}

void TForm1::btnPreviewClick() {
  ExpansionEngine engine(dialogs_.Prompts(), dialogs_.Clock(), dialogs_.Locale(), services_.dialogs);
  const ExpansionResult result = engine.ExpandText(Memo1, db_.BlockDir());
  // A marker without a usable day count has been reported; there is nothing to show.
  if (!result.ok) return;
  dialogs_.ShowMemo(result.text);
}

// ---- Apply ---------------------------------------------------------------------------------------

// The button disables itself once the edit is applied; the tree takes the focus it had.
void TForm1::btnPOkClick() {
  if (ApplyBlock()) focusRequest = Form1Focus::tv_eg5;
}

void TForm1::btnFOkClick() {
  if (ApplyFolder()) focusRequest = Form1Focus::tv_eg5;
}

void TForm1::PageKeyEnter() {
  if (page == Form1Page::File && btnPOkEnabled) ApplyBlock();
  else if (page == Form1Page::Folder && btnFOkEnabled) ApplyFolder();
}

bool TForm1::ApplyBlock() {
  TreeNode* node = Selected();
  if (!node || KindOf(*node) != EntryKind::Block) return false;
  txtPShort = UpperCaseAscii(txtPShort);
  txtPLong = LowerCaseAscii(txtPLong);
  if (RefuseTakenQuickKey(*node, txtPShort, Form1Focus::txtPShort)) return false;
  if (!txtPLong.empty()) {
    for (TreeNode* other = db_.Tree().GetFirstNode(); other; other = other->GetNext()) {
      if (other == node) continue;
      const auto data = GetBlockData(*other);
      if (data && data->abbreviation == txtPLong) {
        services_.dialogs.MessageDlg(MsgKind::Error, Format("Ein Eintrag mit dem Kürzel \"%s\" existiert bereits!", txtPLong));
        focusRequest = Form1Focus::txtPLong;
        return false;
      }
    }
  }
  BlockData data = GetBlockData(*node).value_or(NewBlockData());
  data.show = kShowItems[cbxPShow == 1 ? 1 : 0];
  data.quickKey = txtPShort.substr(0, 1);
  data.abbreviation = txtPLong.substr(0, 10);
  data.preview = BlockPreview(Memo1);
  data.extra1.clear();
  data.extra2.clear();
  const std::string textFile = db_.BlockDir() + data.textFileName;
  if (!IsSafeTextFileName(data.textFileName)) {
    services_.dialogs.MessageDlg(MsgKind::Error, "Der Baustein hat keinen gültigen Dateinamen: \"" + data.textFileName + "\"");
    return false;
  }
  try {
    WriteTextFile(textFile, Memo1);
  } catch (const FileError& e) {
    // Ending the program here would take every unsaved change of the tree with it.
    services_.dialogs.MessageDlg(MsgKind::Error, std::string("Der Text konnte nicht gespeichert werden: ") + e.what());
    return false;
  }
  SetBlockData(*node, data);
  node->text = txtPName;
  SortSiblingsByCaption(node);
  btnPOkEnabled = false;
  return true;
}

bool TForm1::RefuseTakenQuickKey(TreeNode& node, const std::string& key, Form1Focus field) {
  if (key.empty() || !QuickKeyExists(&node, key, false)) return false;
  services_.dialogs.MessageDlg(
      MsgKind::Error, Format("Ein Eintrag mit der Kurztaste \"%s\" existiert bereits in der aktuelle Gruppe/Ebene!", key));
  focusRequest = field;
  return true;
}

bool TForm1::ApplyFolder() {
  TreeNode* node = Selected();
  if (!node || KindOf(*node) != EntryKind::Folder) return false;
  txtFShort = UpperCaseAscii(txtFShort);
  if (RefuseTakenQuickKey(*node, txtFShort, Form1Focus::txtFShort)) return false;
  BlockData data = GetBlockData(*node).value_or(NewBlockData());
  data.show = kShowYes;
  data.quickKey = txtFShort.substr(0, 1);
  data.preview = "-";
  SetBlockData(*node, data);
  node->text = txtFName;
  SortSiblingsByCaption(node);
  btnFOkEnabled = false;
  return true;
}

// ---- Order of siblings ---------------------------------------------------------------------------

void TForm1::SortTree() {
  SortTextsFirst(db_.Tree(), services_.collation);
  ++treeVersion;
}

void TForm1::SortSiblingsByCaption(TreeNode* node) {
  SortSiblingsByName(db_.Tree(), *node, services_.collation);
  ++treeVersion;
}

// ---- New entries and deletion --------------------------------------------------------------------

void TForm1::Refuse(SoundKind sound, const std::string& message) {
  services_.sound.Beep(sound);
  services_.dialogs.MessageDlg(MsgKind::Plain, message);
}

void TForm1::but_AddFolderClick() { NewEntry(true); }
void TForm1::but_AddFileClick() { NewEntry(false); }

void TForm1::NewEntry(bool folder) {
  TreeNode* parent = Selected();
  if (!parent) return Refuse(SoundKind::Default, "Wählen Sie noch einen Ordner aus");
  if (KindOf(*parent) == EntryKind::Block && parent->Parent()) parent = parent->Parent();
  std::string name;
  do {
    name.clear();
    if (!services_.dialogs.InputQuery("Neuer Eintrag", "Und wie soll's heißen?", name)) return;
  } while (name.empty());
  if (NameExists(parent->GetFirstChild(), name, true))
    return Refuse(SoundKind::Default, "Ein Eintrag mit diesem Namen existiert bereits");
  if (!CanHoldEntries(*parent)) return Refuse(SoundKind::Default, "Eintrag dieser Art hier nicht möglich!");

  TreeNode& entry = db_.Tree().AddChildFirst(parent, name);
  BlockData data = NewBlockData();
  if (folder) {
    entry.imageIndex = kImageFolder;
    entry.selectedIndex = kImageFolderSelected;
  } else {
    entry.imageIndex = kImageBlock;
    entry.selectedIndex = kImageBlockSelected;
    data.textFileName = UniqueTimeId(db_.Tree(), db_.BlockDir(), CurrentTimeId()) + kTextFileExtension;
    // The editor keeps the old block's text until the selection has moved: a pending edit of
    // that block is asked about first and must not be applied with an emptied text.
    try {
      WriteTextFile(db_.BlockDir() + data.textFileName, "");
    } catch (const FileError& e) {
      db_.Tree().Delete(&entry);
      services_.dialogs.MessageDlg(MsgKind::Error, std::string("Der Baustein konnte nicht angelegt werden: ") + e.what());
      return;
    }
  }
  SetBlockData(entry, data);
  parent->expanded = true;
  Select(&entry);
  SortTree();
  Recount();
  ChangedFlag = true;
  focusRequest = folder ? Form1Focus::txtFName : Form1Focus::txtPName;
}

void TForm1::but_RemoveClick() {
  TreeNode* node = Selected();
  if (!node) return Refuse(SoundKind::Default, "Kein Eintrag ausgewählt");
  if (!node->Parent() && KindOf(*node) == EntryKind::Base)
    return Refuse(SoundKind::Default, "Der Basiseintrag kann nicht gelöscht werden");
  const std::string question =
      KindOf(*node) == EntryKind::Block
          ? Format("Der Baustein \"%s\" wurde zum Löschen ausgewählt! Der Vorgang ist unwideruflich! Fortfahren?", node->text)
          : Format("Wenn Sie den Ordner \"%s\" löschen, gehen alle darin enthaltenen Ordner und Texte verloren! Der "
                   "Vorgang ist unwideruflich! Wollen Sie fortfahren?",
                   node->text);
  if (services_.dialogs.MessageDlg(MsgKind::Confirmation, question, MsgButtons::YesNo) != MsgResult::Yes) return;
  // The texts go only when the tree without them is saved; until then closing with "Nein" keeps
  // blocks and texts together.
  std::vector<std::string> files;
  CollectTextFiles(*node, files);
  for (const std::string& file : files)
    if (IsSafeTextFileName(file)) pendingDeletions_.push_back(file);
  TreeNode* parent = node->Parent();
  btnPOkEnabled = btnFOkEnabled = false;
  db_.Tree().SetSelected(nullptr);
  db_.Tree().Delete(node);
  ++treeVersion;
  tv_eg5Change(parent ? parent : db_.Tree().GetFirstNode());
  Recount();
  ChangedFlag = true;
  // "Löschen" may now be disabled (the base entry is selected): the tree keeps the focus.
  focusRequest = Form1Focus::tv_eg5;
}

void TForm1::tv_eg5KeyDelete() { but_RemoveClick(); }

// ---- Dragging -------------------------------------------------------------------------------------

bool TForm1::tv_eg5DragDrop(TreeNode* dragged, TreeNode* target) {
  if (!target || !dragged) return false;
  if (target == dragged || target == dragged->Parent()) {
    Refuse(SoundKind::Exclamation, "Aktion nicht möglich, da Quelle und Ziel identisch sind!");
    return false;
  }
  if (dragged->Level() == 0) {
    Refuse(SoundKind::Exclamation, "Die Basis kann nicht verschoben werden");
    return false;
  }
  if (IsAncestorOrSelf(dragged, target)) {
    Refuse(SoundKind::Exclamation, "Der Übergeordnete kann nicht auf einen Untergeordneten verschoben werden!");
    return false;
  }
  if (NameExists(target->GetFirstChild(), dragged->text, true)) {
    Refuse(SoundKind::Exclamation, "Ein Eintrag selben Namens existiert hier bereits!");
    return false;
  }
  const auto data = GetBlockData(*dragged);
  const bool keyClash = data && QuickKeyExists(target->GetFirstChild(), data->quickKey, true);
  if (!CanHoldEntries(*target)) {
    Refuse(SoundKind::Default, "Diese Art von Eintrag kann hier nicht platziert werden!");
    return false;
  }
  if (keyClash) {
    services_.dialogs.MessageDlg(MsgKind::Information,
                                 "Die Kurztaste ist im Ziel schon vergeben. Um Duplikate zu vermeiden wird die gezogene "
                                 "Kurztaste gelöscht!");
    BlockData cleared = *data;
    cleared.quickKey.clear();
    SetBlockData(*dragged, cleared);
  }
  if (!MoveSubtree(db_.Tree(), *dragged, *target)) return false;
  for (TreeNode* n = target; n; n = n->GetNext()) {
    if (n != target && !IsAncestorOrSelf(target, n)) break;
    n->expanded = true;
  }
  ++treeVersion;
  // A move is a change like any other: closing without saving asks about it.
  ChangedFlag = true;
  if (Selected() == dragged) ShowPageOf(dragged);
  return true;
}

// ---- The tree's branches -----------------------------------------------------------------------

void TForm1::tv_eg5Expanded(TreeNode* node, bool expanded) {
  // The tree shows it already: no rebuild.
  if (node) node->expanded = expanded;
}

void TForm1::mnuExpandClick() { ExpandAll(true); }
void TForm1::mnuCollapseClick() { ExpandAll(false); }

void TForm1::ExpandAll(bool expanded) {
  for (TreeNode* node = db_.Tree().GetFirstNode(); node; node = node->GetNext()) node->expanded = expanded;
  ++treeVersion;
}

// ---- Menu -----------------------------------------------------------------------------------------

FileDialogOptions TForm1::DatabaseDialog(const std::string& title, const std::string& initialDir) {
  FileDialogOptions options;
  options.title = title;
  options.filter = kDatabaseFilter;
  options.defaultExt = "bdb";
  options.initialDir = initialDir;
  return options;
}

FileDialogOptions TForm1::TextDialog(const std::string& title) {
  FileDialogOptions options;
  options.title = title;
  options.filter = kTextFilter;
  options.defaultExt = "txt";
  return options;
}

void TForm1::mnuNewDatabaseClick() {
  SaveBeforeReplacing();
  FileDialogOptions options = DatabaseDialog("Textbausteindatei speichern unter...", databaseFolder_);
  options.overwritePrompt = true;
  options.pathMustExist = true;
  std::string path;
  if (services_.dialogs.SaveFile(options, path)) {
    // Deletions that were not saved stay undone on disk: the old tree still lists those blocks.
    pendingDeletions_.clear();
    db_.Tree().Clear();
    btnPOkEnabled = btnFOkEnabled = false;
    db_.SetDatabaseFile(path);
    db_.SetAbbreviationIndex(AbbreviationIndexOf(path));
    db_.EnsureRoot(DatabaseName(path));
    try {
      db_.SaveDatabase(path);
    } catch (const FileError& e) {
      services_.dialogs.MessageDlg(MsgKind::Error, std::string("Die Datenbank konnte nicht angelegt werden: ") + e.what());
    }
    ++treeVersion;
    ShowPageOf(Selected());
  }
  Recount();
  FileLabel = db_.DatabaseFile();
}

void TForm1::mnuOpenDatabaseClick() {
  SaveBeforeReplacing();
  std::string path;
  if (!services_.dialogs.OpenFile(DatabaseDialog("Textbausteindatei öffnen", databaseFolder_), path)) return;
  // A database that cannot be read leaves this one loaded, with its edits and deletions.
  if (!OpenDatabaseReporting(path)) return;
  pendingDeletions_.clear();
  btnPOkEnabled = btnFOkEnabled = false;
  db_.SetAbbreviationIndex(AbbreviationIndexOf(db_.DatabaseFile()));
  FileLabel = db_.DatabaseFile();
  Recount();
  ++treeVersion;
  ShowPageOf(Selected());
}

void TForm1::mnuSaveDatabaseClick() {
  if (SaveCurrentDatabase()) ChangedFlag = false;
}

void TForm1::mnuLoadTextClick() {
  if (page != Form1Page::File) return;
  std::string path;
  if (!services_.dialogs.OpenFile(TextDialog("Externe Datei öffnen"), path) || !FileExists(path)) return;
  const auto text = ReadTextFile(path);
  if (!text) return;
  Memo1 = *text;
  Memo1Modified = false;
  btnPOkEnabled = true;
}

void TForm1::mnuSaveTextClick() {
  if (page != Form1Page::File) return;
  FileDialogOptions options = TextDialog("In externe Datei speichern");
  options.overwritePrompt = true;
  std::string path;
  if (!services_.dialogs.SaveFile(options, path)) return;
  try {
    WriteTextFile(path, Memo1);
  } catch (const FileError& e) {
    services_.dialogs.MessageDlg(MsgKind::Error, e.what());
  }
}

bool TForm1::mnuFontClick(FontSpec& font) {
  if (!services_.fonts.Choose(font)) return false;
  BFont = FontString(font);
  return true;
}

void TForm1::mnuFindIdClick() {
  std::string id;
  if (!services_.dialogs.InputQuery("Baustein ermitteln", "Wie lautet die Baustein-ID?", id)) return;
  const std::string wanted = id + kTextFileExtension;
  for (TreeNode* node = db_.Tree().GetFirstNode(); node; node = node->GetNext()) {
    const auto data = GetBlockData(*node);
    if (!data || data->textFileName.empty()) continue;
    if (data->textFileName == wanted) {
      for (TreeNode* up = node->Parent(); up; up = up->Parent()) up->expanded = true;
      Select(node);
      ++treeVersion;
      return;
    }
  }
  services_.dialogs.MessageDlg(MsgKind::Information, "Zu dieser ID konnte kein Baustein ermittelt werden!");
}

void TForm1::mnuOptionsClick() { dialogs_.ShowOptions(db_.DatabaseFile()); }

void TForm1::mnuHelpClick() { ShowHelpContext(services_.help, appDir_, kHelpContext); }

void TForm1::FormHelp() { mnuHelpClick(); }

void TForm1::mnuAboutClick() {
  TfrmInfo info(services_, appDir_, stick_);
  dialogs_.ShowInfo(info);
}

void TForm1::mnuMailClick() {
  if (services_.dialogs.MessageDlg(MsgKind::Confirmation,
                                   "Wollen Sie eine Mail mit Anregungen, Verbesserungsvorschlägen an quenlia:it senden?",
                                   MsgButtons::YesNo) == MsgResult::Yes)
    SendSupportMail(services_.shell);
}

}  // namespace fenu
