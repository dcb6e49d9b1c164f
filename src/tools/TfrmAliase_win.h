#pragma once
#include "tools/TfrmAliase.h"
#include "ui/win32/Form_win.h"
#include "ui/win32/StringGrid_win.h"

namespace fenu {

class TfrmAliaseView : public ui::Form {
 public:
  explicit TfrmAliaseView(TfrmAliase& logic) : Form(L"TfrmAliase", 330, 300), logic_(logic) {}

  enum Id { btnOk = IDOK, btnCancel = IDCANCEL, Label1 = 101, StrGrid = 102 };

 protected:
  void OnCreate() override;
  void OnShow() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnDpiChanged(int) override { grid_.SetDpi(Dpi()); }
  bool OnHelp() override {
    logic_.FormHelp();
    return true;
  }

 private:
  TfrmAliase& logic_;
  ui::StringGridView grid_;
};

}  // namespace fenu
