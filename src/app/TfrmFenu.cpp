#include "app/TfrmFenu.h"

#include "common/Settings.h"
#include "app/TfrmIniMessage.h"
#include "app/TfrmTaskbar.h"
#include "core/Errors.h"
#include "options/PasswordCheck.h"
#include "tools/TfrmHotkey.h"

namespace fenu {

bool AcquireSingleInstance(IInstance& instance, IDialogs& dialogs) {
  if (!instance.CreateOwnedMutexExisted(kMutexName)) return true;
  dialogs.MessageDlg(MsgKind::Plain, kAlreadyRunning);
  return false;
}

void ShowFatalError(IDialogs& dialogs) { dialogs.MessageDlg(MsgKind::Error, kFatalErrorText); }

TfrmFenu::TfrmFenu(Services& services, IForms& forms, std::string appDir)
    : services_(services), forms_(forms), appDir_(std::move(appDir)), hotkeys_(services.hotkeys) {}

std::string TfrmFenu::SettingsPath() const { return fenu::SettingsPath(appDir_); }

void TfrmFenu::LoadHotkeys() { delivery_ = hotkeys_.LoadHotkeys(IniFile(SettingsPath())); }

void TfrmFenu::FormCreate() {
  LoadHotkeys();
  if (ReadSetting(appDir_, kSettingsFileName, "Main", "Taskbar", "0") == "0") {
    TfrmTaskbar firstStart(appDir_);
    forms_.ShowTaskbar(firstStart);
  }
  ShowHintOnce(forms_, "RightClick", kRightClickHintTitle, kRightClickHintText, SettingsPath());
}

void TfrmFenu::FormDestroy() { hotkeys_.UnregisterAll(); }

bool TfrmFenu::WindowGuard() {
  for (bool open : open_) {
    if (open) {
      services_.dialogs.MessageDlg(MsgKind::Information, kGuardText);
      return false;
    }
  }
  return true;
}

template <typename Show>
void TfrmFenu::OpenMain(MainWindow kind, Show&& show) {
  if (!WindowGuard()) return;
  bool& open = open_[static_cast<std::size_t>(kind)];
  open = true;
  try {
    show();
  } catch (const DamagedFileError& e) {
    // A store that cannot be read keeps its window closed, not the program: the user is told
    // which file it is, and the tray stays ready.
    open = false;
    services_.dialogs.MessageDlg(MsgKind::Error, e.what());
    return;
  } catch (...) {
    open = false;
    throw;
  }
  open = false;
}

void TfrmFenu::OpenSelection(WindowHandle target) {
  OpenMain(MainWindow::Liste, [&] { forms_.ShowSelection(target, delivery_); });
}

void TfrmFenu::OpenAbbreviation(WindowHandle target) {
  OpenMain(MainWindow::MiniAuswahl, [&] { forms_.ShowAbbreviation(target, delivery_); });
}

void TfrmFenu::OpenArchive() {
  OpenMain(MainWindow::Verwaltung, [&] { forms_.ShowMainWindow(MainWindow::Verwaltung, 0); });
}

void TfrmFenu::OpenFavourites() {
  OpenMain(MainWindow::FavFolder, [&] { forms_.ShowMainWindow(MainWindow::FavFolder, 0); });
}

void TfrmFenu::OpenManagement() {
  // The password gate runs behind the guard, so that no other main window opens meanwhile.
  struct FormsPrompt : IPasswordPrompt {
    IForms& forms;
    explicit FormsPrompt(IForms& f) : forms(f) {}
    bool Ask(std::string& entered) override { return forms.AskPassword(entered); }
  } prompt(forms_);
  OpenMain(MainWindow::Form1, [&] {
    if (PasswordCheck(prompt, appDir_)) forms_.ShowManagement(delivery_.sendkeys);
  });
}

void TfrmFenu::OpenCalendar() {
  OpenMain(MainWindow::Calendar, [&] { forms_.ShowMainWindow(MainWindow::Calendar, 0); });
}

void TfrmFenu::OpenHotkeyWindow() {
  OpenMain(MainWindow::Hotkey, [&] {
    TfrmHotkey window(services_, appDir_);
    if (forms_.ShowHotkey(window)) LoadHotkeys();
  });
}

void TfrmFenu::mnuBVerwaltungClick() { OpenManagement(); }
void TfrmFenu::mnuArchivVerwaltungClick() { OpenArchive(); }
void TfrmFenu::mnuCalendar4Click() { OpenCalendar(); }
void TfrmFenu::mnuFafoClick() { OpenFavourites(); }
void TfrmFenu::mnuHotKeysClick() { OpenHotkeyWindow(); }

// The network message window is not counted by the guard.
void TfrmFenu::mnuNNSClick() { forms_.ShowNetSend(); }

TfrmFenu::HotkeyDispatch TfrmFenu::HotkeyMessage(std::uint32_t id) {
  const WindowHandle target = services_.focus.CaptureTarget();
  services_.focus.ForceForeground(window_);
  const int slot = hotkeys_.SlotOf(id);
  if (OnHotkeyDispatch) OnHotkeyDispatch({slot, target});
  switch (slot) {
    case 1: OpenSelection(target); break;
    case 2: OpenAbbreviation(target); break;
    case 3: OpenArchive(); break;
    case 4: OpenFavourites(); break;
    default: break;
  }
  return {slot, target};
}

}  // namespace fenu
