#include "insert/TfrmMiniAuswahl.h"

#include "app/Settings.h"
#include "core/IniFile.h"
#include "insert/Expansion.h"
#include "store/BlockData.h"
#include "store/Database.h"

namespace fenu {

std::string TfrmMiniAuswahl::AbbreviationIndex() const {
  const IniFile settings(SettingsPath(appDir_));
  return ResolveStick(appDir_, settings.ReadString("Main", "CurDirectDB", "Standard.kdb"),
                      settings.ReadBool("Main", "Stick", false));
}

std::string TfrmMiniAuswahl::BlockDir() const { return BlockDirOf(AbbreviationIndex()); }

void TfrmMiniAuswahl::txtKurzChange(const std::string& text) {
  txtKurz = text;
  btnOKEnabled = !txtKurz.empty();
}

std::vector<std::string> TfrmMiniAuswahl::Abbreviations() const {
  return IniFile(AbbreviationIndex()).ReadSection("Main");
}

void TfrmMiniAuswahl::ListChosen(const std::string& abbreviation) { txtKurzChange(abbreviation); }

bool TfrmMiniAuswahl::btnOKClick() {
  const std::string blockDir = BlockDir();
  const auto file = IniFile(AbbreviationIndex()).Load().Value("Main", txtKurz);
  if (!file) {
    services_.dialogs.MessageDlg(MsgKind::Error, "Ein Baustein mit diesem Kürzel wurde nicht gefunden!");
    return false;
  }
  const auto text = IsSafeTextFileName(*file) ? ReadBlockText(blockDir + *file) : std::nullopt;
  if (!text) {
    services_.dialogs.MessageDlg(MsgKind::Error,
                                 "Schwerer Fehler! Die zugehörige Baustein-Datei wurde nicht gefunden. Weitermachen unmöglich.");
    return false;
  }
  inserter_.Insert(JoinBlockLines(SplitTextLines(*text)), blockDir, target_);
  return true;
}

}  // namespace fenu
