#pragma once
#include "app/TfrmIniMessage.h"
#include "ui/win32/Form_win.h"

namespace fenu {

class TfrmIniMessageView : public ui::Form {
 public:
  explicit TfrmIniMessageView(TfrmIniMessage& logic) : Form(L"TfrmIniMessage", 400, 176), logic_(logic) {}

  enum Id { btnOK = IDOK, CheckBox1 = 101, Label3 = 102, Label1 = 103, Image1 = 104 };

 protected:
  void OnCreate() override;
  HWND InitialFocus() override { return Item(btnOK); }
  void OnClose(int result) override;

 private:
  TfrmIniMessage& logic_;
};

}  // namespace fenu
