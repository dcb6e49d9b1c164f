#pragma once
#include "insert/TfrmMiniAuswahl.h"
#include "ui/win32/Form_win.h"

namespace fenu {

class TfrmMiniAuswahlView : public ui::Form {
 public:
  explicit TfrmMiniAuswahlView(TfrmMiniAuswahl& logic) : Form(L"TfrmMiniAuswahl", 300, 120), logic_(logic) {}
  enum Id { btnOK = IDOK, btnAbbrechen = IDCANCEL, Label1 = 101, Label2 = 102, txtKurz = 103, SpeedButton1 = 104 };

 protected:
  void OnCreate() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnCloseQuery(int result) override;
  HWND InitialFocus() override { return Item(txtKurz); }
  bool OnHelp() override {
    logic_.FormHelp();
    return true;
  }

 private:
  TfrmMiniAuswahl& logic_;
};

}  // namespace fenu
