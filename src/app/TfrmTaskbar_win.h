#pragma once
#include "app/TfrmTaskbar.h"
#include "ui/win32/Form_win.h"

namespace fenu {

class TfrmTaskbarView : public ui::Form {
 public:
  explicit TfrmTaskbarView(TfrmTaskbar& logic) : Form(L"TfrmTaskbar", 380, 236), logic_(logic) {}

  enum Id { btnOk = IDCANCEL, CheckBox1 = 101, Label1 = 102, Label2 = 103, Image1 = 104 };

 protected:
  void OnCreate() override;
  HWND InitialFocus() override { return Item(btnOk); }
  void OnClose(int result) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool OnCommand(int id, int code, HWND control) override;

 private:
  TfrmTaskbar& logic_;
};

}  // namespace fenu
