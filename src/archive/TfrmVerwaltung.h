#pragma once
// The text archive window: the archive tree on the left, the selected text's name, keywords and
// body on the right; new entries, deletion, renaming in place, drag and drop, the "Extras"
// commands, and closing with its questions. The view (TfrmVerwaltung_win) shows this state and
// hands every event here.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "archive/IArchiveTreeAccess.h"
#include "archive/TMemoSearch.h"
#include "core/Mnemonics.h"
#include "data/ArchiveStore.h"
#include "platform/Keyboard.h"
#include "platform/Services.h"

namespace fenu {

// What the right side shows, after the kind of the selected entry.
enum class ArchiveState { Root, Folder, Text };

// The one-line fields in which a key or a mouse press marks an edit.
enum class ArchiveField { txtName, txtKeywords };

// The controls that the window sends the keyboard focus to.
enum class ArchiveFocus { TreeView, txtName, mmText };

class TfrmVerwaltung : public IArchiveTreeAccess {
 public:
  TfrmVerwaltung(Services& services, IClipboard& clipboard, std::string appDir);

  static constexpr const char* kCaption = "Text-Archiv-Verwaltung";
  static constexpr int kHelpContext = 5;
  static constexpr int kDefaultSplitter = 269;
  static constexpr int kKeywordsLength = 128;

  // The commands of the menu bar; the Win32 view uses the numbers as its command ids.
  enum Command {
    mnuBeenden = 401,
    mnuAusschneiden = 410, mnuKopieren = 411, mnuInsert = 412, mnuWiderufen = 413, mnuAllesmarkieren = 414,
    mnuSearch = 415, mnuFindNext = 416,
    mnuExpandAll = 420, mnuCollapseAll = 421,
    mnuKeywords = 430, mnuLoadFile = 431, mnuSaveFile = 432, mnuDeleteText = 433, mnuEditor = 434, mnuFont = 435,
    mnuHilfe = 440,
  };
  // The menu bar, its titles and entries in order, with their mnemonics.
  static const std::vector<MenuBarEntry>& MenuBar();
  // Positions of "Bearbeiten" and "Extras" in the menu bar, whose entries are enabled on opening.
  static constexpr int kBearbeitenMenu = 1;
  static constexpr int kExtrasMenu = 3;
  // The status line's hint for a menu command or a control's id in the view, or nullptr.
  static const char* MenuHint(int command);

  // Captions; Alt and the letter after "&" press the button or move to the field.
  static constexpr const char* kNewFolder = "Neuer &Ordner";
  static constexpr const char* kNewFile = "&Neue Datei";
  static constexpr const char* kDelete = "&Löschen";
  static constexpr const char* kName = "Na&me";
  static constexpr const char* kKeywords = "&Schlagworte";
  static constexpr const char* kSave = "S&peichern";
  static constexpr const char* kText = "Archiv-&Text";
  // Every caption that Alt and a letter reach beside the menu bar's titles.
  static std::vector<std::string> Captions();

  // --- What the view shows -------------------------------------------------------------------
  std::string Label10;  // "HotKey: ..."
  ArchiveState state = ArchiveState::Root;
  std::string txtName, txtKeywords, mmText;
  // mmText's modified mark: set by the user's edits, cleared when the program fills or saves it.
  bool mmTextModified = false;
  bool fieldsEnabled = false;  // txtName, txtKeywords, mmText
  bool btnSaveEnabled = false;  // pending edits
  bool btnNewFolderEnabled = true;
  bool btnNewFileEnabled = true;
  bool btnDeleteEnabled = false;
  // "Suchen..." and "Weitersuchen", set when "Bearbeiten" opens.
  bool mnuSearchEnabled = false;
  // "Aus Datei laden", "In Datei speichern", "Archiv-Text löschen", "Archiv-Text im Editor öffnen",
  // set when "Extras" opens.
  bool mnuTextCommandsEnabled = false;
  std::string StatusBar;
  bool ChangedFlag = false;
  std::string AFont;  // FontString of mmText's font; empty: the window's own
  int ASplitter = kDefaultSplitter;
  // Where the keyboard focus goes next, once.
  std::optional<ArchiveFocus> focusRequest;
  // Counts every change of the tree's shape, order or names, so that the view rebuilds it.
  int treeVersion = 0;
  // Called after a selection made from outside the window (SelectAsClick), for the view to show it.
  std::function<void()> OnSelectedFromOutside;

