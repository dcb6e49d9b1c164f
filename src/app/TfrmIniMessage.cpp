#include "app/TfrmIniMessage.h"

#include "app/Forms.h"
#include "core/Errors.h"
#include "core/IniFile.h"

namespace fenu {

void ShowHintOnce(IForms& forms, const std::string& key, const std::string& title, const std::string& text,
                  const std::string& settingsPath) {
  IniFile settings(settingsPath);
  if (!settings.ReadBool("ShowMessage", key, true)) return;
  TfrmIniMessage window(title, text);
  forms.ShowIniMessage(window);
  if (!window.CheckBox1) return;
  try {
    settings.WriteBool("ShowMessage", key, false);
  } catch (const FileError&) {
    // A read-only settings file must not end the program over a hint; it is shown again next time.
  }
}

}  // namespace fenu
