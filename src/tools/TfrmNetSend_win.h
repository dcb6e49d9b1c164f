#pragma once
#include "tools/TfrmNetSend.h"
#include "ui/win32/Form_win.h"

namespace fenu {

class TfrmNetSendView : public ui::Form, public INetSendDialogs {
 public:
  explicit TfrmNetSendView(Services& services, const std::string& appDir)
      : Form(L"TfrmNetSend", 520, 392), logic_(services, *this, appDir) {}

  enum Id {
    btnClose = IDCANCEL,
    Label1 = 101,
    cbxDomains = 102,
    Label2 = 103,
    lbComputers = 104,
    btnRecipient = 105,
    btnAliase = 106,
    Label5 = 107,
    Edit1 = 108,
    Label3 = 109,
    lbrecipients = 110,
    btnDelete = 111,
    btnDeleteAll = 112,
    Label4 = 113,
    mmMessage = 114,
    btnSend = 115,
    Label6 = 116,
  };

  bool ShowAliase(TfrmAliase& window) override;

 protected:
  void OnCreate() override;
  void OnShow() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool OnHelp() override {
    logic_.FormHelp();
    return true;
  }

 private:
  void Render();

  TfrmNetSend logic_;
};

}  // namespace fenu
