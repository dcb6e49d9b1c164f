#include "insert/TfrmListe.h"

#include "common/Help.h"
#include "common/Settings.h"
#include "common/ShellCommands.h"
#include "core/Cp1252.h"
#include "core/Errors.h"
#include "core/FileIo.h"
#include "core/IniFile.h"
#include "expansion/Expansion.h"
#include "data/BlockData.h"
#include "data/DamagedFiles.h"
#include "data/Database.h"

namespace fenu {
namespace {

// The block's text file, or nothing when the entry is no block or names no usable file.
std::string TextFileOf(const TreeNode& node, const std::string& blockDir) {
  const auto data = GetBlockData(node);
  if (!data || !IsSafeTextFileName(data->textFileName)) return {};
  return blockDir + data->textFileName;
}

}  // namespace

TfrmListe::TfrmListe(Services& services, IBlockInserter& inserter, std::string appDir, WindowHandle target)
    : services_(services), inserter_(inserter), appDir_(std::move(appDir)), target_(target) {
  UseBlockDataSize(tree_);
  RejectHiddenEntries(tree_);
}

bool TfrmListe::FormCreate() {
  const IniDocument settings = IniFile(SettingsPath(appDir_)).Load();
  col2 = settings.Integer("Main", "Col2", 135);
  col3 = settings.Integer("Main", "Col3", 300);
  panelWidth = settings.Integer("Main", "LSplitter", 120);
  previewWidth = 120;
  btnPreviewEnabled = panelWidth == 0;
  btnNoPreviewVisible = panelWidth > 0;
  const bool stick = settings.Integer("Main", "Stick", 0) != 0;
  databaseFile_ = ResolveStick(appDir_, settings.Value("Main", "CurrentDB").value_or("Standard.adb"), stick);
  if (!FileExists(databaseFile_)) {
    services_.dialogs.MessageDlg(MsgKind::Error, DatabaseNotFoundText(databaseFile_));
    // The management window falls back to the dummy database; so does the choice. Without one
    // there is nothing to choose from: the window closes and the program stays in the tray.
    databaseFile_ = DummyDatabaseFile(appDir_);
    if (!FileExists(databaseFile_)) {
      closed = true;
      return false;
    }
  }
  blockDir_ = BlockDirOf(databaseFile_);
  try {
    LoadDatabaseTree(tree_, databaseFile_);
  } catch (const DamagedFileError& e) {
    services_.dialogs.MessageDlg(MsgKind::Error, e.what());
    closed = true;
    return false;
  }
  ++treeVersion;
  return true;
}

void TfrmListe::FormShow() {
  view = ListeView::List;
  btnListEnabled = false;
  btnTreeEnabled = true;
  SelectTreeEntry(tree_.GetFirstNode());
}

void TfrmListe::FormClose() {
  try {
    IniFile settings(SettingsPath(appDir_));
    IniDocument doc = settings.Load();
    doc.SetValue("Main", "Col2", std::to_string(col2));
    doc.SetValue("Main", "Col3", std::to_string(col3));
    doc.SetValue("Main", "LSplitter", std::to_string(panelWidth));
    settings.Save(doc);
  } catch (const FileError&) {
    // Column widths are not worth a message.
  }
}

void TfrmListe::SelectTreeEntry(TreeNode* node) {
  if (closed) return;
  tree_.SetSelected(node);
  UpdatePreview(node);
  FillList();
}

void TfrmListe::UpdatePreview(TreeNode* node) {
  if (panelWidth == 0) return;
  Memo1.clear();
  if (!node || KindOf(*node) != EntryKind::Block) return;
  const auto text = ReadTextFile(TextFileOf(*node, blockDir_));
  if (!text) {
    services_.dialogs.MessageDlg(MsgKind::Error, kMissingBlockMessage);
    return;
  }
  Memo1 = *text;
}

void TfrmListe::FillList() {
  lv_Link.clear();
  listIndex = -1;
  TreeNode* selected = tree_.Selected();
  if (!selected) return;
  if (view == ListeView::List && KindOf(*selected) == EntryKind::Block) {
    InsertSelected();
    return;
  }
  if (TreeNode* parent = selected->Parent()) lv_Link.push_back({parent, true, kUpIcon, "", "nach oben", parent->text});
  for (std::size_t i = 0; i < selected->Count(); ++i) {
    TreeNode* child = selected->Item(i);
    const auto data = GetBlockData(*child);
    const std::string preview = data ? data->preview : "";
    lv_Link.push_back({child, false, child->imageIndex, data ? data->quickKey : "", child->text,
                       preview.empty() ? "-" : preview});
  }
  if (!lv_Link.empty()) listIndex = 0;
  listFocus = view == ListeView::List;
}

void TfrmListe::lv_LinkSelect(int index) {
  if (index < 0 || index >= static_cast<int>(lv_Link.size())) return;
  listIndex = index;
  UpdatePreview(lv_Link[static_cast<std::size_t>(index)].node);
}

void TfrmListe::ActivateListEntry(int index) {
  if (index < 0 || index >= static_cast<int>(lv_Link.size())) return;
  TreeNode* node = lv_Link[static_cast<std::size_t>(index)].node;
  SelectTreeEntry(node);
  btnPreviewEnabled = node && KindOf(*node) == EntryKind::Block;
}

void TfrmListe::lv_LinkKeyPress(char key) {
  if (key == '\r') return ActivateListEntry(listIndex);
  if (key == '\b') return ActivateListEntry(0);
  const char wanted = UpperCp1252(key);
  for (std::size_t i = 0; i < lv_Link.size(); ++i) {
    const std::string& kurz = lv_Link[i].kurz;
    if (kurz.size() == 1 && UpperCp1252(kurz[0]) == wanted) {
      listIndex = static_cast<int>(i);
      return ActivateListEntry(static_cast<int>(i));
    }
  }
}

void TfrmListe::tv_eg5KeyEnter() {
  TreeNode* node = tree_.Selected();
  if (!node) return;
  if (KindOf(*node) == EntryKind::Block) return InsertSelected();
  node->expanded = true;
  ++treeVersion;
}

void TfrmListe::tv_eg5KeyBackspace() {
  TreeNode* node = tree_.Selected();
  if (node && node->Parent()) SelectTreeEntry(node->Parent());
}

void TfrmListe::tv_eg5DblClick() {
  TreeNode* node = tree_.Selected();
  if (node && KindOf(*node) == EntryKind::Block) InsertSelected();
}

void TfrmListe::SwitchView(ListeView to) {
  TreeNode* remembered = tree_.Selected();
  view = to;
  btnTreeEnabled = to == ListeView::List;
  btnListEnabled = to == ListeView::Tree;
  if (to == ListeView::Tree) {
    for (TreeNode* up = remembered ? remembered->Parent() : nullptr; up; up = up->Parent()) up->expanded = true;
    ++treeVersion;
    listFocus = false;
    return;
  }
  ActivateListEntry(listIndex);
  if (closed) return;
  listFocus = true;
  for (std::size_t i = 0; i < lv_Link.size(); ++i)
    if (lv_Link[i].node == remembered && !lv_Link[i].up) listIndex = static_cast<int>(i);
}

void TfrmListe::btnTreeClick() { SwitchView(ListeView::Tree); }
void TfrmListe::btnListClick() { SwitchView(ListeView::List); }

void TfrmListe::btnPreviewClick() {
  panelWidth = previewWidth;
  btnPreviewEnabled = false;
  btnNoPreviewVisible = true;
}

void TfrmListe::btnNoPreviewClick() {
  previewWidth = panelWidth;
  panelWidth = 0;
  btnNoPreviewVisible = false;
  btnPreviewEnabled = true;
}

void TfrmListe::btnHilfeClick() { ShowHelpContext(services_.help, appDir_, kHelpContext); }
void TfrmListe::Label1Click() { OpenMakerWebPage(services_.shell); }

void TfrmListe::InsertSelected() {
  closed = true;
  TreeNode* node = tree_.Selected();
  if (!node) return;
  const auto text = ReadTextFile(TextFileOf(*node, blockDir_));
  if (!text) {
    services_.dialogs.MessageDlg(MsgKind::Error, kMissingBlockMessage);
    return;
  }
  if (text->empty()) return;
  inserter_.Insert(JoinBlockLines(SplitTextLines(*text)), blockDir_, target_);
}

}  // namespace fenu
