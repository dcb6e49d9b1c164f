#include "app/Forms_win.h"

#include <windows.h>

#include <string>

#include "app/TfrmIniMessage_win.h"
#include "app/TfrmTaskbar_win.h"
#include "tools/TfrmHotkey_win.h"

namespace fenu {
namespace {

const char* GermanName(MainWindow kind) {
  switch (kind) {
    case MainWindow::Liste: return "Die Baustein-Auswahl";
    case MainWindow::MiniAuswahl: return "Die Auswahl per Kürzel";
    case MainWindow::Verwaltung: return "Das Text-Archiv";
    case MainWindow::FavFolder: return "Die Favorisierten Ordner";
    case MainWindow::Form1: return "Die Baustein Verwaltung";
    case MainWindow::Calendar: return "Der Kalender";
    case MainWindow::Hotkey: break;
  }
  return "Dieses Fenster";
}

}  // namespace

void Win32Forms::ShowTaskbar(TfrmTaskbar& window) {
  TfrmTaskbarView view(window);
  view.ShowModal(nullptr);
}

void Win32Forms::ShowIniMessage(TfrmIniMessage& window) {
  TfrmIniMessageView view(window);
  view.ShowModal(nullptr);
}

bool Win32Forms::ShowHotkey(TfrmHotkey& window) {
  TfrmHotkeyView view(window);
  return view.ShowModal(nullptr) == IDOK;
}

void Win32Forms::ShowMainWindow(MainWindow kind, WindowHandle) {
  // Windows that this version does not contain yet say so instead of doing nothing.
  dialogs_.MessageDlg(MsgKind::Information,
                      std::string(GermanName(kind)) + " ist in dieser Version von quenlia:FENU noch nicht enthalten.");
}

}  // namespace fenu
