#pragma once
#include <string>

#include "app/Forms.h"

namespace fenu {

// Shows the real windows for the shell.
class Win32Forms : public IForms {
 public:
  Win32Forms(Services& services, std::string appDir) : services_(services), appDir_(std::move(appDir)) {}
  void ShowTaskbar(TfrmTaskbar& window) override;
  void ShowIniMessage(TfrmIniMessage& window) override;
  bool ShowHotkey(TfrmHotkey& window) override;
  void ShowMainWindow(MainWindow kind, WindowHandle target) override;
  void ShowSelection(WindowHandle target, const DeliveryOptions& delivery) override;
  void ShowAbbreviation(WindowHandle target, const DeliveryOptions& delivery) override;
  void ShowManagement(bool& sendkeys) override;
  bool AskPassword(std::string& entered) override;
  void ShowNetSend() override;

 private:
  Services& services_;
  std::string appDir_;
};

}  // namespace fenu
