#include "options/PasswordCheck.h"

#include "common/Settings.h"
#include "core/FileIo.h"
#include "core/IniFile.h"
#include "options/PasswordFile.h"
#include "data/Database.h"

namespace fenu {

std::string CurrentDatabaseFile(std::string_view appDir) {
  const IniFile settings(SettingsPath(appDir));
  const std::string stored = settings.ReadString("Main", "CurrentDB", "Standard.adb");
  return ResolveStick(appDir, stored, settings.ReadBool("Main", "Stick", false));
}

bool PasswordCheck(IPasswordPrompt& prompt, std::string_view appDir) {
  // The password of the database the management window is going to open: when the configured
  // one is missing, that is the dummy database.
  std::string database = CurrentDatabaseFile(appDir);
  if (!FileExists(database)) database = DummyDatabaseFile(appDir);
  const std::optional<std::string> stored = ReadPasswordFile(PasswordFileOf(database));
  if (!stored || stored->empty()) return true;
  for (;;) {
    std::string entered;
    // Cancel refuses, whatever the field holds.
    if (!prompt.Ask(entered)) return false;
    if (entered == *stored) return true;
  }
}

}  // namespace fenu
