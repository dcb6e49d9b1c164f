#pragma once
// A one-line input dialog: caption, prompt, edit, "OK" and "Abbrechen".
#include <string>
#include <string_view>

#include "ui/win32/Form_win.h"

namespace fenu::ui {

class InputQueryForm : public Form {
 public:
  // maxLength 0: no limit.
  InputQueryForm(std::string caption, std::string prompt, std::string value, std::size_t maxLength = 0)
      : Form(L"TInputQuery", 330, 112), caption_(std::move(caption)), prompt_(std::move(prompt)),
        value_(std::move(value)), maxLength_(maxLength) {}

  enum Id { btnOk = IDOK, btnCancel = IDCANCEL, lblPrompt = 101, txtValue = 102 };
  const std::string& Value() const { return value_; }

 protected:
  void OnCreate() override;
  void OnClose(int result) override;
  HWND InitialFocus() override { return Item(txtValue); }

 private:
  std::string caption_;
  std::string prompt_;
  std::string value_;
  std::size_t maxLength_;
};

}  // namespace fenu::ui
