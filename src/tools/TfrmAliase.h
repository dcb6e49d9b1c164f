#pragma once
// The alias window: the computers of the current workgroup with their aliases, edited in a grid
// whose name column cannot be typed into, and saved as the workgroup's section of Netsend.dat.
#include <string>
#include <vector>

#include "data/NetAliases.h"
#include "model/StringGrid.h"
#include "platform/Services.h"

namespace fenu {

class TfrmAliase {
 public:
  TfrmAliase(Services& services, std::string appDir, NetAliases& aliases, const std::vector<std::string>& names,
             std::string section)
      : services_(services), appDir_(std::move(appDir)), aliases_(aliases), names_(names), section_(std::move(section)) {}

  static constexpr const char* kCaption = "Aliase bearbeiten";
  static constexpr const char* kLabel1 = "Hier können Sie für die einzelnen Computernamen Aliasnamen vergeben!";
  static constexpr const char* kBtnOk = "Speichern";
  static constexpr const char* kBtnCancel = "Abbrechen";
  static constexpr int kColWidth = 140;
  static constexpr int kRowHeight = 18;
  static constexpr unsigned kDeleteKey = 0x2E;  // the platform's virtual-key code of Delete
  static constexpr const char* kHelpTopic = "netzwerk.htm";  // the network messages' page

  StringGrid StrGrid{2, 1};

  void FormShow();
  // False: the typed character is dropped (computer names cannot be edited).
  bool StrGridKeyPress(char key) const;
  // False: the key is dropped (Delete).
  bool StrGridKeyDown(unsigned key) const;
  // Writes the section; true when the window closes with OK. A file that cannot be written is
  // reported and the window stays open.
  bool btnOkClick();
  void FormHelp();

 private:
  Services& services_;
  std::string appDir_;
  NetAliases& aliases_;
  const std::vector<std::string>& names_;
  std::string section_;
};

}  // namespace fenu
