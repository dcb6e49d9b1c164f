#include "insert/TfrmMiniAuswahl.h"

#include "common/Settings.h"
#include "core/Errors.h"
#include "core/FileIo.h"
#include "core/IniFile.h"
#include "expansion/Expansion.h"
#include "data/BlockData.h"
#include "data/DamagedFiles.h"
#include "data/Database.h"

namespace fenu {
namespace {

// Which index the window works from, and the configured database when it is missing.
struct IndexChoice {
  std::string index;
  std::optional<std::string> missingDatabase;
  bool usable = true;
};

IndexChoice ChooseIndex(const std::string& appDir) {
  const IniDocument settings = IniFile(SettingsPath(appDir)).Load();
  const bool stick = settings.Integer("Main", "Stick", 0) != 0;
  IndexChoice choice;
  choice.index = ResolveStick(appDir, settings.Value("Main", "CurDirectDB").value_or("Standard.kdb"), stick);
  if (FileExists(choice.index)) return choice;
  const std::string database = ResolveStick(appDir, settings.Value("Main", "CurrentDB").value_or("Standard.adb"), stick);
  if (FileExists(database)) return choice;  // a database without abbreviations has no index
  choice.missingDatabase = database;
  const std::string dummy = DummyDatabaseFile(appDir);
  if (FileExists(dummy))
    choice.index = AbbreviationIndexOf(dummy);
  else
    choice.usable = false;
  return choice;
}

}  // namespace

bool TfrmMiniAuswahl::FormCreate() {
  const IndexChoice choice = ChooseIndex(appDir_);
  if (choice.missingDatabase)
    services_.dialogs.MessageDlg(MsgKind::Error,
                                 DatabaseNotFoundText(*choice.missingDatabase));
  if (!choice.usable) return false;
  try {
    ReadAbbreviationIndex(choice.index);
  } catch (const DamagedFileError& e) {
    services_.dialogs.MessageDlg(MsgKind::Error, e.what());
    return false;
  }
  return true;
}

std::string TfrmMiniAuswahl::AbbreviationIndex() const { return ChooseIndex(appDir_).index; }

std::string TfrmMiniAuswahl::BlockDir() const { return BlockDirOf(AbbreviationIndex()); }

void TfrmMiniAuswahl::txtKurzChange(const std::string& text) {
  txtKurz = text;
  btnOKEnabled = !txtKurz.empty();
}

std::vector<std::string> TfrmMiniAuswahl::Abbreviations() const {
  try {
    return ReadAbbreviationIndex(AbbreviationIndex()).KeyNames("Main");
  } catch (const DamagedFileError& e) {
    services_.dialogs.MessageDlg(MsgKind::Error, e.what());
    return {};
  }
}

void TfrmMiniAuswahl::ListChosen(const std::string& abbreviation) { txtKurzChange(abbreviation); }

bool TfrmMiniAuswahl::btnOKClick() {
  const std::string index = AbbreviationIndex();
  const std::string blockDir = BlockDirOf(index);
  std::optional<std::string> file;
  try {
    file = ReadAbbreviationIndex(index).Value("Main", txtKurz);
  } catch (const DamagedFileError& e) {
    services_.dialogs.MessageDlg(MsgKind::Error, e.what());
    return false;
  }
  if (!file) {
    services_.dialogs.MessageDlg(MsgKind::Error, "Ein Baustein mit diesem Kürzel wurde nicht gefunden!");
    return false;
  }
  const auto text = IsSafeTextFileName(*file) ? ReadTextFile(blockDir + *file) : std::nullopt;
  if (!text) {
    services_.dialogs.MessageDlg(MsgKind::Error, kMissingBlockMessage);
    return false;
  }
  inserter_.Insert(JoinBlockLines(SplitTextLines(*text)), blockDir, target_);
  return true;
}

}  // namespace fenu
