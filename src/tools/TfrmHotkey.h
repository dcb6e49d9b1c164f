#pragma once
// The hotkey configuration window: the four hotkeys chosen from fixed lists, checked for a
// missing second part and for duplicates, and written to [HotKeys].
#include <array>
#include <string>
#include <vector>

#include "platform/Services.h"

namespace fenu {

// One drop-down list without free typing.
struct ComboState {
  std::vector<std::string> items;
  int itemIndex = -1;  // -1: no selection, the box shows nothing
  bool enabled = true;
  std::string Text() const;
};

class TfrmHotkey {
 public:
  TfrmHotkey(Services& services, std::string appDir);

  static constexpr const char* kCaption = "Hotkey";
  static constexpr const char* kLabel2 = "Hotkey festlegen";
  static constexpr const char* kLabel3 =
      "Bitte beachten Sie, dass die Kombinationen die Sie hier angeben, entsprechende Kombinationen "
      "in anderen Programmen außer Kraft setzen!";
  static constexpr std::array<const char*, 4> kSlotLabels = {
      "HotKey für Auswahl per Liste", "HotKey für Auswahl per Kürzel", "HotKey für Text-Archiv",
      "Hotkey für Favorisierte Ordner"};
  static constexpr int kHelpContext = 2;

  static const std::vector<std::string>& FirstPartItems();
  static const std::vector<std::string>& FullKeyList();
  static const std::vector<std::string>& FunctionKeyList();

  // cbx1 to cbx8: index 2*slot is the first part of a slot (0-based), 2*slot+1 the second.
  std::array<ComboState, 8> cbx;
  // The box that should get the keyboard focus after a check failed, or -1.
  int focusRequest = -1;

  void FormShow();
  // A first-part box (cbx1, cbx3, cbx5, cbx7) changed to index.
  void FirstPartChange(int slot, int index);
  // A second-part box's list is about to open.
  void SecondPartDropDown(int slot);
  void SecondPartChange(int slot, int index);
  // True when the checks passed, the keys are written and the window closes with OK.
  bool btnOkClick();
  void btnHilfeClick();

 private:
  ComboState& First(int slot) { return cbx[static_cast<std::size_t>(2 * slot)]; }
  ComboState& Second(int slot) { return cbx[static_cast<std::size_t>(2 * slot + 1)]; }

  Services& services_;
  std::string appDir_;
  std::string settingsPath_;
};

}  // namespace fenu
