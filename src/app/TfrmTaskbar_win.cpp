#include "app/TfrmTaskbar_win.h"

#include "ui/win32/Pictures_win.h"

namespace fenu {

void TfrmTaskbarView::OnCreate() {
  SetCaption(TfrmTaskbar::kCaption);
  SendMessageW(AddLabel(Label1, TfrmTaskbar::kLabel1, 12, 10, 356, 20), WM_SETFONT,
               reinterpret_cast<WPARAM>(BoldFont()), FALSE);
  AddControl(Image1, L"STATIC", "", SS_OWNERDRAW, 12, 38, 130, 100);
  AddLabel(Label2, TfrmTaskbar::kLabel2, 154, 38, 214, 140);
  AddCheckBox(CheckBox1, TfrmTaskbar::kCheckBox1, 12, 200, 240, 20);
  AddButton(btnOk, TfrmTaskbar::kBtnOk, 276, 196, 92, 26, true);
}

bool TfrmTaskbarView::OnCommand(int id, int code, HWND) {
  // Enter without a default OK button arrives as IDOK: it closes like the button.
  if (id == IDOK && code == BN_CLICKED) {
    Close(IDCANCEL);
    return true;
  }
  return false;
}

bool TfrmTaskbarView::OnMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
  if (msg != WM_DRAWITEM) return false;
  auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
  if (item->CtlID != Image1) return false;
  ui::DrawTraySketch(item->hDC, item->rcItem);
  result = TRUE;
  return true;
}

void TfrmTaskbarView::OnClose(int) {
  logic_.CheckBox1 = IsDlgButtonChecked(Handle(), CheckBox1) == BST_CHECKED;
  logic_.FormClose();
}

}  // namespace fenu
