#pragma once
// The variable editor: writes a variable marker ("<<name|argument>>") at the caret of the block
// text in the management window, and keeps the value lists of the choice variables in the
// selection-variable store.
//
// The list on the left holds the 19 variables in the editor's order; each item shows one of four
// panels on the right: the date panel (day offset and preview; for the two text prompts the
// prompt and its default instead), the block tree, the choice variables, or the optional
// passage.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "expansion/Prompts.h"
#include "platform/Clock.h"
#include "platform/Services.h"
#include "model/TreeFile.h"
#include "data/SelectionVariables.h"

namespace fenu {

class TfrmStringListe;

// What the variable editor needs from the management window.
class IVariablesHost {
 public:
  virtual ~IVariablesHost() = default;
  // Collapses the selection of the block text to its start and inserts text there; with
  // atStart, at the very beginning of the block text instead.
  virtual void InsertIntoBlockText(std::string_view text, bool atStart) = 0;
  // Saves the database to its current file and gives that file; nothing when the save failed
  // (the user has been told).
  virtual std::optional<std::string> SaveDatabaseForVariables() = 0;
  // The text file of the block being edited.
  virtual std::string EditedTextFile() const = 0;
};

// The items of the list, by index.
enum VariableItem : int {
  kItemLastDate = 12,  // items 0 to 12 are dates and times
  kItemAnwenderText = 13,
  kItemBausteinText = 14,
  kItemMehrfachTextA = 15,
  kItemMehrfachText = 16,
  kItemAuswahl = 17,
  kItemOptional = 18,
  kVariableItemCount = 19,
};

enum class VariablesPanel { None, Panel1, Panel2, Panel3, Panel4 };

class TfrmVariables {
 public:
  TfrmVariables(Services& services, IPrompts& prompts, IClock& clock, ILocale& locale, IVariablesHost& host,
                std::string appDir);

  static constexpr const char* kCaption = "Variablen";
  static constexpr const char* kTitle = "Variable in den Baustein einfügen";
  static constexpr const char* kExplanation =
      "Setzen Sie eine Variable an der Cursorposition in den Baustein ein. Sie wird dann beim Einfügen des "
      "Bausteins durch die aktuellen Werte ersetzt.";
  static constexpr const char* kOptionalExplanation =
      "Sie werden vorm Einsetzen des Bausteins gefragt, ob dieser Text mit Bestandteil des Bausteins sein soll.";
  static constexpr int kHelpContext = 3;
  static constexpr int kOffsetMin = -999;
  static constexpr int kOffsetMax = 999;

  // The variable name behind an item of the list.
  static const char* ItemName(int item);

  // --- What the view shows -------------------------------------------------------------------
  std::vector<std::string> ListBox;  // captions, dates and times with their present value
  int itemIndex = -1;
  VariablesPanel panel = VariablesPanel::Panel1;
  // "Meldungstext" enabled: the prompt fields (txtCaption, "Vorgabe", txtValue, btnTest) go
  // with it, the offset and preview ("Versatz Tage:", Edit1, UpDown1, "Ergebnis:", Label7)
  // against it.
  bool MeldungstextEnabled = false;
  bool Label7Visible = true;
  std::string Label7;  // the preview of the date
  std::string Edit1 = "0";
  std::string txtCaption;
  std::string txtValue;
  bool focusTxtCaption = false;  // the view gives txtCaption the focus and clears this
  TTreeViewEx TreeView;          // the block tree, loaded the first time it is shown
  int treeVersion = 0;           // changes whenever TreeView is loaded
  std::vector<std::string> cbxVariable;  // sorted names of the choice variables
  int cbxVariableIndex = -1;
  std::vector<std::string> lbWerte;
  bool cbkRestrict = false;
  std::string Memo1;  // the optional passage

  // --- Events -----------------------------------------------------------------------------------
  // Before the window opens: false (after the error box) when the selection-variable store is
  // damaged; the editor then stays closed and writes nothing into it.
  bool FormCreate();
  void FormShow();
  void ListBoxClick(int index);
  void Edit1Change(const std::string& text);
  void btnTestClick();
  // The block selected in the tree (nullptr for none).
  void TreeViewChange(TreeNode* node);
  void cbxVariableChange(int index);
  void sbNewVarClick();
  // Opens the list editor through show, which answers whether it closed with OK.
  void sbEditItemClick(const std::function<bool(TfrmStringListe&)>& show);
  void sbDeleteClick();
  void sbSaveClick();
  void cbkRestrictClick(bool checked) { cbkRestrict = checked; }
  // Inserts the marker and answers true (the window closes with OK), or tells what is missing
  // and answers false (the window stays open).
  bool btnOkClick();
  void btnHilfeClick();

  // The marker that "&Einfügen" would insert for the present state, or nothing when the input
  // does not make one (the reason is shown by btnOkClick).
  std::optional<std::string> Marker(std::string* error = nullptr) const;

 private:
  void UpdatePreview();
  void LoadTree();
  void FillVariables(const std::string& select);
  void LoadValues();
  std::string CurrentVariable() const;
  void WriteCurrentVariable();

  Services& services_;
  IPrompts& prompts_;
  IClock& clock_;
  ILocale& locale_;
  IVariablesHost& host_;
  std::string appDir_;
  SelectionVariables store_;
};

}  // namespace fenu
