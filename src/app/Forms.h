#pragma once
// How the shell shows windows. The Win32 implementation creates the real window for a logic
// object and runs it modally; tests give a fake that acts as the user would.
#include <string>

#include "insert/Delivery.h"
#include "platform/Services.h"

namespace fenu {

class TfrmTaskbar;
class TfrmIniMessage;
class TfrmHotkey;

// The main window kinds that the window guard keeps apart.
enum class MainWindow { Liste, MiniAuswahl, Verwaltung, FavFolder, Form1, Calendar, Hotkey };
inline constexpr int kMainWindowCount = 7;
const char* MainWindowClassName(MainWindow kind);

class IForms {
 public:
  virtual ~IForms() = default;
  virtual void ShowTaskbar(TfrmTaskbar& window) = 0;
  virtual void ShowIniMessage(TfrmIniMessage& window) = 0;
  // True when the window closed with OK.
  virtual bool ShowHotkey(TfrmHotkey& window) = 0;
  // The main windows that the shell opens by hotkey or menu; target is the captured control for
  // the selection and abbreviation windows, 0 for the others.
  virtual void ShowMainWindow(MainWindow kind, WindowHandle target) = 0;
  // The selection and abbreviation windows for the control the hotkey captured; sendkeys is the
  // shell's delivery flag, read when a block goes out.
  virtual void ShowSelection(WindowHandle target, const DeliveryOptions& delivery) = 0;
  virtual void ShowAbbreviation(WindowHandle target, const DeliveryOptions& delivery) = 0;
  // The building-block management window; the options window it opens switches sendkeys.
  virtual void ShowManagement(bool& sendkeys) = 0;
  // The password dialog, shown once with an empty field; false when it was cancelled.
  virtual bool AskPassword(std::string& entered) = 0;
  // The network message window; the window guard does not count it.
  virtual void ShowNetSend() = 0;
};

}  // namespace fenu
