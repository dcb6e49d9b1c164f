#pragma once
#include "tools/TfrmFavFolder.h"
#include "ui/win32/Form_win.h"
#include "ui/win32/GdiObject_win.h"
#include "ui/win32/StringGrid_win.h"

namespace fenu {

class TfrmFavFolderView : public ui::Form {
 public:
  explicit TfrmFavFolderView(TfrmFavFolder& logic) : Form(L"TfrmFavFolder", 460, 334), logic_(logic) {}

  enum Id {
    btnFolder = IDOK,
    btnSchliessen = IDCANCEL,
    Grid = 101,
    btnAdd = 102,
    btnDelete = 103,
    CheckBox = 104,
    StatusBar = 105,
    Strip = 106,
    StripIcon = 107,
    StripTitle = 108,
    Label4 = 109,
  };

 protected:
  void OnCreate() override;
  void OnShow() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnClose(int result) override;
  void OnResize(int width, int height) override;
  void OnDpiChanged(int oldDpi) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool OnHelp() override {
    logic_.FormHelp();
    return true;
  }

 private:
  void PlaceSymbol();
  void ShowHint(HWND control);

  TfrmFavFolder& logic_;
  ui::StringGridView grid_;
  ui::Icon icon_;
};

}  // namespace fenu
