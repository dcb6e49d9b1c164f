#include "insert/TfrmVarAuswahl_win.h"

#include "ui/win32/ListFill_win.h"
#include "ui/win32/Text_win.h"

namespace fenu {

void TfrmVarAuswahlView::OnCreate() {
  SetCaption(TfrmVarAuswahl::kCaption);
  AddGradientBar(Label3, TfrmVarAuswahl::kLabel3, 0, 0, 380, 30);
  AddLabel(Label1, "", 12, 38, 356, 34);
  AddControl(ListBox, L"LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 12, 76, 356, 110,
             WS_EX_CLIENTEDGE);
  AddLabel(Label2, TfrmVarAuswahl::kLabel2, 12, 192, 356, 32);
  HWND edit = AddControl(Edit1, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 12, 226, 356, 23, WS_EX_CLIENTEDGE);
  SendMessageW(edit, EM_LIMITTEXT, kMaxInputLength, 0);
  AddButton(btnOK, "Übernehmen", 188, 262, 88, 26, true);
  AddButton(btnCancel, "Abbrechen", 280, 262, 88, 26);
}

void TfrmVarAuswahlView::OnShow() {
  if (!logic_.FormShow()) {
    Close(IDCANCEL);
    return;
  }
  ui::FillList(Item(ListBox), logic_.ListBox);
  Render();
}

HWND TfrmVarAuswahlView::InitialFocus() { return logic_.focusEdit1 ? Item(Edit1) : Item(ListBox); }

void TfrmVarAuswahlView::Render() {
  ui::SetText(Item(Label1), logic_.Label1);
  SendMessageW(Item(ListBox), LB_SETCURSEL, static_cast<WPARAM>(logic_.listIndex), 0);
  EnableItem(ListBox, logic_.ListBoxEnabled);
  ui::UpdateText(Item(Edit1), logic_.Edit1);
  EnableItem(Edit1, logic_.Edit1Enabled);
  EnableItem(Label2, logic_.Label2Enabled);
  EnableItem(btnOK, logic_.btnOKEnabled);
}

bool TfrmVarAuswahlView::OnCommand(int id, int code, HWND control) {
  if (id == ListBox && code == LBN_SELCHANGE) {
    logic_.ListBoxClick(static_cast<int>(SendMessageW(control, LB_GETCURSEL, 0, 0)));
    Render();
    return true;
  }
  if (id == ListBox && code == LBN_DBLCLK) {
    Close(IDOK);
    return true;
  }
  if (id == Edit1 && code == EN_CHANGE) {
    logic_.Edit1 = ui::GetText(control);
    return true;
  }
  return false;
}

void TfrmVarAuswahlView::OnClose(int closedWith) {
  // The placeholders are asked for after the dialog is gone.
  if (closedWith == IDOK) ShowWindow(Handle(), SW_HIDE);
  result = closedWith == IDOK ? logic_.Confirm() : std::string();
}

}  // namespace fenu
