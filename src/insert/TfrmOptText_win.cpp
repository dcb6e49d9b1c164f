#include "insert/TfrmOptText_win.h"

#include "ui/win32/Text_win.h"

namespace fenu {

void TfrmOptTextView::OnCreate() {
  SetCaption("Optionaler Text");
  AddGradientBar(Label1, "Soll dieser Text Bestandteil des Bausteins sein?", 0, 0, 400, 30);
  AddLabel(Label2, "Sie können den Text jetzt noch bearbeiten", 12, 38, 376, 18);
  AddControl(Memo1, L"EDIT", text, WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 12, 60, 376,
             150, WS_EX_CLIENTEDGE);
  AddButton(btnYes, "&Ja", 212, 222, 84, 26, true);
  AddButton(btnNo, "&Nein", 304, 222, 84, 26);
}

void TfrmOptTextView::OnClose(int result) { text = result == IDOK ? ui::GetText(Item(Memo1)) : std::string(); }

}  // namespace fenu
