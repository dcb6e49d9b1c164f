#include "insert/TfrmVarAuswahl.h"

#include "data/SelectionVariables.h"

namespace fenu {

TfrmVarAuswahl::TfrmVarAuswahl(IDialogs& dialogs, IPrompts& prompts, std::string appDir, std::string variableName)
    : dialogs_(dialogs), prompts_(prompts), appDir_(std::move(appDir)), name_(std::move(variableName)) {}

bool TfrmVarAuswahl::FormShow() {
  const SelectionVariables store(SelectionVariablesFile(appDir_));
  if (!store.FileExists()) {
    dialogs_.MessageDlg(MsgKind::Error, "Datei mit den Auswahl-Variablen nicht gefunden! Vorgang abgebrochen.");
    return false;
  }
  try {
    store.CheckWhole();
  } catch (const DamagedFileError& e) {
    dialogs_.MessageDlg(MsgKind::Error, std::string(e.what()) + " Vorgang abgebrochen.");
    return false;
  }
  if (store.VariableExists(name_)) {
    ListBox = store.ReadList(name_);
    Edit1Enabled = !store.ReadRestriction(name_, true);
  } else {
    dialogs_.MessageDlg(MsgKind::Error, "Der Baustein enthält die Auswahl-Variable \"" + name_ +
                                            "\". Dazu wurde jedoch keine Werteliste gefunden. Sie können nur einen "
                                            "Wert eingeben.");
    ListBoxEnabled = false;
    Edit1Enabled = true;
    focusEdit1 = true;
  }
  Label1 = "Der Baustein enthält die Auswahl-Variable \"" + name_ + "\". Bestimmen Sie einen Wert in der Liste.";
  Label2Enabled = Edit1Enabled;
  if (!ListBox.empty()) {
    listIndex = 0;
    if (Edit1Enabled) Edit1 = ListBox.front();
  }
  btnOKEnabled = !ListBox.empty() || Edit1Enabled;
  return true;
}

void TfrmVarAuswahl::ListBoxClick(int index) {
  if (index < 0 || index >= static_cast<int>(ListBox.size())) return;
  listIndex = index;
  if (Edit1Enabled) Edit1 = ListBox[static_cast<std::size_t>(index)];
}

std::string TfrmVarAuswahl::Confirm() {
  if (Edit1Enabled && !Edit1.empty()) return FillPlaceholders(prompts_, Edit1);
  if (listIndex >= 0 && listIndex < static_cast<int>(ListBox.size())) return ListBox[static_cast<std::size_t>(listIndex)];
  return {};
}

std::string FillPlaceholders(IPrompts& prompts, std::string text) {
  for (int n = 1; text.find("xxx") != std::string::npos; ++n) {
    const auto answer = prompts.AskText("xxx bestimmen", "Das " + std::to_string(n) + ". xxx austauschen gegen?", "");
    if (answer) text.replace(text.find("xxx"), 3, *answer);
  }
  return text;
}

}  // namespace fenu
