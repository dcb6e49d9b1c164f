#include "tools/TfrmInfo.h"

#include "common/ShellCommands.h"
#include "tools/TVersionInfo.h"

namespace fenu {

std::string TfrmInfo::ExecutablePath() const { return appDir_ + (stick_ ? "Fenu starten.exe" : "Fenu.exe"); }

void TfrmInfo::FormShow(int currentYear) {
  lBuild = "Ausgabe: " + TVersionInfo(services_.version, ExecutablePath()).Value("FileVersion");
  Label3 = "© 2001-" + std::to_string(currentYear) + " quenlia\r" + "quenlia Software, Deutschland\r" +
           "Autor: das quenlia-Team\r" + "Alle Rechte vorbehalten.";
  lbURL = kMakerWebPage;
}

void TfrmInfo::lbURLClick() { OpenMakerWebPage(services_.shell); }

}  // namespace fenu
