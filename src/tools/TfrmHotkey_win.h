#pragma once
#include "tools/TfrmHotkey.h"
#include "ui/win32/Form_win.h"

namespace fenu {

class TfrmHotkeyView : public ui::Form {
 public:
  explicit TfrmHotkeyView(TfrmHotkey& logic) : Form(L"TfrmHotkey", 452, 262), logic_(logic) {}

  // cbx1 to cbx8 are cbx1 + 0 to cbx1 + 7.
  enum Id { btnOk = IDOK, btnCancel = IDCANCEL, cbx1 = 101, btnHilfe = 110, Label2 = 111, Label3 = 112, LabelSlot = 113 };

 protected:
  void OnCreate() override;
  void OnShow() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnHelp() override {
    logic_.btnHilfeClick();
    return true;
  }

 private:
  void RenderBox(int box);
  void RenderAll();

  TfrmHotkey& logic_;
};

}  // namespace fenu
