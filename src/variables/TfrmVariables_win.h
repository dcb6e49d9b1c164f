#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ui/win32/Form_win.h"
#include "ui/win32/GdiObject_win.h"
#include "ui/win32/TreeViewFill_win.h"
#include "variables/TfrmVariables.h"

namespace fenu {

class TfrmVariablesView : public ui::Form {
 public:
  explicit TfrmVariablesView(TfrmVariables& logic);

  enum Id {
    btnOk = IDOK, btnCancel = IDCANCEL,
    Label3 = 100, lblExplanation = 101, ListBox = 102, btnHilfe = 103,
    // Panel1
    lblMeldungstext = 110, txtCaption = 111, lblVorgabe = 112, txtValue = 113, btnTest = 114, lblVersatz = 115,
    Edit1 = 116, UpDown1 = 117, lblErgebnis = 118, Label7 = 119,
    // Panel2
    TreeView = 120,
    // Panel3
    lblVariable = 130, cbxVariable = 131, lblWerte = 132, lbWerte = 133, cbkRestrict = 134, sbNewVar = 135,
    sbEditItem = 136, sbDelete = 137, sbSave = 138,
    // Panel4
    lblOptTitle = 140, lblOptText = 141, Memo1 = 142,
  };

 protected:
  void OnCreate() override;
  void OnShow() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnDpiChanged(int oldDpi) override;
  HWND InitialFocus() override { return Item(ListBox); }
  bool OnHelp() override {
    logic_.btnHilfeClick();
    return true;
  }

 private:
  void Render();
  void AddHint(int id, const char* hint);

  TfrmVariables& logic_;
  ui::ImageList images_;
  HWND tooltip_ = nullptr;
  ui::TreeItems items_;
  int renderedTreeVersion_ = -1;
  std::vector<std::string> renderedVariables_;
  std::vector<std::string> renderedValues_;
  bool rendering_ = false;
};

}  // namespace fenu
