#pragma once
// The choice dialog of a selection variable: its value list, a free value where the variable
// allows one, and the "xxx" placeholders of the chosen value filled in one by one.
#include <optional>
#include <string>
#include <vector>

#include "expansion/Prompts.h"
#include "platform/Services.h"

namespace fenu {

class TfrmVarAuswahl {
 public:
  TfrmVarAuswahl(IDialogs& dialogs, IPrompts& prompts, std::string appDir, std::string variableName);

  static constexpr const char* kCaption = "Auswahl - Variable";
  static constexpr const char* kLabel3 = "Wert auswählen oder eingeben";
  static constexpr const char* kLabel2 =
      "Wenn keiner der Werte aus der Liste passt, geben Sie hier den gewünschten Wert ein.";

  std::string Label1;
  std::vector<std::string> ListBox;
  int listIndex = -1;
  bool ListBoxEnabled = true;
  std::string Edit1;
  bool Edit1Enabled = false;
  bool Label2Enabled = false;
  bool btnOKEnabled = false;
  bool focusEdit1 = false;

  // False when the dialog closes at once as cancelled (no value file, or a damaged one).
  bool FormShow();
  void ListBoxClick(int index);
  // The result after "Übernehmen" (or a double click); the placeholders asked for as needed.
  std::string Confirm();

 private:
  IDialogs& dialogs_;
  IPrompts& prompts_;
  std::string appDir_;
  std::string name_;
};

// "Herr xxx, Abteilung xxx": every "xxx" asked for in turn ("Das 1. xxx austauschen gegen?", ...);
// a cancelled question leaves that placeholder for the next number.
std::string FillPlaceholders(IPrompts& prompts, std::string text);

}  // namespace fenu
