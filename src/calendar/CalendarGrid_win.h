#pragma once
// The month grid as a Win32 control of its own window class over the portable CalendarGrid: it
// paints what the grid decides for each cell, forwards clicks and keys to it, and tells its parent
// of every change with WM_COMMAND (control id, CGN_* code), in the order the grid fires them.
// Cells are laid out from the client size, text in the font given with WM_SETFONT, frames at the
// window's DPI.
#include <windows.h>

#include <functional>

#include "calendar/CalendarGrid.h"
#include "ui/win32/GdiObject_win.h"

namespace fenu::calendar {

inline constexpr const wchar_t* kCalendarGridClass = L"TCalendarGrid";

// Notifications to the parent, in this order for one change: before, change, month, year.
inline constexpr WORD CGN_BEFORECHANGE = 1;
inline constexpr WORD CGN_CHANGE = 2;
inline constexpr WORD CGN_MONTHCHANGE = 3;
inline constexpr WORD CGN_YEARCHANGE = 4;

// Messages to the control. A date travels as year * 10000 + month * 100 + day.
inline constexpr UINT CGM_GETDATE = WM_USER + 0x100;       // returns the selected date
inline constexpr UINT CGM_SETDATE = WM_USER + 0x101;       // wParam: the date; TRUE when it is selected now
inline constexpr UINT CGM_GETDRAWSTYLE = WM_USER + 0x102;  // returns a TCalendarDrawStyle
inline constexpr UINT CGM_SETDRAWSTYLE = WM_USER + 0x103;  // wParam: a TCalendarDrawStyle
inline constexpr UINT CGM_GETOPTIONS = WM_USER + 0x104;    // returns the TCalendarOptions
inline constexpr UINT CGM_SETOPTIONS = WM_USER + 0x105;    // wParam: TCalendarOptions

class CalendarGridControl {
 public:
  explicit CalendarGridControl(CalendarGrid& grid) : grid_(grid) {}
  ~CalendarGridControl();
  CalendarGridControl(const CalendarGridControl&) = delete;
  CalendarGridControl& operator=(const CalendarGridControl&) = delete;

  // Creates the child window at a rectangle in device pixels; dpi sizes the frames.
  HWND Create(HWND parent, int id, const RECT& rect, int dpi);
  HWND Handle() const { return hwnd_; }
  void SetDpi(int dpi);

 private:
  static void RegisterClassOnce();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // The grid's notifications go on to the parent after whoever else listens to them.
  void Chain(std::function<void()>& event, std::function<void()>& saved, WORD code);
  void Unchain();
  void Notify(WORD code);
  void SetFont(HFONT font, bool redraw);
  void Paint();
  void PaintCell(HDC dc, int column, int row, const RECT& cell, bool focused);
  void PaintLines(HDC dc, int columnWidth, int rowHeight);
  bool CellAt(POINT point, int& column, int& row) const;
  bool KeyDown(WPARAM key);
  int Scale(int pixels) const { return MulDiv(pixels, dpi_, 96); }

  CalendarGrid& grid_;
  HWND hwnd_ = nullptr;
  int dpi_ = 96;
  HFONT font_ = nullptr;  // the parent's font, owned by the parent
  ui::Font boldFont_;
  std::function<void()> savedBeforeChange_, savedChange_, savedMonthChange_, savedYearChange_, savedRepaint_;
  bool chained_ = false;
};

}  // namespace fenu::calendar
