#pragma once
#include "app/Forms.h"

namespace fenu {

// Shows the real windows for the shell.
class Win32Forms : public IForms {
 public:
  explicit Win32Forms(IDialogs& dialogs) : dialogs_(dialogs) {}
  void ShowTaskbar(TfrmTaskbar& window) override;
  void ShowIniMessage(TfrmIniMessage& window) override;
  bool ShowHotkey(TfrmHotkey& window) override;
  void ShowMainWindow(MainWindow kind, WindowHandle target) override;

 private:
  IDialogs& dialogs_;
};

}  // namespace fenu
