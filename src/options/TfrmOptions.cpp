#include "options/TfrmOptions.h"

#include "common/Settings.h"
#include "core/Errors.h"
#include "options/PasswordFile.h"

namespace fenu {

TfrmOptions::TfrmOptions(Services& services, std::string appDir, std::string databaseFile, bool& sendkeys)
    : services_(services), appDir_(std::move(appDir)), databaseFile_(std::move(databaseFile)), sendkeys_(sendkeys) {}

std::string TfrmOptions::PasswordFile() const { return PasswordFileOf(databaseFile_); }

void TfrmOptions::FormShow() {
  ckbSendKeys = sendkeys_;
  Edit1.clear();
  Edit2.clear();
}

bool TfrmOptions::Button1Click() {
  if (Edit1 == Edit2) return true;
  services_.dialogs.MessageDlg(MsgKind::Error, kMismatch, MsgButtons::Ok);
  return false;
}

void TfrmOptions::FormClose() {
  // The management window stays open behind this one with its unsaved edits: a file that
  // cannot be written is reported here rather than ending the program.
  sendkeys_ = ckbSendKeys;
  try {
    WriteSetting(appDir_, kSettingsFileName, "Options", "Sendkeys", ckbSendKeys);
  } catch (const FileError& error) {
    services_.dialogs.MessageDlg(MsgKind::Error, error.what(), MsgButtons::Ok);
  }
  // The fields start empty whenever the window opens, so an empty first field is as often an
  // oversight as a wish to remove the password.
  if (Edit1.empty() && !ReadPasswordFile(PasswordFile()).value_or("").empty() &&
      services_.dialogs.MessageDlg(MsgKind::Confirmation, kConfirmRemoval, MsgButtons::YesNo) != MsgResult::Yes)
    return;
  try {
    WritePasswordFile(PasswordFile(), Edit1);
  } catch (const FileError& error) {
    services_.dialogs.MessageDlg(MsgKind::Error, error.what(), MsgButtons::Ok);
  }
}

}  // namespace fenu
