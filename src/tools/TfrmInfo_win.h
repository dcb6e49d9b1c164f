#pragma once
#include "tools/TfrmInfo.h"
#include "ui/win32/Form_win.h"

namespace fenu {

// The about window, centred over its owner (the management window).
class TfrmInfoView : public ui::Form {
 public:
  explicit TfrmInfoView(TfrmInfo& logic);

  enum Id {
    btnOK = IDOK,
    Bevel1 = 101,
    Image1 = 102,
    Label1 = 103,
    Label2 = 104,
    lBuild = 105,
    Bevel2 = 106,
    Label3 = 107,
    Label5 = 108,
    lbURL = 109,
    Label4 = 110,
  };

 protected:
  void OnCreate() override;
  void OnShow() override;
  HWND InitialFocus() override { return Item(btnOK); }
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TfrmInfo& logic_;
};

}  // namespace fenu
