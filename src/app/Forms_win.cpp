#include "app/Forms_win.h"

#include <windows.h>

#include <string>

#include "app/TfrmIniMessage_win.h"
#include "app/TfrmTaskbar_win.h"
#include "archive/TfrmVerwaltung.h"
#include "archive/TfrmVerwaltung_win.h"
#include "calendar/TfrmCalendar_win.h"
#include "insert/BlockInserter.h"
#include "insert/Prompts_win.h"
#include "insert/TfrmListe_win.h"
#include "insert/TfrmMiniAuswahl_win.h"
#include "options/TPasswordDlg_win.h"
#include "platform/win32/Clock_win.h"
#include "platform/win32/Keyboard_win.h"
#include "options/TfrmOptions.h"
#include "options/TfrmOptions_win.h"
#include "store/TForm1.h"
#include "store/TForm1_win.h"
#include "store/TfrmMemo_win.h"
#include "tools/TfrmFavFolder_win.h"
#include "tools/TfrmHotkey_win.h"
#include "tools/TfrmInfo_win.h"
#include "tools/TfrmNetSend_win.h"
#include "variables/TfrmVariables_win.h"

namespace fenu {

void Win32Forms::ShowTaskbar(TfrmTaskbar& window) {
  TfrmTaskbarView view(window);
  view.SetHelp([this] { ShowHelpContext(services_.help, appDir_, TfrmTaskbar::kHelpContext); });
  view.ShowModal(nullptr);
}

void Win32Forms::ShowIniMessage(TfrmIniMessage& window) {
  TfrmIniMessageView view(window);
  view.SetHelp([this] { ShowHelpContext(services_.help, appDir_, TfrmIniMessage::kHelpContext); });
  view.ShowModal(nullptr);
}

bool Win32Forms::ShowHotkey(TfrmHotkey& window) {
  TfrmHotkeyView view(window);
  return view.ShowModal(nullptr) == IDOK;
}

void Win32Forms::ShowMainWindow(MainWindow kind, WindowHandle) {
  if (kind == MainWindow::Calendar) {
    calendar::ShowCalendarWindow(services_, appDir_);
    return;
  }
  if (kind == MainWindow::FavFolder) {
    TfrmFavFolder logic(services_, appDir_);
    TfrmFavFolderView(logic).ShowModal(nullptr);
    return;
  }
  if (kind == MainWindow::Verwaltung) {
    win32::Win32Clipboard clipboard;
    TfrmVerwaltung logic(services_, clipboard, appDir_);
    // An archive that cannot be read has been reported; the window stays closed.
    if (!logic.FormCreate()) return;
    // The view (and the keyword windows it owns) goes before the logic they reach.
    TfrmVerwaltungView(logic, services_).ShowModal(nullptr);
  }
}

namespace {

// The dialogs of the management window, owned by it.
class Win32Form1Dialogs : public IForm1Dialogs {
 public:
  Win32Form1Dialogs(Services& services, std::string appDir, bool& sendkeys)
      : services_(services), appDir_(std::move(appDir)), sendkeys_(sendkeys), prompts_(services.dialogs, appDir_) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  void ShowInfo(TfrmInfo& window) override { TfrmInfoView(window).ShowModal(owner_); }
  void ShowOptions(const std::string& databaseFile) override {
    TfrmOptions options(services_, appDir_, databaseFile, sendkeys_);
    TfrmOptionsView(options).ShowModal(owner_);
  }
  bool ShowVariables(TfrmVariables& window) override { return TfrmVariablesView(window).ShowModal(owner_) == IDOK; }
  void ShowMemo(const std::string& text) override { TfrmMemoView(text).ShowModal(owner_); }
  IPrompts& Prompts() override { return prompts_; }
  IClock& Clock() override { return clock_; }
  ILocale& Locale() override { return clock_; }

 private:
  Services& services_;
  std::string appDir_;
  bool& sendkeys_;
  Win32Prompts prompts_;
  win32::Win32Clock clock_;
  HWND owner_ = nullptr;
};

}  // namespace

// What inserting a block needs from the system: the clock and locale for dates, the prompt
// dialogs, the keyboard and the clipboard.
struct InsertionKit {
  win32::Win32Clock clock;
  Win32Prompts prompts;
  win32::Win32Keyboard keyboard;
  win32::Win32Clipboard clipboard;
  win32::Win32Foreground foreground;
  win32::Win32PlainMessage messages;
  KeyboardServices keys{keyboard, clipboard, foreground, messages};
  ExpansionEngine engine;
  ExpandAndDeliver inserter;
  InsertionKit(Services& services, const std::string& appDir, const DeliveryOptions& delivery)
      : prompts(services.dialogs, appDir),
        engine(prompts, clock, clock, services.dialogs),
        inserter(services, keys, engine, delivery) {}
};

void Win32Forms::ShowSelection(WindowHandle target, const DeliveryOptions& delivery) {
  InsertionKit kit(services_, appDir_, delivery);
  TfrmListe logic(services_, kit.inserter, appDir_, target);
  if (!logic.FormCreate()) return;
  TfrmListeView view(logic, services_);
  view.ShowModal(nullptr);
}

void Win32Forms::ShowAbbreviation(WindowHandle target, const DeliveryOptions& delivery) {
  InsertionKit kit(services_, appDir_, delivery);
  TfrmMiniAuswahl logic(services_, kit.inserter, appDir_, target);
  if (!logic.FormCreate()) return;
  TfrmMiniAuswahlView view(logic);
  view.ShowModal(nullptr);
}

void Win32Forms::ShowManagement(bool& sendkeys) {
  Win32Form1Dialogs dialogs(services_, appDir_, sendkeys);
  TForm1 logic(services_, dialogs, appDir_);
  // A database that cannot be opened has been reported; the window stays closed.
  if (!logic.FormCreate()) return;
  TForm1View view(logic);
  dialogs.SetOwner(view.Create(nullptr));
  view.ShowModal(nullptr);
}

bool Win32Forms::AskPassword(std::string& entered) {
  return Win32PasswordPrompt(services_.help, appDir_).Ask(entered);
}

void Win32Forms::ShowNetSend() { TfrmNetSendView(services_, appDir_).ShowModal(nullptr); }

}  // namespace fenu
