#include "insert/TfrmMiniAuswahl_win.h"

#include "ui/win32/Text_win.h"

namespace fenu {

void TfrmMiniAuswahlView::OnCreate() {
  SetCaption(TfrmMiniAuswahl::kCaption);
  AddGradientBar(Label1, TfrmMiniAuswahl::kLabel1, 0, 0, 300, 30);
  AddLabel(Label2, "Kürzel", 12, 44, 50, 18);
  AddControl(txtKurz, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 64, 40, 190, 23, WS_EX_CLIENTEDGE);
  HWND list = AddButton(SpeedButton1, "...", 260, 40, 28, 23);
  (void)list;
  AddButton(btnOK, "Einfügen", 112, 84, 84, 26, true);
  AddButton(btnAbbrechen, "Abbrechen", 204, 84, 84, 26);
  EnableItem(btnOK, false);
}

bool TfrmMiniAuswahlView::OnCommand(int id, int code, HWND control) {
  if (id == txtKurz && code == EN_CHANGE) {
    logic_.txtKurzChange(ui::GetText(control));
    EnableItem(btnOK, logic_.btnOKEnabled);
    return true;
  }
  if (id == SpeedButton1 && code == BN_CLICKED) {
    TfrmKurzListeView list(logic_.Abbreviations());
    list.ShowModal(Handle());
    if (!list.chosen.empty()) {
      logic_.ListChosen(list.chosen);
      ui::SetText(Item(txtKurz), logic_.txtKurz);
      EnableItem(btnOK, logic_.btnOKEnabled);
    }
    SetFocus(Item(txtKurz));
    return true;
  }
  if (id == IDOK && code == BN_CLICKED && !logic_.btnOKEnabled) return true;  // Enter with nothing typed
  return false;
}

bool TfrmMiniAuswahlView::OnCloseQuery(int result) {
  if (result != IDOK) return true;
  // The window stays while the block goes out, so that it is inserted where the hotkey was.
  const bool inserted = logic_.btnOKClick();
  if (!inserted) SetFocus(Item(txtKurz));
  return inserted;
}

void TfrmKurzListeView::OnCreate() {
  SetCaption("Kürzel-Liste");
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  HWND list = AddControl(ListBox1, L"LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 8, 8,
                         204, 208, WS_EX_CLIENTEDGE);
  for (const std::string& item : items_)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ui::ToWide(item).c_str()));
  AddButton(btnSchliessen, "Schliessen", 128, 226, 84, 26);
}

bool TfrmKurzListeView::OnCommand(int id, int code, HWND) {
  if (id == ListBox1 && code == LBN_DBLCLK) {
    Close(IDOK);
    return true;
  }
  return false;
}

void TfrmKurzListeView::OnClose(int) {
  const LRESULT index = SendMessageW(Item(ListBox1), LB_GETCURSEL, 0, 0);
  if (index >= 0 && static_cast<std::size_t>(index) < items_.size()) chosen = items_[static_cast<std::size_t>(index)];
}

}  // namespace fenu