  const std::string& AppDir() const { return appDir_; }
  ArchiveStore& Store() { return store_; }
  TTreeViewEx& Tree() { return store_.Tree(); }
  TreeNode* Selected() const { return store_.Tree().Selected(); }
  std::optional<ArchiveFocus> TakeFocusRequest() { return std::exchange(focusRequest, std::nullopt); }

  // --- Opening and closing -------------------------------------------------------------------
  // Reads the settings and opens the archive; false (after the error box) when the archive file
  // cannot be read, and the window does not open.
  bool FormCreate();
  // False keeps the window open.
  bool FormCloseQuery();
  // The splitter's width and mmText's font (FontString) as the window leaves them, for FormClose.
  void KeepLayout(int splitter, const std::string& font);
  void FormClose();
  void FormHelp();

  // --- Selection ------------------------------------------------------------------------------
  // Moves the selection as a click would; false when it stays (a pending edit that could not be
  // saved).
  bool Select(TreeNode* node);
  // Before the selection changes: the question about a pending edit. False vetoes the change: the
  // edit was to be saved and could not be, so it stays with its entry.
  bool TreeViewChanging();
  void TreeViewChange(TreeNode* node);
  // IArchiveTreeAccess, for the keyword search windows.
  const TTreeViewEx& ArchiveTree() const override { return store_.Tree(); }
  void SelectAsClick(TreeNode* node) override;

  // --- Editing ------------------------------------------------------------------------------
  void FieldChange(ArchiveField field, const std::string& text);
  // A key that produces a character, and a mouse press, in txtName or txtKeywords.
  void FieldKeyPress(ArchiveField field);
  void FieldMouseDown(ArchiveField field);
  // mmText's text after a change; modified is the edit control's mark.
  void mmTextChange(const std::string& text, bool modified);
  // A double click in mmText: true when the clipboard holds text, which the view then pastes
  // over the word the double click selected.
  bool mmTextDblClick();
  // Enter in txtName or txtKeywords: saves a pending edit as "Speichern" does.
  void FieldKeyEnter();
  // "Speichern": false when the text could not be written (told to the user; nothing changed).
  bool btnSaveClick();

  void btnNewFolderClick();
  void btnNewFileClick();
  void btnDeleteClick();

  // --- Renaming and moving in the tree -------------------------------------------------------------
  // F2 released in the tree: whether editing the selected entry's name in place may start.
  bool TreeViewKeyF2() const;
  // The tree is about to edit node's name in place: false refuses (the Root).
  bool TreeViewEditing(const TreeNode* node) const;
  // The in-place edit ended with name: true when the node took it.
  bool TreeViewEdited(TreeNode* node, const std::string& name);
  // Drops the dragged entry on target (nullptr: nothing under the pointer). True when it moved.
  bool TreeViewDragDrop(TreeNode* source, TreeNode* target);
  // A branch opened or closed in the tree itself.
  void TreeViewExpanded(TreeNode* node, bool expanded);

  // --- Menu -----------------------------------------------------------------------------------
  // "Bearbeiten" and "Extras" opening.
  void mnuBearbeitenClick();
  void mnuExtrasClick();
  // The find and replace of mmText: its keys Ctrl+F, Ctrl+H and F3, the dialogs left open after
  // a search, search downward with find-next, replace and replace all.
  static void SetUpMemoSearch(TMemoSearch& search);
  // "Suchen..." opens the find dialog; "Weitersuchen" searches again when a search text is known,
  // and otherwise opens the find dialog too.
  void mnuSearchClick(TMemoSearch& search);
  void mnuFindNextClick(TMemoSearch& search);
  void mnuLoadFileClick();
  void mnuSaveFileClick();
  void mnuDeleteTextClick();
  void mnuEditorClick();
  // "Schriftart": the font dialog, started at font; the choice goes into font and AFont. False
  // when cancelled.
  bool mnuFontClick(FontSpec& font);
  void mnuExpandAllClick();
  void mnuCollapseAllClick();
  void mnuHilfeClick();

 private:
  void EnterState(TreeNode* node);
  void NewEntry(ArchiveKind kind);
  // Saves the selected text's edits; false, after the error box, when its file cannot be written.
  bool SaveEntry();
  // The question about a pending edit; false when the edit was to be saved and could not be.
  bool AskPendingEdit();
  void ExpandAll(bool expanded);
  void Refuse(SoundKind sound, const std::string& message);
  FileDialogOptions TextFileDialog(const std::string& title) const;

  Services& services_;
  IClipboard& clipboard_;
  std::string appDir_;
  ArchiveStore store_;
};

}  // namespace fenu
