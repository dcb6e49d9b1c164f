#pragma once
#include "options/TPasswordDlg.h"
#include "platform/Services.h"
#include "ui/win32/Form_win.h"

namespace fenu {

class TPasswordDlgView : public ui::Form {
 public:
  explicit TPasswordDlgView(TPasswordDlg& logic) : Form(L"TPasswordDlg", 280, 112), logic_(logic) {}

  enum Id { OKBtn = IDOK, CancelBtn = IDCANCEL, Password = 101, Label1 = 102 };

 protected:
  void OnCreate() override;
  void OnShow() override;
  HWND InitialFocus() override { return Item(Password); }
  void OnClose(int result) override;

 private:
  TPasswordDlg& logic_;
};

// The password dialog as the password check asks through it: a fresh window for every question,
// centred on the screen.
class Win32PasswordPrompt : public IPasswordPrompt {
 public:
  Win32PasswordPrompt(IHelpViewer& help, std::string appDir) : help_(help), appDir_(std::move(appDir)) {}
  bool Ask(std::string& entered) override;

 private:
  IHelpViewer& help_;
  std::string appDir_;
};

}  // namespace fenu
