#pragma once
#include <string>

#include "insert/TfrmVarAuswahl.h"
#include "ui/win32/Form_win.h"

namespace fenu {

class TfrmVarAuswahlView : public ui::Form {
 public:
  explicit TfrmVarAuswahlView(TfrmVarAuswahl& logic) : Form(L"TfrmVarAuswahl", 380, 300), logic_(logic) {}
  enum Id { btnOK = IDOK, btnCancel = IDCANCEL, Label3 = 101, Label1 = 102, ListBox = 103, Label2 = 104, Edit1 = 105 };
  std::string result;

 protected:
  void OnCreate() override;
  void OnShow() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnClose(int result) override;
  HWND InitialFocus() override;

 private:
  void Render();
  TfrmVarAuswahl& logic_;
};

}  // namespace fenu
