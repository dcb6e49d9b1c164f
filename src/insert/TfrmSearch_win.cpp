#include "insert/TfrmSearch_win.h"

#include "ui/win32/Text_win.h"

namespace fenu {

TfrmSearchView::TfrmSearchView(TfrmSearch& logic, std::function<void()> changed, std::function<void()> closed)
    : Form(L"TfrmSearch", 300, 150), logic_(logic), changed_(std::move(changed)), closed_(std::move(closed)) {
  SetCentreOnScreen(false);
}

void TfrmSearchView::Render() {
  CheckRadioButton(Handle(), rbBegin, rbPosition, logic_.rbBegin ? rbBegin : rbPosition);
  EnableItem(btnOk, logic_.btnOkEnabled());
}

void TfrmSearchView::OnCreate() {
  SetCaption(TfrmSearch::kCaption);
  SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  AddLabel(lblKeyword, "Suchbegriff", 12, 12, 276, 18);
  AddControl(txtKeyword, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 12, 32, 276, 23, WS_EX_CLIENTEDGE);
  AddLabel(lblFrom, "Suchen ab", 12, 64, 80, 18);
  AddControl(rbBegin, L"BUTTON", "Datenbank-Anfang", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 96, 62, 190, 20);
  AddControl(rbPosition, L"BUTTON", "Aktuelle Position", BS_AUTORADIOBUTTON, 96, 84, 190, 20);
  AddButton(btnOk, "Suchen", 116, 114, 84, 26, true);
  AddButton(btnAbbrechen, "Schliessen", 204, 114, 84, 26);
  Render();
}

bool TfrmSearchView::OnCommand(int id, int code, HWND control) {
  if (id == txtKeyword && code == EN_CHANGE) {
    logic_.txtKeyword = ui::GetText(control);
    Render();
    return true;
  }
  if (code != BN_CLICKED) return false;
  if (id == rbBegin || id == rbPosition) {
    logic_.rbBegin = id == rbBegin;
    return true;
  }
  if (id == btnOk) {
    logic_.btnOkClick();
    Render();
    changed_();
    return true;
  }
  if (id == btnAbbrechen) closedByButton_ = true;
  return false;
}

void TfrmSearchView::OnClose(int) {
  logic_.FormClose(closedByButton_);
  changed_();
  closed_();
}

}  // namespace fenu
