#pragma once
// The password dialog that the shell shows before the management window opens, and the
// interface through which the password check asks for a password.
#include <string>

#include "common/Help.h"

namespace fenu {

class TPasswordDlg {
 public:
  static constexpr const char* kCaption = "Paßwort-Dialog";
  static constexpr const char* kLabel1 = "Paßwort eingeben:";
  static constexpr const char* kOKBtn = "OK";
  static constexpr const char* kCancelBtn = "Abbrechen";
  // The password is set in the options, whose help tells about it.
  static constexpr int kHelpContext = kHelpOptions;

  // The edit, empty whenever the dialog is shown.
  std::string Password;

  void FormShow() { Password.clear(); }
};

// Asks the user for a password once.
class IPasswordPrompt {
 public:
  virtual ~IPasswordPrompt() = default;
  // Shows the dialog with an empty field; entered receives what was typed. False when the user
  // cancelled.
  virtual bool Ask(std::string& entered) = 0;
};

}  // namespace fenu
