#pragma once
// The first-start window: tells where the tray icon lives and remembers whether to show again.
#include <string>

#include "common/Help.h"

namespace fenu {

class TfrmTaskbar {
 public:
  explicit TfrmTaskbar(std::string appDir) : appDir_(std::move(appDir)) {}

  static constexpr const char* kCaption = "quenlia:Fenu";
  static constexpr const char* kLabel1 = "Wichtige Info";
  static constexpr const char* kLabel2 =
      "quenlia:Fenu finden Sie mit diesem Symbol in der Taskleiste im Tray, neben der Uhr oder in der "
      "Liste. Einfach drauf klicken.\r\nBeachten Sie bitte den Punkt \"Hotkeys\", damit Sie auch "
      "wissen wie Sie Bausteine abrufen können.";
  static constexpr const char* kBtnOk = "Schliessen";
  static constexpr const char* kCheckBox1 = "Diesen Hinweis nicht mehr anzeigen";
  static constexpr int kHelpContext = kHelpOverview;

  bool CheckBox1 = false;

  // However the window closes: [Main] Taskbar = "-1" when the box is ticked, "0" otherwise.
  // A failed write is ignored.
  void FormClose();

 private:
  std::string appDir_;
};

}  // namespace fenu
