#include "app/TfrmIniMessage_win.h"

namespace fenu {

void TfrmIniMessageView::OnCreate() {
  SetCaption(logic_.Caption);
  HWND image = AddControl(Image1, L"STATIC", "", SS_ICON, 12, 12, 32, 32);
  SendMessageW(image, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_INFORMATION)), 0);
  SendMessageW(AddLabel(Label3, logic_.Label3, 56, 12, 332, 20), WM_SETFONT,
               reinterpret_cast<WPARAM>(BoldUnderlinedFont()), FALSE);
  SendMessageW(AddLabel(Label1, logic_.Label1, 56, 40, 332, 80), WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont()),
               FALSE);
  AddCheckBox(CheckBox1, TfrmIniMessage::kCheckBox1, 12, 140, 260, 20);
  AddButton(btnOK, TfrmIniMessage::kBtnOk, 296, 136, 92, 26, true);
}

void TfrmIniMessageView::OnClose(int) {
  logic_.CheckBox1 = IsDlgButtonChecked(Handle(), CheckBox1) == BST_CHECKED;
}

}  // namespace fenu
