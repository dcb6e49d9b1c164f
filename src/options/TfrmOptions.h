#pragma once
// The options window: delivery by simulated typing ("Sendkeys") and the database password.
// Opened by the management window, which hands over its current database file and the shell's
// Sendkeys flag; every close writes the setting and the password file, except that a password
// set before is removed only when the user agrees.
#include <string>

#include "common/Help.h"
#include "platform/Services.h"

namespace fenu {

class TfrmOptions {
 public:
  // sendkeys is the shell's flag: shown when the window opens, updated when it closes.
  TfrmOptions(Services& services, std::string appDir, std::string databaseFile, bool& sendkeys);

  static constexpr const char* kCaption = "Optionen";
  static constexpr int kHelpContext = kHelpOptions;
  static constexpr const char* kLabel3 = "Optionen zur Programmsteuerung";
  static constexpr const char* kGroupBox1 = "Alternative Datenübergabe";
  static constexpr const char* kCkbSendKeys = "Alternative Datenübergabe aktivieren";
  static constexpr const char* kLabel1 =
      "Schalten Sie diese Option ein, wenn die Textbausteine nicht in allen Ihren Anwendungen ankommen. "
      "Wahrscheinlich wird das Problem dadurch behoben.";
  static constexpr const char* kGroupBox2 = "Datenbank-Passwort";
  static constexpr const char* kLabelEdit1 = "Passwort";
  static constexpr const char* kLabelEdit2 = "Passwort - Wiederholung";
  static constexpr const char* kLabel5 =
      "Durch Vergabe eines Passwortes können Sie die Datenbank vor unbefugten Änderungen schützen.";
  // Says under the fields what closing with them empty does.
  static constexpr const char* kLabel6 =
      "Um ein gesetztes Passwort zu behalten, geben Sie es in beide Felder ein. Leere Felder entfernen es.";
  static constexpr const char* kButton1 = "Schliessen";
  static constexpr const char* kMismatch = "Passwort und Wiederholung stimmen nicht überein.";
  static constexpr const char* kConfirmRemoval = "Das Datenbank-Passwort wird entfernt. Fortfahren?";

  bool ckbSendKeys = false;
  std::string Edit1;  // the password
  std::string Edit2;  // its repetition

  const std::string& DatabaseFile() const { return databaseFile_; }
  std::string PasswordFile() const;

  // Shows the current Sendkeys value; the password fields start empty.
  void FormShow();
  // "Schliessen" or Escape: true when the window may close; a mismatch of the two fields is
  // reported and keeps it open, writing nothing.
  bool Button1Click();
  // However the window closes (the close box skips Button1Click): writes [Options] Sendkeys and
  // sets the shell's flag, then writes the password file with Edit1. When that would remove a
  // password that is set (Edit1 empty), it asks first; "Nein" leaves the file untouched. A file
  // that cannot be written is reported and the window closes all the same.
  void FormClose();
  // F1.
  void FormHelp() { ShowHelpContext(services_.help, appDir_, kHelpContext); }

 private:
  Services& services_;
  std::string appDir_;
  std::string databaseFile_;
  bool& sendkeys_;
};

}  // namespace fenu
