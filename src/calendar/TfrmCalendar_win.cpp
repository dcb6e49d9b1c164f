#include "calendar/TfrmCalendar_win.h"

#include <commctrl.h>

#include "platform/win32/Clock_win.h"
#include "platform/win32/Keyboard_win.h"
#include "platform/win32/TimeZone_win.h"
#include "ui/win32/Font_win.h"
#include "ui/win32/GdiObject_win.h"
#include "ui/win32/ListFill_win.h"
#include "ui/win32/Text_win.h"

namespace fenu::calendar {
namespace {

// The layout at 96 DPI: the grid on the left with the month and year above it and the day in
// words below, the state, the sun and moon data and the day's names on the right.
constexpr int kClientWidth = 542;
constexpr int kFormHeight = 262;  // without the status bar
constexpr int kStatusBarHeight = 22;

// The spin buttons by keyboard: Up and Down while one has the focus step as its arrows do, and
// a focus rectangle shows which one has it.
LRESULT CALLBACK SpinKeys(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (wParam == VK_UP || wParam == VK_DOWN) {
        NMUPDOWN change{};
        change.hdr.hwndFrom = hwnd;
        change.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(hwnd));
        change.hdr.code = UDN_DELTAPOS;
        change.iPos = 1;
        change.iDelta = wParam == VK_UP ? 1 : -1;
        SendMessageW(GetParent(hwnd), WM_NOTIFY, change.hdr.idFrom, reinterpret_cast<LPARAM>(&change));
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case WM_PAINT: {
      const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
      if (GetFocus() == hwnd) {
        RECT rect;
        GetClientRect(hwnd, &rect);
        InflateRect(&rect, -2, -2);
        if (const ui::WindowDc dc(hwnd); dc) DrawFocusRect(dc.Get(), &rect);
      }
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, SpinKeys, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

TfrmCalendarView::TfrmCalendarView(TfrmCalendar& logic)
    : Form(L"TfrmCalendar", kClientWidth, kFormHeight + kStatusBarHeight), logic_(logic), grid_(logic.Kalender) {}

HWND TfrmCalendarView::AddSpin(int id, int x, int y, int w, int h) {
  HWND spin = AddControl(id, UPDOWN_CLASSW, "", WS_TABSTOP | UDS_ARROWKEYS, x, y, w, h);
  // The position never moves: each click is a step of the grid, told by UDN_DELTAPOS.
  SendMessageW(spin, UDM_SETRANGE32, 0, 2);
  SendMessageW(spin, UDM_SETPOS32, 0, 1);
  SetWindowSubclass(spin, SpinKeys, 0, 0);
  return spin;
}

void TfrmCalendarView::OnCreate() {
  SetCaption(TfrmCalendar::kCaption);

  AddFieldLabel(Label30, "&Monat:", 12, 14, 44, 16);
  SendMessageW(AddLabel(LblMonat, "", 58, 14, 84, 16), WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont()), FALSE);
  AddSpin(SpinMonat, 144, 9, 17, 25);
  AddFieldLabel(Label31, "&Jahr:", 176, 14, 32, 16);
  SendMessageW(AddLabel(LblJahr, "", 210, 14, 44, 16), WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont()), FALSE);
  AddSpin(SpinJahr, 256, 9, 17, 25);

  grid_.Create(Handle(), Kalender, RECT{Scale(12), Scale(42), Scale(12 + 264), Scale(42 + 150)}, Dpi());

  AddFieldLabel(Label32, "&Bundesland", 290, 42, 240, 16);
  AddComboList(ComboGermanState, 290, 59, 240, 320);
  AddFieldLabel(LabelAstroData, "&Astronomische Daten", 290, 90, 240, 16);
  AddComboList(ComboAstroData, 290, 107, 240, 200);
  AddLabel(LblFeiertag, "", 290, 140, 240, 16);
  AddLabel(LblSeason, "", 290, 158, 240, 16);
  AddLabel(LblSternzeichen, "", 290, 176, 240, 16);

  SendMessageW(AddLabel(LblDatum, "", 12, 200, 264, 16), WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont()), FALSE);
  AddLabel(LblTagImJahr, "", 12, 220, 120, 16);
  AddLabel(LblWocheImJahr, "", 136, 220, 120, 16);

  AddButton(btnOk, "&Übernehmen", 356, 226, 84, 26, true);
  AddButton(btnSchliessen, "&Schliessen", 446, 226, 84, 26);

  AddStatusLine(StatusBar);

