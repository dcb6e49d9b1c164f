#pragma once
// The month grid's behaviour without a window: 7 columns by 7 rows, the weekday names in row 0
// and the days of one month below. It owns the selected date, recomputes the day information
// whenever that date changes, lays out the month, decides how every cell is painted and how the
// mouse and the arrow keys move the selection. The Win32 control draws what PaintCell says and
// forwards clicks and keys.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "calendar/DayInfo.h"
#include "calendar/Holidays.h"
#include "calendar/Seasons.h"
#include "platform/Clock.h"
#include "platform/Services.h"
#include "platform/TimeZone.h"

namespace fenu::calendar {

// A colour as the system keeps it: 0x00BBGGRR, or 0x80000000 + the index of a system colour.
using Color = std::uint32_t;
inline constexpr Color SystemColor(unsigned index) { return 0x80000000u | index; }
inline constexpr Color clBtnFace = SystemColor(15);
inline constexpr Color clBtnText = SystemColor(18);
inline constexpr Color clWindow = SystemColor(5);
inline constexpr Color clWindowText = SystemColor(8);
inline constexpr Color clHighlight = SystemColor(13);
inline constexpr Color clHighlightText = SystemColor(14);
inline constexpr Color clInfoBk = SystemColor(24);
inline constexpr Color clRed = 0x0000FF;
inline constexpr Color clBlue = 0xFF0000;
inline constexpr Color clMaroon = 0x000080;
inline constexpr Color clAqua = 0xFFFF00;
inline constexpr Color clNavy = 0x800000;

struct TCalendarColors {
  Color Headers, Holiday, Marked, Selected, Standard, Today, Weekend;
  bool operator==(const TCalendarColors&) const = default;
};
inline constexpr TCalendarColors kDefaultBackgroundColors = {clBtnFace, clWindow, clAqua,   clHighlight,
                                                             clWindow,  clWindow, clWindow};
inline constexpr TCalendarColors kDefaultTextColors = {clBtnText,    clRed,  clWindowText, clHighlightText,
                                                       clWindowText, clBlue, clMaroon};

enum TCalendarOption {
  coAutoDeleteMarks,  // clear the day marks on a change of month
  coCalcAstroData,    // compute sun and moon
  coCalcHolidays,     // classify the days
  coGridLines,        // show the lines between the cells
  coReadOnly,         // the user cannot select cells
  coFrameSelection,   // show the selected day by a frame instead of its colours
  coShowMarks,        // paint marked days in the Marked colours
  coUseCurrentDate,   // switched on, the date jumps to now; Day, Month and Year switch it off
};
using TCalendarOptions = unsigned;
inline constexpr TCalendarOptions Options(std::initializer_list<TCalendarOption> options) {
  TCalendarOptions set = 0;
  for (const TCalendarOption option : options) set |= 1u << option;
  return set;
}
inline constexpr TCalendarOptions kDefaultCalendarOptions =
    Options({coAutoDeleteMarks, coCalcAstroData, coCalcHolidays, coGridLines, coFrameSelection, coShowMarks,
             coUseCurrentDate});

enum TCalendarDrawStyle { cdsColorGrid, cdsMonoGrid, cdsButtons };
enum TDayOfWeek { dowSunday, dowMonday, dowTuesday, dowWednesday, dowThursday, dowFriday, dowSaturday };

// How one cell is painted, in this order: the fill (when fill is set), the push-button frame
// (pushed for the current cell), inside it the selection rectangle, the 2-pixel selection frame
// just inside the cell, then the text, transparent, centred on one line, without prefix
// characters. Frames and rectangles are drawn in the Selected background colour.
struct CellPaint {
  std::string text;
  Color textColor = clWindowText;
  Color background = clWindow;
  bool bold = false;
  bool fill = false;
  bool button = false;
  bool pushed = false;
  bool selectionRect = false;
  bool selectionFrame = false;

  bool operator==(const CellPaint&) const = default;
};

// The arrow keys of the grid, and the keys of a Windows month calendar beside them: Page Up and
// Page Down step a month, with Ctrl a year; Home and End select the first and the last day.
enum class GridKey { Left, Right, Up, Down, PageUp, PageDown, CtrlPageUp, CtrlPageDown, Home, End };

inline constexpr int kGridColumns = 7;
inline constexpr int kGridRows = 7;
inline constexpr int kGridLineWidth = 1;
inline constexpr int kGridDefaultWidth = 192;
inline constexpr int kGridDefaultHeight = 115;

class CalendarGrid {
 public:
  // The date starts at now; the season dates of its year and the day information are computed.
  CalendarGrid(IClock& clock, ILocale& locale, ITimeZone& zone, ISound& sound);

  // Notifications, in the order a change fires them: before, change, month, year.
  std::function<void()> OnBeforeChange;
  std::function<void()> OnChange;
  std::function<void()> OnMonthChange;
  std::function<void()> OnYearChange;
  // The view repaints the whole grid.
  std::function<void()> OnRepaint;

