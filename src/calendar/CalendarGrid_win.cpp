#include "calendar/CalendarGrid_win.h"

#include <stdexcept>
#include <string>

#include "ui/win32/Font_win.h"
#include "ui/win32/Text_win.h"
#include "ui/win32/WindowClass_win.h"
#include "ui/win32/WindowObject_win.h"

namespace fenu::calendar {
namespace {

// The lines between the cells.
constexpr COLORREF kLineColor = RGB(0xC0, 0xC0, 0xC0);

}  // namespace

void CalendarGridControl::RegisterClassOnce() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = &CalendarGridControl::WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kCalendarGridClass;
  ui::RegisterWindowClass(wc);
  registered = true;
}

namespace {

int PackDate(DateTime x) {
  const CivilDate d = DecodeDate(x);
  return d.year * 10000 + d.month * 100 + d.day;
}

void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
  ui::Brush brush(CreateSolidBrush(color));
  if (brush) FillRect(dc, &rect, brush.Get());
}

// A frame of the given thickness just inside rect.
void Frame(HDC dc, RECT rect, COLORREF color, int thickness) {
  ui::Brush brush(CreateSolidBrush(color));
  if (!brush) return;
  for (int i = 0; i < thickness && rect.right - rect.left > 1 && rect.bottom - rect.top > 1; ++i) {
    FrameRect(dc, &rect, brush.Get());
    InflateRect(&rect, -1, -1);
  }
}

}  // namespace

CalendarGridControl::~CalendarGridControl() {
  Unchain();
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

HWND CalendarGridControl::Create(HWND parent, int id, const RECT& rect, int dpi) {
  RegisterClassOnce();
  dpi_ = dpi > 0 ? dpi : 96;
  hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, kCalendarGridClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect.left,
                          rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("CreateWindowExW TCalendarGrid");
  SetFont(reinterpret_cast<HFONT>(SendMessageW(parent, WM_GETFONT, 0, 0)), false);

  Chain(grid_.OnBeforeChange, savedBeforeChange_, CGN_BEFORECHANGE);
  Chain(grid_.OnChange, savedChange_, CGN_CHANGE);
  Chain(grid_.OnMonthChange, savedMonthChange_, CGN_MONTHCHANGE);
  Chain(grid_.OnYearChange, savedYearChange_, CGN_YEARCHANGE);
  savedRepaint_ = grid_.OnRepaint;
  grid_.OnRepaint = [this] {
    if (savedRepaint_) savedRepaint_();
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
  };
  chained_ = true;
  return hwnd_;
}

void CalendarGridControl::SetDpi(int dpi) {
  dpi_ = dpi > 0 ? dpi : 96;
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void CalendarGridControl::Chain(std::function<void()>& event, std::function<void()>& saved, WORD code) {
  saved = event;
  event = [this, &saved, code] {
    if (saved) saved();
    Notify(code);
  };
}

void CalendarGridControl::Unchain() {
  if (!chained_) return;
  grid_.OnBeforeChange = savedBeforeChange_;
  grid_.OnChange = savedChange_;
  grid_.OnMonthChange = savedMonthChange_;
  grid_.OnYearChange = savedYearChange_;
  grid_.OnRepaint = savedRepaint_;
  chained_ = false;
}

void CalendarGridControl::Notify(WORD code) {
  if (!hwnd_) return;
  const auto id = static_cast<WORD>(GetDlgCtrlID(hwnd_));
  SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(hwnd_));
}

void CalendarGridControl::SetFont(HFONT font, bool redraw) {
  font_ = font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTW bold{};
  if (GetObjectW(font_, sizeof bold, &bold) == sizeof bold) {
    bold.lfWeight = FW_BOLD;
    boldFont_.Reset(CreateFontIndirectW(&bold));
  } else {
    boldFont_.Reset();
  }
  if (redraw) InvalidateRect(hwnd_, nullptr, FALSE);
}

bool CalendarGridControl::CellAt(POINT point, int& column, int& row) const {
  RECT client;
  GetClientRect(hwnd_, &client);
  const int columnWidth = CalendarGrid::ColumnWidth(client.right);
  const int rowHeight = CalendarGrid::RowHeight(client.bottom);
  if (point.x < 0 || point.y < 0 || columnWidth <= 0 || rowHeight <= 0) return false;
  column = point.x / (columnWidth + kGridLineWidth);
  row = point.y / (rowHeight + kGridLineWidth);
  return column < kGridColumns && row < kGridRows;
}

void CalendarGridControl::Paint() {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  // Drawn off screen first, so that a change of day does not flicker.
  ui::MemoryDc dc(target);
  ui::Bitmap bitmap(CreateCompatibleBitmap(target, client.right, client.bottom));
  if (dc && bitmap && client.right > 0 && client.bottom > 0) {
    ui::Selection selectBitmap(dc.Get(), bitmap.Get());
    ui::Selection selectFont(dc.Get(), font_);
    FillSolid(dc.Get(), client, GetSysColor(COLOR_WINDOW));
    SetBkMode(dc.Get(), TRANSPARENT);
    const int columnWidth = CalendarGrid::ColumnWidth(client.right);
    const int rowHeight = CalendarGrid::RowHeight(client.bottom);
    const bool focused = GetFocus() == hwnd_;
    for (int row = 0; row < kGridRows; ++row) {
      for (int column = 0; column < kGridColumns; ++column) {
        const int x = column * (columnWidth + kGridLineWidth);
        const int y = row * (rowHeight + kGridLineWidth);
        PaintCell(dc.Get(), column, row, RECT{x, y, x + columnWidth, y + rowHeight}, focused);
      }
    }
    PaintLines(dc.Get(), columnWidth, rowHeight);
    BitBlt(target, 0, 0, client.right, client.bottom, dc.Get(), 0, 0, SRCCOPY);
  }
  EndPaint(hwnd_, &ps);
}

void CalendarGridControl::PaintCell(HDC dc, int column, int row, const RECT& cell, bool focused) {
  const CellPaint paint = grid_.PaintCell(column, row);
  const COLORREF background = ui::ToColorRef(paint.background);
  const COLORREF selected = ui::ToColorRef(grid_.BackgroundColors().Selected);
  if (paint.fill) FillSolid(dc, cell, background);
  RECT inner = cell;
  if (paint.button) {
    RECT face = cell;
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (paint.pushed ? DFCS_PUSHED : 0));
    const int edge = GetSystemMetrics(SM_CXEDGE);
    InflateRect(&inner, -edge, -edge);
    // The face in the cell's own colour when it is not the button colour.
    if (background != GetSysColor(COLOR_BTNFACE)) FillSolid(dc, inner, background);
  }
  if (paint.selectionRect) {
    RECT rect = inner;
    InflateRect(&rect, -1, -1);
    Frame(dc, rect, selected, Scale(1));
  }
  if (paint.selectionFrame) Frame(dc, cell, selected, Scale(2));

  if (!paint.text.empty()) {
    ui::Selection selectFont(dc, paint.bold && boldFont_ ? boldFont_.Get() : nullptr);
    SetTextColor(dc, ui::ToColorRef(paint.textColor));
    RECT text = inner;
    if (paint.pushed) OffsetRect(&text, 1, 1);
    const std::wstring wide = ui::ToWide(paint.text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  // Where the keyboard is, while the grid has it.
  if (focused && row >= 1 && column == grid_.CurrentColumn() && row == grid_.CurrentRow()) {
    RECT rect = inner;
    InflateRect(&rect, -Scale(2), -Scale(2));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &rect);
  }
}

void CalendarGridControl::PaintLines(HDC dc, int columnWidth, int rowHeight) {
  // The lines of the header row are always there; the others with coGridLines.
  const bool gridLines = grid_.Has(coGridLines);
  const int right = kGridColumns * (columnWidth + kGridLineWidth) - kGridLineWidth;
  const int bottom = kGridRows * (rowHeight + kGridLineWidth) - kGridLineWidth;
  for (int column = 0; column < kGridColumns; ++column) {
    const int x = column * (columnWidth + kGridLineWidth) + columnWidth;
    FillSolid(dc, RECT{x, 0, x + kGridLineWidth, gridLines ? bottom : rowHeight}, kLineColor);
  }
  for (int row = 0; row < kGridRows; ++row) {
    if (row > 0 && !gridLines) break;
    const int y = row * (rowHeight + kGridLineWidth) + rowHeight;
    FillSolid(dc, RECT{0, y, right, y + kGridLineWidth}, kLineColor);
  }
}

bool CalendarGridControl::KeyDown(WPARAM key) {
  const bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
  switch (key) {
    case VK_LEFT: return grid_.KeyDown(GridKey::Left);
    case VK_RIGHT: return grid_.KeyDown(GridKey::Right);
    case VK_UP: return grid_.KeyDown(GridKey::Up);
    case VK_DOWN: return grid_.KeyDown(GridKey::Down);
    case VK_PRIOR: return grid_.KeyDown(ctrl ? GridKey::CtrlPageUp : GridKey::PageUp);
    case VK_NEXT: return grid_.KeyDown(ctrl ? GridKey::CtrlPageDown : GridKey::PageDown);
    case VK_HOME: return grid_.KeyDown(GridKey::Home);
    case VK_END: return grid_.KeyDown(GridKey::End);
    default: return false;
  }
}

LRESULT CALLBACK CalendarGridControl::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ui::ObjectWindowProc<CalendarGridControl, &CalendarGridControl::hwnd_, &CalendarGridControl::HandleMessage,
                              ui::DefaultProc::Window>(hwnd, msg, wParam, lParam);
}

