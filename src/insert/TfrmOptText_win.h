#pragma once
#include <string>

#include "ui/win32/Form_win.h"

namespace fenu {

class TfrmOptTextView : public ui::Form {
 public:
  explicit TfrmOptTextView(std::string passage) : Form(L"TfrmOptText", 400, 260), text(std::move(passage)) {}
  enum Id { btnYes = IDOK, btnNo = IDCANCEL, Label1 = 101, Label2 = 102, Memo1 = 103 };
  std::string text;

 protected:
  void OnCreate() override;
  void OnClose(int result) override;
  HWND InitialFocus() override { return Item(btnYes); }
};

}  // namespace fenu
