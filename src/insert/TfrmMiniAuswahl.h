#pragma once
// The abbreviation window: a block is chosen by typing its abbreviation, looked up in the
// database's abbreviation index, and inserted like from the selection window.
#include <string>
#include <vector>

#include "common/Help.h"
#include "insert/IBlockInserter.h"
#include "platform/Services.h"

namespace fenu {

class TfrmMiniAuswahl {
 public:
  TfrmMiniAuswahl(Services& services, IBlockInserter& inserter, std::string appDir, WindowHandle target)
      : services_(services), inserter_(inserter), appDir_(std::move(appDir)), target_(target) {}

  static constexpr const char* kCaption = "Kürzel Auswahl";
  static constexpr const char* kLabel1 = "Kürzel eingeben und ENTER";
  static constexpr int kHelpContext = kHelpAbbreviation;

  std::string txtKurz;
  bool btnOKEnabled = false;

  // Before the window opens: false (after the error box) when there is no database to choose
  // from or its abbreviation index cannot be read; the window then stays closed.
  bool FormCreate();

  void txtKurzChange(const std::string& text);
  // The abbreviations of the index in file order, for the list window.
  std::vector<std::string> Abbreviations() const;
  // After the list window closed with an entry selected.
  void ListChosen(const std::string& abbreviation);
  // True when the block was inserted and the window closes.
  bool btnOKClick();
  // F1.
  void FormHelp() { ShowHelpContext(services_.help, appDir_, kHelpContext); }

  // [Main] CurDirectDB; when neither it nor the database of [Main] CurrentDB is there, the dummy
  // database's index, as the management window falls back to that database.
  std::string AbbreviationIndex() const;
  std::string BlockDir() const;

 private:
  Services& services_;
  IBlockInserter& inserter_;
  std::string appDir_;
  WindowHandle target_;
};

}  // namespace fenu
