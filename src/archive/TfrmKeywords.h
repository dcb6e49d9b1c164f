#pragma once
// The keyword search window: finds the next archive text whose keyword line holds the search
// text, from the beginning of the archive or after its selection, and selects it there as a
// click would.
#include <string>
#include <vector>

#include "archive/IArchiveTreeAccess.h"
#include "platform/Services.h"

namespace fenu {

class TfrmKeywords {
 public:
  TfrmKeywords(Services& services, IArchiveTreeAccess& archive) : services_(services), archive_(archive) {}

  static constexpr const char* kCaption = "Schlagwortsuche";
  // The captions with their mnemonics.
  static constexpr const char* kLabel1 = "Suchen ab";
  static constexpr const char* kRbBegin = "&Datenbank-Anfang";
  static constexpr const char* kRbPosition = "Aktuelle &Position";
  static constexpr const char* kLabel2 = "Gesuchtes &Schlagwort";
  static constexpr const char* kBtnOk = "S&uchen";
  static constexpr const char* kBtnAbbrechen = "Schl&iessen";
  static std::vector<std::string> Captions();

  // Which radio button is checked: rbBegin, or else rbPosition.
  bool rbBegin = true;
  std::string txtKeyword;
  bool btnOkEnabled = false;

  void rbBeginClick() { rbBegin = true; }
  void rbPositionClick() { rbBegin = false; }
  void txtKeywordChange(std::string text);
  // Searches; the next search starts after whatever is selected then.
  void btnOkClick();

 private:
  Services& services_;
  IArchiveTreeAccess& archive_;
};

}  // namespace fenu
