#pragma once
#include "ui/win32/Form_win.h"
#include "variables/TfrmStringListe.h"

namespace fenu {

class TfrmStringListeView : public ui::Form {
 public:
  explicit TfrmStringListeView(TfrmStringListe& logic);

  enum Id {
    btnOK = IDOK, btnAbbrechen = IDCANCEL,
    mmListe = 101, Edit1 = 102, btnAdd = 103, btnDelete = 104, btnErsetzen = 105, btnSize = 106, btnHilfe = 107,
  };

 protected:
  void OnCreate() override;
  void OnShow() override;
  void OnResize(int width, int height) override;
  bool OnCommand(int id, int code, HWND control) override;
  HWND InitialFocus() override { return Item(mmListe); }
  bool OnHelp() override {
    logic_.btnHilfeClick();
    return true;
  }

 private:
  void Render();
  TfrmStringListe& logic_;
};

}  // namespace fenu
