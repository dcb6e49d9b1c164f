#pragma once
// The selection window: the current database without its hidden blocks, offered as a folder list
// that answers to quick keys and as the plain tree, with a preview of the block under the cursor.
// Choosing a block inserts it into the control the hotkey captured, and the window closes.
#include <string>
#include <vector>

#include "insert/IBlockInserter.h"
#include "platform/Services.h"
#include "model/TreeFile.h"

namespace fenu {

struct ListEntry {
  TreeNode* node;  // the tree entry it stands for (for the "up" entry: the parent)
  bool up;
  int icon;
  std::string kurz;
  std::string name;
  std::string preview;
};

enum class ListeView { List, Tree };

class TfrmListe {
 public:
  TfrmListe(Services& services, IBlockInserter& inserter, std::string appDir, WindowHandle target);

  static constexpr const char* kCaption = "Textbaustein-Auswahl";
  static constexpr int kHelpContext = 11;
  static constexpr int kUpIcon = 5;

  // --- What the view shows -------------------------------------------------------------------
  std::vector<ListEntry> lv_Link;
  int listIndex = -1;
  ListeView view = ListeView::List;
  bool btnTreeEnabled = true;
  bool btnListEnabled = false;
  bool btnPreviewEnabled = true;
  bool btnNoPreviewVisible = false;
  int panelWidth = 120;    // 0: the preview is off
  int previewWidth = 120;  // restored when the preview is switched on
  int col2 = 135;
  int col3 = 300;
  std::string Memo1;       // the preview
  bool listFocus = false;  // the list should take the keyboard focus
  // Set when the window is to close (after an insertion, or when it cannot work).
  bool closed = false;
  int treeVersion = 0;

  const std::string& AppDir() const { return appDir_; }
  TTreeViewEx& Tree() { return tree_; }
  TreeNode* Selected() const { return tree_.Selected(); }
  const std::string& BlockDir() const { return blockDir_; }
  const std::string& DatabaseFile() const { return databaseFile_; }

  // Reads the settings and the database ([Main] CurrentDB, or the dummy database when that is
  // missing); false (after the error box) when there is none or it cannot be read.
  bool FormCreate();
  void FormShow();
  void FormClose();

  // A tree entry becomes the selected one (any cause).
  void SelectTreeEntry(TreeNode* node);
  // The list's selected entry moved (arrows, Home, End): only the preview follows.
  void lv_LinkSelect(int index);
  // Click, double click, Enter, quick key.
  void ActivateListEntry(int index);
  void lv_LinkKeyPress(char key);
  void tv_eg5KeyEnter();
  void tv_eg5KeyBackspace();
  void tv_eg5DblClick();

  void btnTreeClick();
  void btnListClick();
  void btnPreviewClick();
  void btnNoPreviewClick();
  void btnHilfeClick();
  void Label1Click();

  // Inserts the tree's selected block and closes the window.
  void InsertSelected();

 private:
  void UpdatePreview(TreeNode* node);
  void FillList();
  void SwitchView(ListeView to);

  Services& services_;
  IBlockInserter& inserter_;
  std::string appDir_;
  WindowHandle target_;
  TTreeViewEx tree_;
  std::string databaseFile_;
  std::string blockDir_;
};

}  // namespace fenu
