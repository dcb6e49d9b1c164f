#include "options/TfrmOptions_win.h"

#include "ui/win32/Text_win.h"

namespace fenu {

TfrmOptionsView::TfrmOptionsView(TfrmOptions& logic) : Form(L"TfrmOptions", 420, 360), logic_(logic) {
  SetCentreOnScreen(false);
}

void TfrmOptionsView::OnCreate() {
  SetCaption(TfrmOptions::kCaption);
  AddGradientBar(Label3, TfrmOptions::kLabel3, 0, 0, 420, 30);

  AddControl(GroupBox1, L"BUTTON", TfrmOptions::kGroupBox1, BS_GROUPBOX, 8, 38, 404, 110);
  AddCheckBox(ckbSendKeys, TfrmOptions::kCkbSendKeys, 20, 60, 380, 20);
  AddLabel(Label1, TfrmOptions::kLabel1, 20, 86, 380, 52);

  AddControl(GroupBox2, L"BUTTON", TfrmOptions::kGroupBox2, BS_GROUPBOX, 8, 156, 404, 162);
  AddLabel(Label2, TfrmOptions::kLabelEdit1, 20, 181, 150, 18);
  const DWORD editStyle = WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL;
  SendMessageW(AddControl(Edit1, L"EDIT", "", editStyle, 180, 178, 220, 24, WS_EX_CLIENTEDGE), EM_SETPASSWORDCHAR,
               L'*', 0);
  AddLabel(Label4, TfrmOptions::kLabelEdit2, 20, 211, 150, 18);
  SendMessageW(AddControl(Edit2, L"EDIT", "", editStyle, 180, 208, 220, 24, WS_EX_CLIENTEDGE), EM_SETPASSWORDCHAR,
               L'*', 0);
  AddLabel(Label5, TfrmOptions::kLabel5, 20, 240, 380, 40);
  AddLabel(Label6, TfrmOptions::kLabel6, 20, 280, 380, 30);

  AddButton(Button1, TfrmOptions::kButton1, 320, 328, 92, 26);
}

void TfrmOptionsView::OnShow() {
  logic_.FormShow();
  CheckDlgButton(Handle(), ckbSendKeys, logic_.ckbSendKeys ? BST_CHECKED : BST_UNCHECKED);
  ui::SetText(Item(Edit1), logic_.Edit1);
  ui::SetText(Item(Edit2), logic_.Edit2);
}

void TfrmOptionsView::ReadControls() {
  logic_.ckbSendKeys = IsDlgButtonChecked(Handle(), ckbSendKeys) == BST_CHECKED;
  logic_.Edit1 = ui::GetText(Item(Edit1));
  logic_.Edit2 = ui::GetText(Item(Edit2));
}

bool TfrmOptionsView::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case Button1:  // also Escape
      ReadControls();
      if (logic_.Button1Click()) Close(IDCANCEL);
      return true;
    case IDOK:  // Enter: the window has no default button
      return true;
    default:
      return false;
  }
}

bool TfrmOptionsView::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
  // The close box (and Alt+F4) closes without comparing the two password fields.
  if (msg != WM_CLOSE) return false;
  Close(IDCANCEL);
  result = 0;
  return true;
}

void TfrmOptionsView::OnClose(int) {
  ReadControls();
  logic_.FormClose();
}

}  // namespace fenu
