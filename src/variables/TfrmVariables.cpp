#include "variables/TfrmVariables.h"

#include <algorithm>

#include "common/Help.h"
#include "core/Cp1252.h"
#include "core/Errors.h"
#include "core/FileIo.h"
#include "core/Numbers.h"
#include "expansion/DateFormat.h"
#include "expansion/VariableTable.h"
#include "data/DamagedFiles.h"
#include "data/Database.h"
#include "variables/TfrmStringListe.h"

namespace fenu {
namespace {

// The editor's order of the variables; captions and formats come from the VariableTable.
constexpr std::array<const char*, kVariableItemCount> kItemNames{
    "DatumKurz", "DatumNormal", "DatumMittel", "DatumLang",    "ZeitKurz",     "ZeitLang", "TagZahl",
    "TagKurz",   "TagLang",     "MonatZahl",   "MonatKurz",    "MonatLang",    "Jahr",     "AnwenderText",
    "BausteinText", "MehrfachTextA", "MehrfachText", "Auswahl", "Optional"};

constexpr const char* kChooseBlock = "Sie müssen einen Baustein auswählen!";
constexpr const char* kNotItself = "Ein Baustein kann nicht in sich selbst eingesetzt werden";
constexpr const char* kBadOffset = "Der Versatz in Tagen muß eine ganze Zahl sein!";
constexpr const char* kMarkerEnd = "Der Text darf die Zeichenfolge \">>\" nicht enthalten, sie beendet die Variable.";
constexpr const char* kBarInPrompt = "Der Meldungstext darf kein \"|\" enthalten.";

const char* CaptionOf(const char* name) {
  for (const VariableRow& row : VariableTable())
    if (std::string_view(row.name) == name) return row.caption;
  return name;
}

bool HasMarkerEnd(std::string_view text) { return text.find(">>") != std::string_view::npos; }

std::string FileNameOf(std::string_view path) {
  const auto slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace

const char* TfrmVariables::ItemName(int item) {
  return item >= 0 && item < kVariableItemCount ? kItemNames[static_cast<std::size_t>(item)] : "";
}

TfrmVariables::TfrmVariables(Services& services, IPrompts& prompts, IClock& clock, ILocale& locale,
                             IVariablesHost& host, std::string appDir)
    : services_(services), prompts_(prompts), clock_(clock), locale_(locale), host_(host),
      appDir_(std::move(appDir)), store_(SelectionVariablesFile(appDir_)) {}

// ---- Showing and the list ------------------------------------------------------------------------

bool TfrmVariables::FormCreate() {
  try {
    store_.CheckWhole();
  } catch (const DamagedFileError& e) {
    services_.dialogs.MessageDlg(MsgKind::Error, e.what());
    return false;
  }
  return true;
}

void TfrmVariables::FormShow() {
  const LocalTime now = clock_.Now();
  const LocaleNames names = locale_.Names();
  ListBox.clear();
  for (int item = 0; item < kVariableItemCount; ++item) {
    const char* name = ItemName(item);
    std::string text = CaptionOf(name);
    if (item <= kItemLastDate) text += " = " + FormatDateTime(LookupVariable(name), now, names);
    ListBox.push_back(std::move(text));
  }
  itemIndex = 0;
  panel = VariablesPanel::Panel1;
  MeldungstextEnabled = false;
  Label7Visible = true;
  Label7.clear();
}

void TfrmVariables::ListBoxClick(int index) {
  if (index < 0 || index >= kVariableItemCount) return;
  itemIndex = index;
  if (index == kItemAnwenderText || index == kItemMehrfachTextA) {
    panel = VariablesPanel::Panel1;
    MeldungstextEnabled = true;
    Label7Visible = false;
  } else {
    MeldungstextEnabled = false;
    UpdatePreview();
  }
  if (index == kItemBausteinText) {
    panel = VariablesPanel::Panel2;
    if (TreeView.Empty()) LoadTree();
  }
  if (index == kItemMehrfachText) panel = VariablesPanel::None;
  if (index == kItemAuswahl) {
    panel = VariablesPanel::Panel3;
    FillVariables("");
  }
  if (index == kItemOptional) panel = VariablesPanel::Panel4;
  if (index <= kItemLastDate) {
    panel = VariablesPanel::Panel1;
    Label7Visible = true;
  }
  focusTxtCaption = MeldungstextEnabled;
}

void TfrmVariables::Edit1Change(const std::string& text) {
  Edit1 = text;
  UpdatePreview();
}

void TfrmVariables::UpdatePreview() {
  // Only the dates and times have a preview; the other items keep the label hidden.
  if (itemIndex < 0 || itemIndex > kItemLastDate || Edit1.empty()) return;
  const std::optional<std::int32_t> days = ParseInt(Edit1);
  if (!days) return;  // a lone "-" on the way to a negative number, or no number at all
  const std::optional<LocalTime> then = AddDays(clock_.Now(), *days);
  if (!then) return;
  Label7 = FormatDateTime(LookupVariable(ItemName(itemIndex)), *then, locale_.Names());
}

void TfrmVariables::btnTestClick() {
  // Shown as the user will see it when the block is inserted; the answer goes nowhere.
  prompts_.AskText("Variable füllen", txtCaption, txtValue);
}

// ---- The block tree --------------------------------------------------------------------------------

void TfrmVariables::LoadTree() {
  // The tree on disk must be the one the management window shows, new blocks included.
  const std::optional<std::string> file = host_.SaveDatabaseForVariables();
  if (!file) return;
  try {
    LoadDatabaseTree(TreeView, *file);
  } catch (const DamagedFileError& e) {
    services_.dialogs.MessageDlg(MsgKind::Error, e.what());
    return;
  }
  if (TreeNode* first = TreeView.GetFirstNode()) first->expanded = true;
  TreeView.SetSelected(nullptr);
  ++treeVersion;
}

void TfrmVariables::TreeViewChange(TreeNode* node) { TreeView.SetSelected(node); }

// ---- Choice variables --------------------------------------------------------------------------

std::string TfrmVariables::CurrentVariable() const {
  return cbxVariableIndex >= 0 && cbxVariableIndex < static_cast<int>(cbxVariable.size())
             ? cbxVariable[static_cast<std::size_t>(cbxVariableIndex)]
             : std::string();
}

void TfrmVariables::FillVariables(const std::string& select) {
  cbxVariable = store_.VariableNames();
  ICollation& collation = services_.collation;
  std::stable_sort(cbxVariable.begin(), cbxVariable.end(),
                   [&](const std::string& a, const std::string& b) { return collation.CompareText(a, b) < 0; });
  cbxVariableIndex = cbxVariable.empty() ? -1 : 0;
  for (std::size_t i = 0; i < cbxVariable.size(); ++i)
    if (!select.empty() && cbxVariable[i] == select) cbxVariableIndex = static_cast<int>(i);
  LoadValues();
}

void TfrmVariables::LoadValues() {
  const std::string name = CurrentVariable();
  lbWerte = name.empty() ? std::vector<std::string>{} : store_.ReadList(name);
  cbkRestrict = !name.empty() && store_.ReadRestriction(name, false);
}

void TfrmVariables::cbxVariableChange(int index) {
  if (index < 0 || index >= static_cast<int>(cbxVariable.size())) return;
  cbxVariableIndex = index;
  LoadValues();
}

void TfrmVariables::sbNewVarClick() {
  std::string name = "Neue Variable";
  if (!services_.dialogs.InputQuery("Neue Variable", "Wie soll sie heißen?", name)) return;
  // A variable without a name could be neither stored nor named in a marker.
  if (name.empty()) return;
  const bool known = std::any_of(cbxVariable.begin(), cbxVariable.end(),
                                 [&](const std::string& item) { return CompareNoCase(item, name) == 0; });
  if (known) {
    services_.dialogs.MessageDlg(MsgKind::Error, "Eine Variable dieses Namens existiert schon!");
    return;
  }
  ICollation& collation = services_.collation;
  const auto at = std::upper_bound(cbxVariable.begin(), cbxVariable.end(), name,
                                   [&](const std::string& a, const std::string& b) { return collation.CompareText(a, b) < 0; });
  cbxVariableIndex = static_cast<int>(at - cbxVariable.begin());
  cbxVariable.insert(at, name);
  lbWerte.clear();
}

void TfrmVariables::WriteCurrentVariable() {
  const std::string name = CurrentVariable();
  if (name.empty()) return;
  try {
    store_.WriteList(name, lbWerte, cbkRestrict);
  } catch (const ValueListTooLong& e) {
    services_.dialogs.MessageDlg(MsgKind::Error, e.what());
  } catch (const DamagedFileError& e) {
    services_.dialogs.MessageDlg(MsgKind::Error, e.what());
  }
}

void TfrmVariables::sbEditItemClick(const std::function<bool(TfrmStringListe&)>& show) {
  if (CurrentVariable().empty()) return;
  TfrmStringListe editor(services_, lbWerte, appDir_);
  if (!show(editor)) return;
  lbWerte = editor.Values();
  WriteCurrentVariable();
}

void TfrmVariables::sbDeleteClick() {
  const std::string name = CurrentVariable();
  if (name.empty()) return;
  if (services_.dialogs.MessageDlg(MsgKind::Confirmation, "Variable entgültig löschen?", MsgButtons::YesNo) !=
      MsgResult::Yes)
    return;
  try {
    store_.DeleteVariable(name);
  } catch (const DamagedFileError& e) {
    services_.dialogs.MessageDlg(MsgKind::Error, e.what());
    return;
  }
  cbxVariable.erase(cbxVariable.begin() + cbxVariableIndex);
  cbxVariableIndex = cbxVariable.empty() ? -1 : 0;
  LoadValues();
}

void TfrmVariables::sbSaveClick() { WriteCurrentVariable(); }

// ---- Inserting -------------------------------------------------------------------------------------

std::optional<std::string> TfrmVariables::Marker(std::string* error) const {
  auto refuse = [&](const char* text) -> std::optional<std::string> {
    if (error) *error = text;
    return std::nullopt;
  };
  const std::string name = ItemName(itemIndex);
  auto marker = [&](const std::string& argument) { return "<<" + name + "|" + argument + ">>"; };
  if (itemIndex < 0) return std::nullopt;
  if (itemIndex <= kItemLastDate) {
    // Inserting a marker that every later insertion of the block would refuse helps nobody.
    if (!ParseInt(Edit1)) return refuse(kBadOffset);
    return marker(Edit1);
  }
  switch (itemIndex) {
    case kItemAnwenderText:
    case kItemMehrfachTextA:
      if (HasMarkerEnd(txtCaption) || HasMarkerEnd(txtValue)) return refuse(kMarkerEnd);
      if (txtCaption.find('|') != std::string::npos) return refuse(kBarInPrompt);
      return marker(txtCaption + "|" + txtValue);
    case kItemBausteinText: {
      const TreeNode* node = TreeView.Selected();
      const auto data = node ? GetBlockData(*node) : std::nullopt;
      if (!node || KindOf(*node) != EntryKind::Block || !data || !IsSafeTextFileName(data->textFileName))
        return refuse(kChooseBlock);
      if (CompareNoCase(data->textFileName, FileNameOf(host_.EditedTextFile())) == 0) return refuse(kNotItself);
      const std::string& file = data->textFileName;
      const std::size_t ext = std::string_view(kTextFileExtension).size();
      const bool hasExt = file.size() > ext && CompareNoCase(file.substr(file.size() - ext), kTextFileExtension) == 0;
      return marker(hasExt ? file.substr(0, file.size() - ext) : file);
    }
    case kItemMehrfachText: return marker("P");
    case kItemAuswahl:
      if (HasMarkerEnd(CurrentVariable())) return refuse(kMarkerEnd);
      return marker(CurrentVariable());
    case kItemOptional:
      if (HasMarkerEnd(Memo1)) return refuse(kMarkerEnd);
      return marker(Memo1);
    default: return std::nullopt;
  }
}

bool TfrmVariables::btnOkClick() {
  std::string error;
  const std::optional<std::string> marker = Marker(&error);
  if (!marker) {
    if (!error.empty()) services_.dialogs.MessageDlg(MsgKind::Error, error);
    return false;
  }
  host_.InsertIntoBlockText(*marker, itemIndex == kItemMehrfachTextA);
  return true;
}

void TfrmVariables::btnHilfeClick() { ShowHelpContext(services_.help, appDir_, kHelpContext); }

}  // namespace fenu
