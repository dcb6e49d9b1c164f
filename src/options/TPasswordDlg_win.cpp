#include "options/TPasswordDlg_win.h"

#include "ui/win32/Text_win.h"

namespace fenu {

void TPasswordDlgView::OnCreate() {
  SetCaption(TPasswordDlg::kCaption);
  SetCentreOnScreen(true);
  AddLabel(Label1, TPasswordDlg::kLabel1, 12, 12, 256, 18);
  HWND edit = AddControl(Password, L"EDIT", "", WS_TABSTOP | ES_PASSWORD | ES_AUTOHSCROLL, 12, 32, 256, 24,
                         WS_EX_CLIENTEDGE);
  SendMessageW(edit, EM_SETPASSWORDCHAR, L'*', 0);
  AddButton(OKBtn, TPasswordDlg::kOKBtn, 96, 72, 84, 26, true);
  AddButton(CancelBtn, TPasswordDlg::kCancelBtn, 184, 72, 84, 26);
}

void TPasswordDlgView::OnShow() {
  logic_.FormShow();
  ui::SetText(Item(Password), logic_.Password);
}

void TPasswordDlgView::OnClose(int) { logic_.Password = ui::GetText(Item(Password)); }

bool Win32PasswordPrompt::Ask(std::string& entered) {
  TPasswordDlg logic;
  TPasswordDlgView view(logic);
  view.SetHelp([this] { ShowHelpContext(help_, appDir_, TPasswordDlg::kHelpContext); });
  const bool ok = view.ShowModal(nullptr) == IDOK;
  entered = logic.Password;
  return ok;
}

}  // namespace fenu
