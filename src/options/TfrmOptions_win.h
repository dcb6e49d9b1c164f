#pragma once
#include "options/TfrmOptions.h"
#include "ui/win32/Form_win.h"

namespace fenu {

// The options window, centred on its owner (the management window).
class TfrmOptionsView : public ui::Form {
 public:
  explicit TfrmOptionsView(TfrmOptions& logic);

  // Label2 and Label4 name the two password fields.
  enum Id {
    Button1 = IDCANCEL,
    Label3 = 101,
    GroupBox1 = 102,
    ckbSendKeys = 103,
    Label1 = 104,
    GroupBox2 = 105,
    Label2 = 106,
    Edit1 = 107,
    Label4 = 108,
    Edit2 = 109,
    Label5 = 110,
    Label6 = 111,
  };

 protected:
  void OnCreate() override;
  void OnShow() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnClose(int result) override;
  bool OnHelp() override {
    logic_.FormHelp();
    return true;
  }

 private:
  void ReadControls();

  TfrmOptions& logic_;
};

}  // namespace fenu
