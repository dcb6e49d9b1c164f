#pragma once
// TfrmMemo: a text shown read-only, as the management window's preview shows an expanded block.
#include <string>

#include "ui/win32/Form_win.h"

namespace fenu {

class TfrmMemoView : public ui::Form {
 public:
  explicit TfrmMemoView(std::string text) : Form(L"TfrmMemo", 480, 340), text_(std::move(text)) {}

  static constexpr const char* kCaption = "Text anzeigen";
  enum Id { btnClose = IDCANCEL, Memo1 = 101 };

 protected:
  void OnCreate() override;
  HWND InitialFocus() override { return Item(btnClose); }

 private:
  std::string text_;
};

}  // namespace fenu
