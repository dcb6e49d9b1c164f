#include "platform/win32/InputQuery_win.h"

#include "platform/win32/Win32Services_win.h"
#include "ui/win32/ActiveOwner_win.h"
#include "ui/win32/Text_win.h"

namespace fenu::ui {

void InputQueryForm::OnCreate() {
  SetCaption(caption_);
  AddLabel(lblPrompt, prompt_, 12, 12, 306, 18);
  HWND edit = AddControl(txtValue, L"EDIT", value_, WS_TABSTOP | ES_AUTOHSCROLL, 12, 34, 306, 22, WS_EX_CLIENTEDGE);
  if (maxLength_ > 0) SendMessageW(edit, EM_LIMITTEXT, maxLength_, 0);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  AddButton(btnOk, "OK", 152, 72, 80, 26, true);
  AddButton(btnCancel, "Abbrechen", 238, 72, 80, 26);
}

void InputQueryForm::OnClose(int result) {
  if (result == IDOK) value_ = GetText(Item(txtValue));
}

}  // namespace fenu::ui

namespace fenu::win32 {

bool Win32Dialogs::InputQuery(std::string_view caption, std::string_view prompt, std::string& value) {
  ui::InputQueryForm form{std::string(caption), std::string(prompt), value};
  if (form.ShowModal(ui::ActiveOwner()) != IDOK) return false;
  value = form.Value();
  return true;
}

}  // namespace fenu::win32
