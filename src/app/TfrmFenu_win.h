#pragma once
#include <windows.h>
#include <shellapi.h>

#include "app/Forms_win.h"
#include "app/TfrmFenu.h"
#include "platform/win32/Win32Services_win.h"
#include "ui/win32/GdiObject_win.h"

namespace fenu {

// The shell's hidden window: tray icon and menu, hotkey messages, and the end of the program.
class TfrmFenuView {
 public:
  enum Command {
    mnuBVerwaltung = 1001,
    mnuArchivVerwaltung = 1002,
    mnuCalendar4 = 1003,
    mnuFafo = 1004,
    mnuNNS = 1005,
    mnuHotKeys = 1006,
    Beenden1 = 1007,
  };
  static constexpr UINT kTrayMessage = WM_APP + 1;

  TfrmFenuView(win32::Win32Services& services, std::string appDir);

  // Creates the hidden window and the tray icon.
  void Create();
  // Start-up once the window exists: hotkeys, first-start window, reminder.
  void Start();
  int Run();
  // Removes the icon and the hotkeys; used on the way out, also by the error handler.
  void Shutdown();

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void AddTrayIcon();
  void RemoveTrayIcon();
  void ShowPopup();
  void Command(int id);

  win32::Win32Services& services_;
  Win32Forms forms_;
  TfrmFenu logic_;
  HWND hwnd_ = nullptr;
  ui::Menu popup_;
  ui::Icon icon_;
  UINT taskbarCreated_ = 0;
  bool iconShown_ = false;
};

}  // namespace fenu
