#include "tools/TfrmFavFolder.h"

#include "common/Help.h"
#include "common/HotkeySpec.h"
#include "common/Settings.h"
#include "common/ShellCommands.h"
#include "core/Errors.h"
#include "core/IniFile.h"
#include "data/FavouritesFile.h"

namespace fenu {

TfrmFavFolder::TfrmFavFolder(Services& services, std::string appDir)
    : services_(services), appDir_(std::move(appDir)) {}

std::string TfrmFavFolder::FavouritesPath() const { return appDir_ + kFavouritesFile; }

std::string TfrmFavFolder::FolderCaption(std::string_view path) {
  const std::size_t slash = path.rfind('\\');
  const std::string_view last = slash == std::string_view::npos ? path : path.substr(slash + 1);
  return std::string(last.empty() ? path : last);
}

std::string TfrmFavFolder::ExplorerArguments(bool withTree, std::string_view path) {
  return (withTree ? "/n,/e," : "") + std::string(path);
}

void TfrmFavFolder::FormCreate() {
  const IniFile settings(SettingsPath(appDir_));
  CheckBox = settings.ReadBool("Main", "ExpoTree", false);
  Grid.SetColWidth(0, settings.ReadInteger("Main", "Col0", 100));
  Grid.SetColWidth(1, settings.ReadInteger("Main", "Col1", 300));

  // The label shows the hotkey as the shell registers it, with the shell's defaults.
  Label4 = ShellHotkeyLabel(settings.Load(), kHotkeySlots[3]);

  try {
    ReadFavouritesFile(FavouritesPath(), Grid);
  } catch (const FileError& error) {
    keepFile_ = true;
    services_.dialogs.MessageDlg(MsgKind::Error, "Die Favoritenliste \"" + FavouritesPath() +
                                                     "\" kann nicht gelesen werden. " + error.what() +
                                                     " Die Liste bleibt leer, und die Datei wird beim "
                                                     "Schliessen nicht überschrieben.");
  }
  Grid.SetCell(0, 0, kHeader0);
  Grid.SetCell(1, 0, kHeader1);
}

void TfrmFavFolder::btnAddClick() {
  std::string path;
  if (!services_.folders.BrowseForFolder(kBrowseTitle, path)) return;
  Grid.AppendRow();
  const int row = Grid.RowCount() - 1;
  Grid.SetCell(1, row, path);
  Grid.SetCell(0, row, FolderCaption(path));
}

void TfrmFavFolder::btnDeleteClick() { Grid.DeleteRow(Grid.row); }

void TfrmFavFolder::btnFolderClick() {
  StartExplorer(services_.shell, ExplorerArguments(CheckBox, Grid.Cell(1, Grid.row)));
}

void TfrmFavFolder::FormClose() {
  if (!keepFile_) {
    try {
      WriteFavouritesFile(FavouritesPath(), Grid);
    } catch (const FileError& error) {
      services_.dialogs.MessageDlg(MsgKind::Error, std::string("Die Favoritenliste kann nicht gespeichert werden: ") +
                                                       error.what() + ". Die bisherige Datei bleibt unverändert.");
    }
  }
  IniFile settings(SettingsPath(appDir_));
  settings.WriteBool("Main", "ExpoTree", CheckBox);
  settings.WriteInteger("Main", "Col0", Grid.ColWidth(0));
  settings.WriteInteger("Main", "Col1", Grid.ColWidth(1));
}

void TfrmFavFolder::FormHelp() { ShowHelpTopic(services_.help, appDir_, kHelpTopic); }

}  // namespace fenu
