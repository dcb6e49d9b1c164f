#include "store/TfrmMemo_win.h"

namespace fenu {

void TfrmMemoView::OnCreate() {
  SetCaption(kCaption);
  AddControl(Memo1, L"EDIT", text_, WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 8, 8, 464,
             288, WS_EX_CLIENTEDGE);
  AddButton(btnClose, "&Schliessen", 388, 306, 84, 26, true);
}

}  // namespace fenu
