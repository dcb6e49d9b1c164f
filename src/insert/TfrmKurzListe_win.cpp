#include "insert/TfrmKurzListe_win.h"

#include "ui/win32/ListFill_win.h"

namespace fenu {

void TfrmKurzListeView::OnCreate() {
  SetCaption("Kürzel-Liste");
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  HWND list = AddControl(ListBox1, L"LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 8, 8,
                         204, 208, WS_EX_CLIENTEDGE);
  ui::FillList(list, items_);
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