LRESULT CalendarGridControl::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_SETFONT:
      SetFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_GETDLGCODE:
      // The arrow and paging keys move in the grid; Tab, Enter and Escape stay the dialog's.
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (KeyDown(wParam)) return 0;
      break;
    case WM_LBUTTONDOWN: {
      if (GetFocus() != hwnd_) SetFocus(hwnd_);
      const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      int column = 0;
      int row = 0;
      if (CellAt(point, column, row)) grid_.MouseDown(column, row);
      return 0;
    }
    case CGM_GETDATE:
      return PackDate(grid_.Date());
    case CGM_SETDATE: {
      const int packed = static_cast<int>(wParam);
      DateTime day = 0.0;
      if (!TryEncodeDate(packed / 10000, packed / 100 % 100, packed % 100, day)) return FALSE;
      grid_.SetDate(day + TimeOfDay(grid_.Date()));
      return PackDate(grid_.Date()) == packed;
    }
    case CGM_GETDRAWSTYLE:
      return grid_.DrawStyle();
    case CGM_SETDRAWSTYLE:
      if (wParam > cdsButtons) return FALSE;
      grid_.SetDrawStyle(static_cast<TCalendarDrawStyle>(wParam));
      return TRUE;
    case CGM_GETOPTIONS:
      return static_cast<LRESULT>(grid_.CalendarOptions());
    case CGM_SETOPTIONS:
      grid_.SetCalendarOptions(static_cast<TCalendarOptions>(wParam));
      return TRUE;
    case WM_NCDESTROY: {
      HWND hwnd = hwnd_;
      Unchain();
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

}  // namespace fenu::calendar
