#include "insert/PromptViews_win.h"

#include "platform/win32/InputQuery_win.h"
#include "ui/win32/Text_win.h"

namespace fenu {
namespace {

HWND ActiveOwner() {
  HWND owner = GetActiveWindow();
  return owner && IsWindowVisible(owner) ? owner : nullptr;
}

}  // namespace

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
  HWND list = Item(ListBox);
  for (const std::string& value : logic_.ListBox)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ui::ToWide(value).c_str()));
  Render();
}

HWND TfrmVarAuswahlView::InitialFocus() { return logic_.focusEdit1 ? Item(Edit1) : Item(ListBox); }

void TfrmVarAuswahlView::Render() {
  ui::SetText(Item(Label1), logic_.Label1);
  SendMessageW(Item(ListBox), LB_SETCURSEL, static_cast<WPARAM>(logic_.listIndex), 0);
  EnableItem(ListBox, logic_.ListBoxEnabled);
  if (ui::GetText(Item(Edit1)) != logic_.Edit1) ui::SetText(Item(Edit1), logic_.Edit1);
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

std::optional<std::string> Win32Prompts::AskText(std::string_view caption, std::string_view prompt,
                                                 std::string_view defaultText) {
  ui::InputQueryForm form{std::string(caption), std::string(prompt), std::string(defaultText), kMaxInputLength};
  if (form.ShowModal(ActiveOwner()) != IDOK) return std::nullopt;
  return form.Value();
}

std::optional<std::string> Win32Prompts::ChooseValue(std::string_view variableName) {
  TfrmVarAuswahl logic(dialogs_, *this, appDir_, std::string(variableName));
  TfrmVarAuswahlView view(logic);
  if (view.ShowModal(ActiveOwner()) != IDOK) return std::nullopt;
  return view.result;
}

std::optional<std::string> Win32Prompts::AskOptional(std::string_view passage) {
  TfrmOptTextView view{std::string(passage)};
  if (view.ShowModal(ActiveOwner()) != IDOK) return std::nullopt;
  return view.text;
}

}  // namespace fenu
