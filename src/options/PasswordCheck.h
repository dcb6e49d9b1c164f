#pragma once
// The password gate in front of the management window.
#include <string>
#include <string_view>

#include "options/TPasswordDlg.h"

namespace fenu {

// The database the management window opens: [Main] CurrentDB (default "Standard.adb"), in
// portable mode ([Main] Stick) its file name inside AppDir's "Daten" folder.
std::string CurrentDatabaseFile(std::string_view appDir);

// True when the management window may open: the database it is going to open (the current one,
// or the dummy database when that is missing) has no password file or an empty password, or the
// user types the stored password (exactly, letter case included). A wrong password asks again;
// cancelling the dialog refuses access.
bool PasswordCheck(IPasswordPrompt& prompt, std::string_view appDir);

}  // namespace fenu
