#pragma once
// The favourite folders: a list of names and paths kept in Daten\Fafo.fdb, edited in place, and
// the chosen folder opened in the file explorer.
#include <string>
#include <string_view>

#include "model/StringGrid.h"
#include "platform/Services.h"

namespace fenu {

class TfrmFavFolder {
 public:
  TfrmFavFolder(Services& services, std::string appDir);

  static constexpr const char* kCaption = "Ordner-Favoriten";
  static constexpr const char* kTitle = "Favorisierten Ordner öffnen";
  static constexpr const char* kHeader0 = "Bezeichnung";
  static constexpr const char* kHeader1 = "Pfad";
  static constexpr const char* kBrowseTitle = "Ordner auswählen";
  static constexpr const char* kBtnAdd = "Hinzufügen";
  static constexpr const char* kBtnDelete = "Entfernen";
  static constexpr const char* kCheckBox = "Explorer mit Baum öffnen";
  static constexpr const char* kBtnFolder = "Explorer";
  static constexpr const char* kBtnSchliessen = "Schliessen";
  static constexpr const char* kHintAdd = "Ordner zur Favoritenliste hinzufügen";
  static constexpr const char* kHintDelete = "Ordner aus der Favoritenliste entfernen";
  static constexpr const char* kHintCheckBox = "Öffnet den Explorer mit Ordnerbaum";
  static constexpr const char* kHintFolder = "Ausgewählten Ordner im Explorer öffnen";
  static constexpr const char* kHintSchliessen = "Dialog schliessen ohne einen Ordner zu öffnen";
  static constexpr const char* kHelpTopic = "favoriten.htm";
  static constexpr int kRowHeight = 17;

  // Header row and one empty row until the file is loaded.
  StringGrid Grid{2, 2};
  bool CheckBox = false;
  std::string Label4;

  std::string FavouritesPath() const;

  // Settings, the hotkey label and the favourites file. A file that cannot be read is reported;
  // the list then stays empty and the file is not written back on closing.
  void FormCreate();
  void btnAddClick();
  // Deletes the current row, within the grid's limits; no question.
  void btnDeleteClick();
  // Opens the current row's folder in the explorer (also Enter in the grid); the window then
  // closes with OK.
  void btnFolderClick();
  // However the window closes: the list, then the settings.
  void FormClose();
  void FormHelp();

  // The display name of a chosen folder: its last part, or the whole path of a drive root.
  static std::string FolderCaption(std::string_view path);
  static std::string ExplorerArguments(bool withTree, std::string_view path);

 private:
  Services& services_;
  std::string appDir_;
  bool keepFile_ = false;  // the file could not be read: leave it as it is
};

}  // namespace fenu
