#include "tools/TfrmInfo_win.h"

#include <string>

#include "core/TextLines.h"
#include "ui/win32/Pictures_win.h"
#include "ui/win32/Text_win.h"

namespace fenu {
namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 255);

}  // namespace

TfrmInfoView::TfrmInfoView(TfrmInfo& logic) : Form(L"TfrmInfo", 360, 420), logic_(logic) {
  SetCentreOnScreen(false);
}

void TfrmInfoView::OnCreate() {
  SetCaption(TfrmInfo::kCaption);
  HFONT titleFont = FontOf({220, true, true});
  HFONT linkFont = FontOf({100, false, true});

  AddControl(Bevel1, L"STATIC", "", SS_ETCHEDFRAME, 8, 8, 344, 366);
  AddControl(Image1, L"STATIC", "", SS_OWNERDRAW, 88, 16, 184, 137);
  HWND title = AddLabel(Label1, TfrmInfo::kLabel1, 16, 158, 328, 36, SS_CENTER);
  if (titleFont) SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont), FALSE);
  AddLabel(Label2, TfrmInfo::kLabel2, 16, 196, 328, 18, SS_CENTER);
  AddLabel(lBuild, "", 16, 214, 328, 18, SS_CENTER);
  AddControl(Bevel2, L"STATIC", "", SS_ETCHEDHORZ, 24, 240, 312, 2);
  AddLabel(Label3, "", 16, 250, 328, 68, SS_CENTER);
  AddLabel(Label5, TfrmInfo::kLabel5, 24, 326, 80, 18);
  HWND link = AddLabel(lbURL, "", 104, 326, 232, 18, SS_NOTIFY);
  if (linkFont) SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont), FALSE);
  AddLabel(Label4, TfrmInfo::kLabel4, 16, 348, 328, 18, SS_CENTER);
  AddButton(btnOK, TfrmInfo::kBtnOk, 134, 386, 92, 26, true);
}

void TfrmInfoView::OnShow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  logic_.FormShow(now.wYear);
  ui::SetText(Item(lBuild), logic_.lBuild);
  // The notice's lines are separated by carriage returns; a static control breaks at CR LF.
  ui::SetText(Item(Label3), NormalizeLineBreaks(logic_.Label3));
  ui::SetText(Item(lbURL), logic_.lbURL);
}

bool TfrmInfoView::OnCommand(int id, int code, HWND) {
  if (id == lbURL && code == STN_CLICKED) {
    logic_.lbURLClick();
    return true;
  }
  return false;
}

bool TfrmInfoView::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) != Item(lbURL)) return false;
      SetTextColor(reinterpret_cast<HDC>(wParam), kLinkColour);
      SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) != Item(lbURL)) return false;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      result = TRUE;
      return true;
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID != Image1) return false;
      ui::DrawProductPicture(item->hDC, item->rcItem);
      result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace fenu