  // The selected date (day and clock time) and its parts.
  DateTime Date() const { return date_; }
  int Day() const;
  int Month() const;
  int Year() const;
  // Selects the day of x; nothing happens when it is already selected.
  void SetDate(DateTime x);
  // Values below 1, months above 12 and days beyond the shown month are ignored, and so is a date
  // that does not exist (30 February). The clock time becomes the current one.
  void SetDay(int day);
  void SetMonth(int month);
  void SetYear(int year);
  // The day number is kept, clamped to the target month (31 March becomes 30 April); 29 February
  // becomes 28 February in the next or previous year.
  void NextMonth();
  void PrevMonth();
  void NextYear();
  void PrevYear();

  int GermanState() const { return state_; }
  void SetGermanState(int state);
  float Latitude() const { return latitude_; }
  float Longitude() const { return longitude_; }
  void SetLatitude(float latitude);
  void SetLongitude(float longitude);
  TCalendarOptions CalendarOptions() const { return options_; }
  bool Has(TCalendarOption option) const { return (options_ & (1u << option)) != 0; }
  void SetCalendarOptions(TCalendarOptions options);
  TCalendarDrawStyle DrawStyle() const { return drawStyle_; }
  void SetDrawStyle(TCalendarDrawStyle style);
  bool SaturdayAsSunday() const { return saturdayAsSunday_; }
  void SetSaturdayAsSunday(bool on);
  TDayOfWeek StartOfWeek() const { return startOfWeek_; }
  void SetStartOfWeek(TDayOfWeek day);
  const TCalendarColors& BackgroundColors() const { return background_; }
  const TCalendarColors& TextColors() const { return text_; }
  void SetBackgroundColors(const TCalendarColors& colors);
  void SetTextColors(const TCalendarColors& colors);

  // Marks of the shown month's days (1-31); nothing in the program sets them.
  bool Marked(int day) const;
  void SetMarked(int day, bool on);
  // The code of a day as last painted.
  int PaintedCode(int day) const;

  const DayInfo& Info() const { return info_; }
  const SeasonDates& Seasons() const { return seasons_; }
  // The day number shown in column 0 of row 1 (0 or negative when the month starts later).
  int FirstOffset() const { return firstOffset_; }
  int CurrentColumn() const { return column_; }
  int CurrentRow() const { return row_; }
  bool Updating() const { return updating_; }
  int DaysInShownMonth() const;

  // The day number a cell of rows 1-6 shows, 0 for none.
  int CellDay(int column, int row) const;
  // The short weekday name in row 0, the day number below, or nothing.
  std::string CellText(int column, int row) const;
  // Whether the user may move the current cell there.
  bool CanSelect(int column, int row) const;
  // How a cell is painted now; stores the day's code for PaintedCode.
  CellPaint PaintCell(int column, int row);
  // Column width and row height for a size in pixels.
  static int ColumnWidth(int width) { return (width - 6 * kGridLineWidth) / 7; }
  static int RowHeight(int height) { return (height - 6 * kGridLineWidth) / 7; }

  // A click on a cell: the grid moves there unless vetoed, then a day cell selects its day.
  void MouseDown(int column, int row);
  // A key of the grid; true when it was handled.
  bool KeyDown(GridKey key);

  // Recomputes the day information, the layout and the current cell, and repaints.
  void Recalculate();

 private:
  DateTime Now();
  // Day plus the clock time now.
  DateTime WithClockTime(int dayNumber);
  // Whether a step into year can be taken: the season formulas reach it.
  bool CanReach(int year);
  void StepMonths(int months);
  void StepYears(int years);
  // The setters' common path once the new year, month and day are known.
  void ChangeDate(int year, int month, int day);
  void Click();
  void DoBeforeChange();
  void DoChange();
  void DoMonthChange();
  void DoYearChange();
  void Repaint();
  bool Weekend(int column) const;

  IClock& clock_;
  ILocale& locale_;
  ITimeZone& zone_;
  ISound& sound_;

  DateTime date_ = 0.0;
  int state_ = gsNordrhein_Westfalen;
  float latitude_ = 51.6f;
  float longitude_ = -7.5f;
  TCalendarOptions options_ = kDefaultCalendarOptions;
  TCalendarDrawStyle drawStyle_ = cdsColorGrid;
  bool saturdayAsSunday_ = false;
  TDayOfWeek startOfWeek_ = dowSunday;
  TCalendarColors background_ = kDefaultBackgroundColors;
  TCalendarColors text_ = kDefaultTextColors;

  SeasonDates seasons_;
  DayInfo info_;
  std::array<int, 32> codes_{};
  std::array<bool, 32> marks_{};
  int firstOffset_ = 1;
  int column_ = 0;
  int row_ = 1;
  bool updating_ = false;
};

}  // namespace fenu::calendar
