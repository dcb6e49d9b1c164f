#include "app/TfrmTaskbar.h"

#include "common/Settings.h"
#include "core/Errors.h"

namespace fenu {

void TfrmTaskbar::FormClose() {
  try {
    WriteSetting(appDir_, kSettingsFileName, "Main", "Taskbar", CheckBox1);
  } catch (const FileError&) {
    // A settings file that cannot be written only means the window comes again next time.
  }
}

}  // namespace fenu