  ui::FillList(Item(ComboGermanState), logic_.ComboGermanState.items);

  logic_.FormCreate();
  Render();
}

void TfrmCalendarView::OnShow() {
  logic_.FormShow();
  Render();
}

void TfrmCalendarView::OnDpiChanged(int) { grid_.SetDpi(Dpi()); }

void TfrmCalendarView::OnResize(int, int) {
  if (HWND status = Item(StatusBar)) SendMessageW(status, WM_SIZE, 0, 0);
}

const LabelState* TfrmCalendarView::LabelOf(int id) const {
  switch (id) {
    case LblMonat: return &logic_.LblMonat;
    case LblJahr: return &logic_.LblJahr;
    case LblDatum: return &logic_.LblDatum;
    case LblTagImJahr: return &logic_.LblTagImJahr;
    case LblWocheImJahr: return &logic_.LblWocheImJahr;
    case LblFeiertag: return &logic_.LblFeiertag;
    case LblSeason: return &logic_.LblSeason;
    case LblSternzeichen: return &logic_.LblSternzeichen;
    default: return nullptr;
  }
}

const char* TfrmCalendarView::HintOf(int id) const {
  switch (id) {
    case SpinMonat: return TfrmCalendar::kHintSpinMonat;
    case SpinJahr: return TfrmCalendar::kHintSpinJahr;
    case ComboAstroData: return TfrmCalendar::kHintAstroData;
    case ComboGermanState: return TfrmCalendar::kHintGermanState;
    case btnOk: return TfrmCalendar::kHintOk;
    case btnSchliessen: return TfrmCalendar::kHintSchliessen;
    default: return "";
  }
}

void TfrmCalendarView::Render() {
  for (int id : {LblMonat, LblJahr, LblDatum, LblTagImJahr, LblWocheImJahr, LblFeiertag, LblSeason, LblSternzeichen}) {
    HWND label = Item(id);
    ui::UpdateText(label, LabelOf(id)->caption);
    InvalidateRect(label, nullptr, TRUE);
  }
  ui::FillList(Item(ComboAstroData), logic_.ComboAstroData.items, logic_.ComboAstroData.itemIndex);
  SendMessageW(Item(ComboGermanState), CB_SETCURSEL, static_cast<WPARAM>(logic_.ComboGermanState.itemIndex), 0);
}

bool TfrmCalendarView::OnCommand(int id, int code, HWND control) {
  if (id == Kalender) {
    if (code == CGN_CHANGE) Render();
    return true;
  }
  if (id == ComboGermanState && code == CBN_SELCHANGE) {
    logic_.ComboGermanStateChange(static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0)));
    Render();
    return true;
  }
  if (id == btnOk && code == BN_CLICKED) {
    if (logic_.btnOkClick()) Close(IDOK);
    return true;
  }
  return false;
}

void TfrmCalendarView::OnClose(int) { logic_.FormClose(); }

bool TfrmCalendarView::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code != UDN_DELTAPOS || (header->idFrom != SpinMonat && header->idFrom != SpinJahr)) return false;
      const bool up = reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta > 0;
      if (header->idFrom == SpinMonat) {
        if (up) logic_.SpinMonatUpClick();
        else logic_.SpinMonatDownClick();
      } else {
        if (up) logic_.SpinJahrUpClick();
        else logic_.SpinJahrDownClick();
      }
      Render();
      result = TRUE;  // the spin button's own position stays
      return true;
    }
    case WM_CTLCOLORSTATIC: {
      const LabelState* label = LabelOf(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
      if (!label) return false;
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, ui::ToColorRef(label->color));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
    case WM_SETCURSOR: {
      // The status bar shows the hint of the control under the mouse.
      HWND under = reinterpret_cast<HWND>(wParam);
      const char* hint = under == Handle() ? "" : HintOf(GetDlgCtrlID(under));
      HWND status = Item(StatusBar);
      if (status && under != status && hint != shownHint_) {
        shownHint_ = hint;
        SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(ui::ToWide(hint).c_str()));
      }
      return false;
    }
    default:
      return false;
  }
}

void ShowCalendarWindow(Services& services, const std::string& appDir) {
  win32::Win32Clock clock;
  win32::Win32TimeZone zone;
  win32::Win32Clipboard clipboard;
  TfrmCalendar logic(services, clipboard, clock, clock, zone, appDir);
  TfrmCalendarView view(logic);
  view.ShowModal(nullptr);
}

}  // namespace fenu::calendar
