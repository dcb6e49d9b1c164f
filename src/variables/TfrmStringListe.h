#pragma once
// The list editor of a choice variable's values: a sorted list, entries added, deleted and
// replaced through input boxes, and a button that makes the window wider or narrower again.
#include <string>
#include <vector>

#include "common/Help.h"
#include "platform/Services.h"

namespace fenu {

class TfrmStringListe {
 public:
  TfrmStringListe(Services& services, std::vector<std::string> values, std::string appDir);

  static constexpr const char* kCaption = "Einträge bearbeiten";
  static constexpr const char* kWide = "breit >>>";
  static constexpr const char* kNarrow = "<<< schmal";
  static constexpr int kNarrowWidth = 393;
  static constexpr int kWideWidth = 550;
  static constexpr int kHelpContext = 3500;

  // --- What the view shows -------------------------------------------------------------------
  std::vector<std::string> mmListe;  // always sorted without regard to case
  int itemIndex = -1;                // the selected entry, -1 for none
  std::string Edit1;                 // the current entry (hidden)
  bool btnDeleteEnabled = false;
  bool btnErsetzenEnabled = false;
  std::string btnSizeCaption = kWide;
  int Width = kNarrowWidth;  // of the window, in 96-DPI pixels

  void FormShow();
  void mmListeClick(int index);
  void btnAddClick();
  void btnDeleteClick();
  void btnErsetzenClick();
  // The view passes the window's present width (96-DPI pixels) and then applies Width.
  void btnSizeClick(int currentWidth);
  // The hidden help button, and F1.
  void btnHilfeClick() { ShowHelpContext(services_.help, appDir_, kHelpContext); }

  const std::vector<std::string>& Values() const { return mmListe; }

 private:
  void Add(const std::string& entry);
  void Select(int index);
  void UpdateButtons();

  Services& services_;
  std::string appDir_;
};

}  // namespace fenu
