#pragma once
// The selection window's search window: finds the next block whose text holds a word, from the
// top of the database or after the selected entry, and shows it in the selection window's tree.
#include <string>

#include "insert/TfrmListe.h"
#include "platform/Services.h"

namespace fenu {

class TfrmSearch {
 public:
  // Notes whether the selection window shows its list, to go back to it when the search closes.
  TfrmSearch(Services& services, TfrmListe& liste);

  static constexpr const char* kCaption = "Baustein suchen";
  std::string txtKeyword;
  bool rbBegin = true;  // false: from the current position
  bool btnOkEnabled() const { return !txtKeyword.empty(); }

  void btnOkClick();
  // Closed by "Schliessen" (true) or any other way.
  void FormClose(bool byButton);

 private:
  Services& services_;
  TfrmListe& liste_;
  bool listWasShowing_;
};

}  // namespace fenu
