#include "tools/TfrmAliase.h"

#include <utility>

#include "common/Help.h"
#include "core/Errors.h"

namespace fenu {

void TfrmAliase::FormShow() {
  StrGrid.SetRowCount(static_cast<int>(names_.size()) + 1);
  StrGrid.SetColWidth(0, kColWidth);
  StrGrid.SetColWidth(1, kColWidth);
  StrGrid.SetCell(0, 0, "Computername");
  StrGrid.SetCell(1, 0, "Aliasname");
  const std::vector<std::string> aliases = aliases_.Read(section_, names_);
  for (std::size_t i = 0; i < names_.size(); ++i) {
    StrGrid.SetCell(0, static_cast<int>(i) + 1, names_[i]);
    StrGrid.SetCell(1, static_cast<int>(i) + 1, aliases[i]);
  }
  // The alias column is the one to type into.
  StrGrid.SetCurrent(1, 1);
}

bool TfrmAliase::StrGridKeyPress(char) const { return StrGrid.col != 0; }

bool TfrmAliase::StrGridKeyDown(unsigned key) const { return key != kDeleteKey; }

bool TfrmAliase::btnOkClick() {
  std::vector<std::pair<std::string, std::string>> aliases;
  for (int row = 1; row < StrGrid.RowCount(); ++row) aliases.emplace_back(StrGrid.Cell(0, row), StrGrid.Cell(1, row));
  try {
    aliases_.ReplaceSection(section_, aliases);
  } catch (const FileError& error) {
    services_.dialogs.MessageDlg(MsgKind::Error, std::string("Die Aliase können nicht gespeichert werden: ") +
                                                     error.what() + ". Die bisherige Datei bleibt unverändert.");
    return false;
  }
  return true;
}

void TfrmAliase::FormHelp() { ShowHelpTopic(services_.help, appDir_, kHelpTopic); }

}  // namespace fenu
