#include "app/Forms.h"

namespace fenu {

const char* MainWindowClassName(MainWindow kind) {
  switch (kind) {
    case MainWindow::Liste: return "TfrmListe";
    case MainWindow::MiniAuswahl: return "TfrmMiniAuswahl";
    case MainWindow::Verwaltung: return "TfrmVerwaltung";
    case MainWindow::FavFolder: return "TfrmFavFolder";
    case MainWindow::Form1: return "TForm1";
    case MainWindow::Calendar: return "TfrmCalendar";
    case MainWindow::Hotkey: return "TfrmHotkey";
  }
  return "";
}

}  // namespace fenu
