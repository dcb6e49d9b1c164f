#pragma once
// The tray shell: start-up, the window guard, the window openers behind the tray menu and the
// hotkeys, and the Sendkeys flag. Its own window is never shown.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/Forms.h"
#include "app/Hotkeys.h"
#include "platform/Services.h"

namespace fenu {

inline constexpr const char* kMutexName = "quenliaFenu";
inline constexpr const char* kAlreadyRunning = "Anwendung läuft bereits!!!!!";
inline constexpr const char* kFatalErrorText = "Ein schwerer Fehler ist aufgetreten! Das Programm wird beendet.";
inline constexpr const char* kGuardText =
    "Es können nicht mehrere Fenster von quenlia:FENU gleichzeitig geöffnet werden!";
inline constexpr const char* kRightClickHintTitle = "Zur Erinnerung";
inline constexpr const char* kRightClickHintText =
    "Zu den Programmoptionen = Rechter Mausklick auf das Fenu-Symbol in der Taskleiste neben der Uhr!";

// Step one of start-up, before any window exists: false when another copy runs (after telling
// the user so); this process must then end at once.
bool AcquireSingleInstance(IInstance& instance, IDialogs& dialogs);

// The application-wide error handler's box; the caller then ends the process.
void ShowFatalError(IDialogs& dialogs);

class TfrmFenu {
 public:
  TfrmFenu(Services& services, IForms& forms, std::string appDir);

  const std::string& AppDir() const { return appDir_; }
  std::string SettingsPath() const;
  // The shell's own (hidden) window, which hotkeys bring to the foreground.
  void SetWindow(WindowHandle window) { window_ = window; }

  // Start-up after the window exists: hotkeys and Sendkeys, the first-start window, the reminder.
  void FormCreate();
  // The shell window is going away: the hotkeys with it.
  void FormDestroy();

  // Tray menu.
  void mnuBVerwaltungClick();
  void mnuArchivVerwaltungClick();
  void mnuCalendar4Click();
  void mnuFafoClick();
  void mnuNNSClick();
  void mnuHotKeysClick();

  // The system's hotkey message with the identifier it carries. Returns the slot (0 if none)
  // and the captured target, for diagnostics.
  struct HotkeyDispatch {
    int slot;
    WindowHandle target;
  };
  HotkeyDispatch HotkeyMessage(std::uint32_t id);
  // Told of each hotkey after the target is captured and before its window opens.
  std::function<void(const HotkeyDispatch&)> OnHotkeyDispatch;

  // True when no main window is open; otherwise shows the guard's box and answers false.
  bool WindowGuard();
  bool IsOpen(MainWindow kind) const { return open_[static_cast<std::size_t>(kind)]; }

  bool Sendkeys() const { return delivery_.sendkeys; }
  const DeliveryOptions& Delivery() const { return delivery_; }
  const HotkeyRegistry& Hotkeys() const { return hotkeys_; }

  void OpenSelection(WindowHandle target);
  void OpenAbbreviation(WindowHandle target);
  void OpenArchive();
  void OpenFavourites();
  void OpenManagement();
  void OpenCalendar();
  void OpenHotkeyWindow();

 private:
  void LoadHotkeys();
  // Guard, then the window's reference is held while it is shown, and cleared also on error.
  template <typename Show>
  void OpenMain(MainWindow kind, Show&& show);

  Services& services_;
  IForms& forms_;
  std::string appDir_;
  WindowHandle window_ = 0;
  HotkeyRegistry hotkeys_;
  DeliveryOptions delivery_;
  std::array<bool, kMainWindowCount> open_{};
};

}  // namespace fenu
