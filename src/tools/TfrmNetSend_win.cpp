#include "tools/TfrmNetSend_win.h"

#include "tools/TfrmAliase_win.h"
#include "ui/win32/ListFill_win.h"
#include "ui/win32/Text_win.h"

namespace fenu {
namespace {

constexpr int kPanelWidth = 204;  // Panel1, the left part in the button-shadow colour

std::string WithMnemonic(const std::string& text, std::size_t at) { return text.substr(0, at) + "&" + text.substr(at); }

}  // namespace

void TfrmNetSendView::OnCreate() {
  SetCaption(TfrmNetSend::kCaption);
  // Labels with a mnemonic take the focus to the control created after them.
  AddControl(Label1, L"STATIC", WithMnemonic(TfrmNetSend::kLabel1, 0), SS_LEFT, 8, 10, 188, 16);
  AddComboList(cbxDomains, 8, 28, 188, 200);
  AddControl(Label2, L"STATIC", WithMnemonic(TfrmNetSend::kLabel2, 15), SS_LEFT, 8, 62, 188, 16);
  AddControl(lbComputers, L"LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 8, 80, 188, 200,
             WS_EX_CLIENTEDGE);
  AddButton(btnRecipient, WithMnemonic(TfrmNetSend::kBtnRecipient, 0), 8, 288, 112, 26);
  AddButton(btnAliase, WithMnemonic(TfrmNetSend::kBtnAliase, 1), 126, 288, 70, 26);
  AddControl(Label5, L"STATIC", WithMnemonic(TfrmNetSend::kLabel5, 0), SS_LEFT, 8, 328, 188, 16);
  AddControl(Edit1, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY, 8, 346, 188, 23, WS_EX_CLIENTEDGE);

  AddControl(Label3, L"STATIC", "", SS_LEFT, 216, 10, 190, 16);
  AddControl(lbrecipients, L"LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 216, 28, 190,
             120, WS_EX_CLIENTEDGE);
  AddButton(btnDelete, WithMnemonic(TfrmNetSend::kBtnDelete, 1), 414, 28, 98, 26);
  AddButton(btnDeleteAll, WithMnemonic(TfrmNetSend::kBtnDeleteAll, 7), 414, 60, 98, 26);
  AddControl(Label4, L"STATIC", WithMnemonic(TfrmNetSend::kLabel4, 4), SS_LEFT, 216, 160, 190, 16);
  AddControl(mmMessage, L"EDIT", "", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 216, 178,
             296, 128, WS_EX_CLIENTEDGE);
  AddButton(btnSend, WithMnemonic(TfrmNetSend::kBtnSend, 10), 216, 314, 150, 26);
  AddButton(btnClose, WithMnemonic(TfrmNetSend::kBtnClose, 4), 414, 314, 98, 26);
  AddLabel(Label6, TfrmNetSend::kLabel6, 216, 350, 296, 32);
}

void TfrmNetSendView::OnShow() {
  logic_.FormCreate();
  Render();
}

void TfrmNetSendView::Render() {
  ui::FillList(Item(cbxDomains), logic_.cbxDomains, logic_.cbxDomainsIndex);
  ui::FillList(Item(lbComputers), logic_.lbComputers, logic_.lbComputersIndex);
  ui::FillList(Item(lbrecipients), logic_.lbrecipients, logic_.lbrecipientsIndex);
  ui::SetText(Item(Label3), WithMnemonic(logic_.Label3, 0));
  ui::SetText(Item(Edit1), logic_.Edit1);
}

bool TfrmNetSendView::ShowAliase(TfrmAliase& window) { return TfrmAliaseView(window).ShowModal(Handle()) == IDOK; }

bool TfrmNetSendView::OnCommand(int id, int code, HWND control) {
  auto selection = [&](UINT message) { return static_cast<int>(SendMessageW(control, message, 0, 0)); };
  switch (id) {
    case cbxDomains:
      if (code == CBN_SELCHANGE) logic_.cbxDomainsIndex = selection(CB_GETCURSEL);
      return code == CBN_SELCHANGE;
    case lbComputers:
      if (code == LBN_SELCHANGE) logic_.lbComputersIndex = selection(LB_GETCURSEL);
      if (code == LBN_DBLCLK) {
        logic_.lbComputersDblClick();
        Render();
      }
      return true;
    case lbrecipients:
      if (code == LBN_SELCHANGE) logic_.lbrecipientsIndex = selection(LB_GETCURSEL);
      return true;
    case IDOK:
      // Enter, there being no default button: in the computer list it adds the computer.
      if (GetFocus() == Item(lbComputers)) {
        logic_.btnRecipientClick();
        Render();
      }
      return true;
    default:
      break;
  }
  if (code != BN_CLICKED) return false;
  switch (id) {
    case btnRecipient: logic_.btnRecipientClick(); break;
    case btnDelete: logic_.btnDeleteClick(); break;
    case btnDeleteAll: logic_.btnDeleteAllClick(); break;
    case btnAliase: logic_.btnAliaseClick(); break;
    case btnSend:
      logic_.mmMessage = ui::GetText(Item(mmMessage));
      logic_.btnSendClick();
      return true;
    default: return false;
  }
  Render();
  return true;
}

bool TfrmNetSendView::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      RECT client;
      GetClientRect(Handle(), &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      RECT panel = client;
      panel.right = Scale(kPanelWidth);
      FillRect(dc, &panel, GetSysColorBrush(COLOR_BTNSHADOW));
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC: {
      // The labels on the panel: the button-highlight colour on the panel's shadow.
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      if (id != Label1 && id != Label2 && id != Label5) return false;
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      SetBkColor(dc, GetSysColor(COLOR_BTNSHADOW));
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNSHADOW));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace fenu
