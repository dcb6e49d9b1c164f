#pragma once
// Shows no window: logs which window the shell opened and lets the test act as the user would.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/Forms.h"
#include "app/TfrmIniMessage.h"
#include "app/TfrmTaskbar.h"
#include "platform/fake/FakeServices.h"
#include "tools/TfrmHotkey.h"

namespace fenu::test {

class FakeForms : public IForms {
 public:
  explicit FakeForms(FakeServices& fake) : fake_(fake) {}

  std::function<void(TfrmTaskbar&)> onTaskbar;
  std::function<void(TfrmIniMessage&)> onIniMessage;
  // Acts on the hotkey window; returns whether it closes with OK (the default closes with Cancel).
  std::function<bool(TfrmHotkey&)> onHotkey;
  std::function<void(MainWindow, WindowHandle)> onMainWindow;

  void ShowTaskbar(TfrmTaskbar& window) override {
    fake_.log.push_back("Show TfrmTaskbar");
    if (onTaskbar) onTaskbar(window);
    window.FormClose();
  }
  void ShowIniMessage(TfrmIniMessage& window) override {
    fake_.log.push_back("Show TfrmIniMessage \"" + window.Caption + "\"");
    if (onIniMessage) onIniMessage(window);
  }
  bool ShowHotkey(TfrmHotkey& window) override {
    fake_.log.push_back("Show TfrmHotkey");
    window.FormShow();
    return onHotkey ? onHotkey(window) : false;
  }
  void ShowMainWindow(MainWindow kind, WindowHandle target) override {
    fake_.log.push_back(std::string("Show ") + MainWindowClassName(kind) + " " + std::to_string(target));
    if (onMainWindow) onMainWindow(kind, target);
  }

  void ShowSelection(WindowHandle target, const DeliveryOptions&) override { ShowMainWindow(MainWindow::Liste, target); }
  void ShowAbbreviation(WindowHandle target, const DeliveryOptions&) override { ShowMainWindow(MainWindow::MiniAuswahl, target); }

  std::function<void(bool& sendkeys)> onManagement;
  void ShowManagement(bool& sendkeys) override {
    fake_.log.push_back("Show TForm1");
    if (onManagement) onManagement(sendkeys);
  }

  // What the user types into the password dialog, in order, and whether OK ends it; without an
  // answer left the dialog is cancelled with an empty field.
  struct PasswordAnswer {
    std::string text;
    bool ok;
  };
  std::deque<PasswordAnswer> passwordAnswers;
  bool AskPassword(std::string& entered) override {
    PasswordAnswer answer{"", false};
    if (!passwordAnswers.empty()) {
      answer = passwordAnswers.front();
      passwordAnswers.pop_front();
    }
    entered = answer.text;
    fake_.log.push_back("Show TPasswordDlg \"" + answer.text + "\" -> " + (answer.ok ? "OK" : "Abbrechen"));
    return answer.ok;
  }

  void ShowNetSend() override { fake_.log.push_back("Show TfrmNetSend"); }

 private:
  FakeServices& fake_;
};

}  // namespace fenu::test
