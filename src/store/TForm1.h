#pragma once
// The building-block management window: the database tree on the left, a page for the selected
// entry on the right (base entry, folder or block), editing with validation, new entries,
// deletion, drag and drop, and the database commands of the "Datei" menu.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/Mnemonics.h"
#include "expansion/Prompts.h"
#include "platform/Clock.h"
#include "platform/Services.h"
#include "data/Database.h"
#include "variables/TfrmVariables.h"

namespace fenu {

class TfrmInfo;

// Dialogs that belong to the management window.
class IForm1Dialogs {
 public:
  virtual ~IForm1Dialogs() = default;
  virtual void ShowInfo(TfrmInfo& window) = 0;
  virtual void ShowOptions(const std::string& databaseFile) = 0;
  // The variable editor, modal; true when it closed with OK.
  virtual bool ShowVariables(TfrmVariables& window) = 0;
  // TfrmMemo: the expanded text of the preview, read-only.
  virtual void ShowMemo(const std::string& text) = 0;
  // What the preview and the variable editor ask and read: the prompt dialogs of an insertion,
  // the clock and the locale.
  virtual IPrompts& Prompts() = 0;
  virtual IClock& Clock() = 0;
  virtual ILocale& Locale() = 0;
};

enum class Form1Page { Root, Folder, File };

// Which edit field a key or mouse event came from.
enum class Form1Field { txtPName, txtPShort, txtPLong, txtFName, txtFShort };

// The controls that the window sends the keyboard focus to.
enum class Form1Focus { tv_eg5, txtPName, txtPShort, txtPLong, txtFName, txtFShort };

class TForm1 : private IVariablesHost {
 public:
  TForm1(Services& services, IForm1Dialogs& dialogs, std::string appDir);

  static constexpr const char* kCaption = "Text-Baustein-Verwaltung";
  static constexpr int kHelpContext = 9;
  // The commands of the menu bar; the Win32 view uses the numbers as its command ids.
  enum Command {
    mnuNewDatabase = 301, mnuOpenDatabase = 302, mnuSaveDatabase = 303, mnuExit = 304,
    mnuUndo = 310, mnuCut = 311, mnuCopy = 312, mnuPaste = 313, mnuSelectAll = 314,
    mnuExpand = 320, mnuCollapse = 321,
    mnuVariables = 330, mnuPreview = 331, mnuLoadText = 332, mnuSaveText = 333, mnuFont = 334, mnuFindId = 335,
    mnuOptions = 340,
    mnuHelp = 350, mnuAbout = 351, mnuMail = 352,
  };
  // The menu bar, its titles and entries in order, with their mnemonics.
  static const std::vector<MenuBarEntry>& MenuBar();
  // Position of "Textbaustein" in the menu bar, enabled only with the block page.
  static constexpr int kTextbausteinMenu = 3;

  // Captions of the buttons and of the labels that name a field; Alt and the letter after "&"
  // press the button or move to the field.
  static constexpr const char* kAddFolder = "Neuer O&rdner";
  static constexpr const char* kAddFile = "Neuer Bau&stein";
  static constexpr const char* kRemove = "&Löschen";
  static constexpr const char* kFName = "Ordner-&Name";
  static constexpr const char* kFShort = "&Kurztaste";
  static constexpr const char* kApply = "&Übernehmen";
  static constexpr const char* kPName = "Textbaustein&name";
  static constexpr const char* kPShort = "&Kurztaste";
  static constexpr const char* kPLong = "Kür&zel";
  static constexpr const char* kPShow = "Anzei&gen";
  static constexpr const char* kMemo = "Baustein-Te&xt";
  static constexpr const char* kVariable = "&Variable";
  static constexpr const char* kPreview = "Vors&chau";
  // The captions that Alt and a letter reach while a page shows, beside the menu bar's titles:
  // the tree's buttons and the page's labels and buttons.
  static std::vector<std::string> CaptionsOn(Form1Page shown);

  static constexpr const char* kTipText =
      "Zum Organisieren der Bausteine einfach in der Bausteine Übersicht (links) den Baustein mit der Maus zum "
      "gewünschten Ordner ziehen!";

  // --- What the view shows -------------------------------------------------------------------
  std::string Label8;         // "HotKey: ..."
  Form1Page page = Form1Page::Root;
  std::string FileLabel;      // the current database file
  std::string Label17 = "0";  // folders
  std::string Label18 = "0";  // blocks
  std::string txtFName, txtFShort;
  int cbxFShow = 0;  // 0 "ja", 1 "nein"
  std::string txtPName, txtPShort, txtPLong;
  int cbxPShow = 0;
  std::string Memo1;
  bool Memo1Modified = false;
  // Memo1's selection (start and length in characters). The view reports it (Memo1Select) before
  // the variable editor opens; memoSelectionRequest tells it to put the caret back after an
  // insertion.
  int Memo1SelStart = 0;
  int Memo1SelLength = 0;
  bool memoSelectionRequest = false;
  bool btnPOkEnabled = false;
  bool btnFOkEnabled = false;
  bool but_RemoveEnabled = false;
  bool but_AddFolderEnabled = true;
  bool but_AddFileEnabled = true;
  bool mnuTextbausteinEnabled = false;
  std::string StatusBar;
  bool ChangedFlag = false;
  std::string BFont;   // FontString of Memo1's font; empty: the window's own
  int BSplitter = 233;
  // Where the keyboard focus goes next, once: the offending field after a refused apply, the
  // tree after an apply or a deletion by button (which then disables itself), the name of a new
  // entry.
  std::optional<Form1Focus> focusRequest;
  // Counts every change of the tree's shape or order, so that the view knows to rebuild it.
  int treeVersion = 0;

