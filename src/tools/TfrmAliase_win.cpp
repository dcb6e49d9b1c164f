#include "tools/TfrmAliase_win.h"

namespace fenu {

void TfrmAliaseView::OnCreate() {
  SetCaption(TfrmAliase::kCaption);
  AddLabel(Label1, TfrmAliase::kLabel1, 8, 8, 314, 32);
  HWND list = AddControl(StrGrid, WC_LISTVIEWW, "", ui::StringGridView::kListStyle, 8, 44, 314, 210);
  grid_.Attach(list, logic_.StrGrid, {true, TfrmAliase::kRowHeight}, Dpi(), BoldFont());
  grid_.onKeyPress = [this](char key) { return logic_.StrGridKeyPress(key); };
  grid_.onKeyDown = [this](unsigned key) { return logic_.StrGridKeyDown(key); };
  AddButton(btnOk, "&Speichern", 148, 264, 84, 26, true);
  AddButton(btnCancel, "&Abbrechen", 238, 264, 84, 26);
}

void TfrmAliaseView::OnShow() {
  logic_.FormShow();
  grid_.Render();
}

bool TfrmAliaseView::OnCommand(int id, int code, HWND) {
  if (id != btnOk || code != BN_CLICKED) return false;
  grid_.ReadBack();
  if (logic_.btnOkClick()) Close(IDOK);
  return true;
}

bool TfrmAliaseView::OnMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_NOTIFY:
      return grid_.OnNotify(reinterpret_cast<const NMHDR*>(lParam), result);
    default:
      return false;
  }
}

}  // namespace fenu