  const std::string& AppDir() const { return appDir_; }
  BlockDatabase& Database() { return db_; }
  TTreeViewEx& Tree() { return db_.Tree(); }
  TreeNode* Selected() const { return db_.Tree().Selected(); }
  const std::string& CurrentTextFile() const { return currentTextFile_; }
  bool Stick() const { return stick_; }

  // --- Opening and closing -------------------------------------------------------------------
  // Reads the settings and opens the database; false (after the error box) when it cannot be
  // read or made, and the window does not open.
  bool FormCreate();
  // False keeps the window open.
  bool FormCloseQuery();
  // The splitter's width and Memo1's font (FontString) as the window leaves them, for FormClose.
  void KeepLayout(int splitter, const std::string& font);
  void FormClose();

  // --- What the view takes once ------------------------------------------------------------------
  std::optional<Form1Focus> TakeFocusRequest() { return std::exchange(focusRequest, std::nullopt); }
  bool TakeMemoSelectionRequest() { return std::exchange(memoSelectionRequest, false); }

  // --- Selection ------------------------------------------------------------------------------
  // Moves the selection as a click would: first the question about a pending edit.
  void Select(TreeNode* node);
  void tv_eg5Changing();
  void tv_eg5Change(TreeNode* node);

  // --- Editing ------------------------------------------------------------------------------
  // The text of an edit field as the user left it after a key or a paste.
  void FieldChange(Form1Field field, const std::string& text);
  void Memo1Select(int start, int length);
  // A key typed into a field; false when the field swallows it.
  bool KeyPress(Form1Field field, char key);
  void MouseDown(Form1Field field);
  void cbxPShowChange(int index);
  void cbxFShowChange(int index);
  void Memo1Change(const std::string& text, bool modified);
  void btnPOkClick();
  void btnFOkClick();
  // Enter in a field of the folder or block page: applies its pending edit.
  void PageKeyEnter();
  void txtPLongDblClick();
  // "Variable" and "Variablen einsetzen": memoFocused tells whether Memo1 is the active control
  // after the view gave it the focus.
  void btnVariableClick(bool memoFocused);
  // "Vorschau" and its menu item: Memo1's text expanded and shown in TfrmMemo.
  void btnPreviewClick();

  void but_AddFolderClick();
  void but_AddFileClick();
  void but_RemoveClick();
  // Del in the tree: deletes as "Löschen" does.
  void tv_eg5KeyDelete();

  // --- The tree's branches --------------------------------------------------------------------
  // A branch opened or closed in the tree itself.
  void tv_eg5Expanded(TreeNode* node, bool expanded);
  // "Baum erweitern" and "Baum reduzieren": every branch opened, or closed.
  void mnuExpandClick();
  void mnuCollapseClick();

  // --- Dragging -------------------------------------------------------------------------------
  // Drops the dragged entry on target (nullptr: nothing under the mouse). True when it moved.
  bool tv_eg5DragDrop(TreeNode* dragged, TreeNode* target);

  // --- Menu -----------------------------------------------------------------------------------
  void mnuNewDatabaseClick();
  void mnuOpenDatabaseClick();
  void mnuSaveDatabaseClick();
  void mnuLoadTextClick();
  void mnuSaveTextClick();
  // "Schriftart": the font dialog, started at the block editor's font; the choice goes into font
  // and BFont. False when cancelled.
  bool mnuFontClick(FontSpec& font);
  void mnuFindIdClick();
  void mnuOptionsClick();
  void mnuHelpClick();
  // F1, wherever the focus is.
  void FormHelp();
  void mnuAboutClick();
  void mnuMailClick();

  // The text files of deleted blocks; they go when the deletion is saved.
  const std::vector<std::string>& PendingDeletions() const { return pendingDeletions_; }

 private:
  void NewEntry(bool folder);
  void ExpandAll(bool expanded);
  void ShowPageOf(TreeNode* node);
  void Recount();
  void SortTree();
  void SortSiblingsByCaption(TreeNode* node);
  void EnableBlockApply();
  void EnableFolderApply();
  bool ApplyBlock();
  bool ApplyFolder();
  // A quick key that a sibling of node carries already: told, and the focus goes to field.
  bool RefuseTakenQuickKey(TreeNode& node, const std::string& key, Form1Focus field);
  // Saves to the current database file and removes the text files of saved deletions; a
  // failure is told to the user and answered false.
  bool SaveCurrentDatabase();
  // Asks about unsaved changes before another database replaces this one.
  void SaveBeforeReplacing();
  // Opens path (with the fallback of OpenDatabase); false, after the error box, when nothing
  // changed because it could not be read or made.
  bool OpenDatabaseReporting(const std::string& path);
  void Refuse(SoundKind sound, const std::string& message);
  std::string PlainText(const std::string& text) const;
  // IVariablesHost, for the variable editor.
  void InsertIntoBlockText(std::string_view text, bool atStart) override;
  std::optional<std::string> SaveDatabaseForVariables() override;
  std::string EditedTextFile() const override { return currentTextFile_; }
  static FileDialogOptions DatabaseDialog(const std::string& title, const std::string& initialDir);
  static FileDialogOptions TextDialog(const std::string& title);

  Services& services_;
  IForm1Dialogs& dialogs_;
  std::string appDir_;
  BlockDatabase db_;
  bool stick_ = false;
  std::string databaseFolder_;
  std::string currentTextFile_;
  std::vector<std::string> pendingDeletions_;
};

}  // namespace fenu
