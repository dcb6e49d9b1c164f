#include "calendar/CalendarGrid.h"

#include <algorithm>

namespace fenu::calendar {
namespace {

DateTime FromLocalTime(const LocalTime& t) {
  DateTime day = 0.0;
  if (!TryEncodeDate(t.year, t.month, t.day, day)) return 0.0;
  return day + (t.hour * 3600.0 + t.minute * 60.0 + t.second + t.millisecond / 1000.0) / 86400.0;
}

// The season dates of a year the calendar can show; false beyond 3000 (and before year 1).
bool SeasonsOf(int year, ITimeZone& zone, SeasonDates& seasons) {
  if (year < 1) return false;
  try {
    seasons = SeasonDatesOf(year, zone);
    return true;
  } catch (const E_OutOfAlgorithRange&) {
    return false;
  }
}

struct MonthOf {
  int year, month;
};

MonthOf Step(int year, int month, int months) {
  const int index = year * 12 + (month - 1) + months;
  const int y = index >= 0 ? index / 12 : (index - 11) / 12;
  return MonthOf{y, index - y * 12 + 1};
}

}  // namespace

CalendarGrid::CalendarGrid(IClock& clock, ILocale& locale, ITimeZone& zone, ISound& sound)
    : clock_(clock), locale_(locale), zone_(zone), sound_(sound) {
  date_ = Now();
  SeasonsOf(Year(), zone_, seasons_);
  Recalculate();
}

int CalendarGrid::Day() const { return DecodeDate(date_).day; }
int CalendarGrid::Month() const { return DecodeDate(date_).month; }
int CalendarGrid::Year() const { return DecodeDate(date_).year; }

int CalendarGrid::DaysInShownMonth() const {
  const CivilDate shown = DecodeDate(date_);
  return DaysInMonth(shown.year, shown.month);
}

DateTime CalendarGrid::Now() { return FromLocalTime(clock_.Now()); }

DateTime CalendarGrid::WithClockTime(int dayNumber) { return dayNumber + TimeOfDay(Now()); }

void CalendarGrid::SetDate(DateTime x) {
  CivilDate target;
  if (WholeDay(x) == WholeDay(date_) || !TryDecodeDate(x, target)) return;
  const CivilDate shown = DecodeDate(date_);
  const bool yearChanged = target.year != shown.year;
  SeasonDates seasons = seasons_;
  // A year the season formulas do not reach is refused before anything changes.
  if (yearChanged && !SeasonsOf(target.year, zone_, seasons)) {
    sound_.Beep(SoundKind::Default);
    return;
  }
  DoBeforeChange();
  const bool monthChanged = target.month != shown.month;
  date_ = x;
  if (yearChanged) seasons_ = seasons;
  Recalculate();
  DoChange();
  if (monthChanged) DoMonthChange();
  if (yearChanged) DoYearChange();
}

void CalendarGrid::SetYear(int year) {
  if (year < 1) return;
  const CivilDate shown = DecodeDate(date_);
  if (year != shown.year && !SeasonsReach(year)) {
    sound_.Beep(SoundKind::Default);
    return;
  }
  DoBeforeChange();
  if (year == shown.year) return;
  ChangeDate(year, shown.month, shown.day);
}

void CalendarGrid::SetMonth(int month) {
  if (month < 1) return;
  DoBeforeChange();
  const CivilDate shown = DecodeDate(date_);
  if (month == shown.month || month > 12) return;
  ChangeDate(shown.year, month, shown.day);
}

void CalendarGrid::SetDay(int day) {
  if (day < 1) return;
  DoBeforeChange();
  const CivilDate shown = DecodeDate(date_);
  if (day == shown.day || day > DaysInShownMonth()) return;
  ChangeDate(shown.year, shown.month, day);
}

void CalendarGrid::ChangeDate(int year, int month, int day) {
  DateTime whole = 0.0;
  if (!TryEncodeDate(year, month, day, whole)) return;  // 30 February: the date stays
  const CivilDate shown = DecodeDate(date_);
  const bool yearChanged = year != shown.year;
  const bool monthChanged = yearChanged || month != shown.month;
  date_ = WithClockTime(static_cast<int>(whole));
  options_ &= ~(1u << coUseCurrentDate);
  if (yearChanged) SeasonsOf(year, zone_, seasons_);  // checked by SetYear before
  Recalculate();
  DoChange();
  if (monthChanged) DoMonthChange();
  if (yearChanged) DoYearChange();
}

bool CalendarGrid::CanReach(int year) { return year == Year() || (year >= 1 && SeasonsReach(year)); }

void CalendarGrid::NextMonth() { StepMonths(1); }
void CalendarGrid::PrevMonth() { StepMonths(-1); }
void CalendarGrid::NextYear() { StepYears(1); }
void CalendarGrid::PrevYear() { StepYears(-1); }

void CalendarGrid::StepMonths(int months) {
  const CivilDate shown = DecodeDate(date_);
  const MonthOf target = Step(shown.year, shown.month, months);
  if (!CanReach(target.year)) {
    sound_.Beep(SoundKind::Default);
    return;
  }
  const int day = std::min(shown.day, DaysInMonth(target.year, target.month));
  try {
    SetDate(WithClockTime(DayNumber(target.year, target.month, day)));
  } catch (const FenuError&) {
    // A month step never ends the program; the grid keeps what it has.
  }
}

void CalendarGrid::StepYears(int years) {
  const CivilDate shown = DecodeDate(date_);
  if (!CanReach(shown.year + years)) {
    sound_.Beep(SoundKind::Default);
    return;
  }
  if (shown.month == 2 && shown.day == 29) SetDay(28);
  SetYear(shown.year + years);
}

void CalendarGrid::SetGermanState(int state) {
  if (state == state_) return;
  DoBeforeChange();
  state_ = state;
  const Place place = StateCoordinates(state);
  latitude_ = place.latitude;
  longitude_ = place.longitude;
  Recalculate();
  DoChange();
}

void CalendarGrid::SetLatitude(float latitude) {
  if (latitude == latitude_) return;
  latitude_ = latitude;
  Recalculate();
}

void CalendarGrid::SetLongitude(float longitude) {
  if (longitude == longitude_) return;
  longitude_ = longitude;
  Recalculate();
}

void CalendarGrid::SetCalendarOptions(TCalendarOptions options) {
  if (options == options_) return;
  const bool toNow = (options & (1u << coUseCurrentDate)) != 0 && !Has(coUseCurrentDate);
  options_ = options;
  if (toNow) {
    const int shownYear = Year();
    date_ = Now();
    // The season dates follow the date into its year.
    if (Year() != shownYear) SeasonsOf(Year(), zone_, seasons_);
  }
  Recalculate();
}

void CalendarGrid::SetDrawStyle(TCalendarDrawStyle style) {
  drawStyle_ = style;
  Repaint();
}

void CalendarGrid::SetSaturdayAsSunday(bool on) {
  saturdayAsSunday_ = on;
  Repaint();
}

void CalendarGrid::SetStartOfWeek(TDayOfWeek day) {
  startOfWeek_ = day;
  Recalculate();
}

void CalendarGrid::SetBackgroundColors(const TCalendarColors& colors) {
  background_ = colors;
  Repaint();
}

void CalendarGrid::SetTextColors(const TCalendarColors& colors) {
  text_ = colors;
  Repaint();
}

bool CalendarGrid::Marked(int day) const {
  return day >= 1 && day <= 31 && marks_[static_cast<std::size_t>(day)];
}

void CalendarGrid::SetMarked(int day, bool on) {
  if (day < 1 || day > 31) return;
  marks_[static_cast<std::size_t>(day)] = on;
  Repaint();
}

int CalendarGrid::PaintedCode(int day) const {
  return day >= 1 && day <= 31 ? codes_[static_cast<std::size_t>(day)] : 0;
}

void CalendarGrid::Recalculate() {
  updating_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{updating_};

  DaySelection selection;
  selection.date = date_;
  selection.state = state_;
  selection.latitude = latitude_;
  selection.longitude = longitude_;
  selection.seasons = seasons_;
  selection.calcHolidays = Has(coCalcHolidays);
  selection.calcAstroData = Has(coCalcAstroData);
  calendar::Recalculate(info_, selection);

  const CivilDate shown = DecodeDate(date_);
  const int weekdayOfFirst = DayOfWeek(DayNumber(shown.year, shown.month, 1));
  const int fromStart = (weekdayOfFirst - startOfWeek_ + 7) % 7;
  firstOffset_ = fromStart == 0 ? -5 : 2 - fromStart;
  const int cell = shown.day - firstOffset_;
  column_ = cell % 7;
  row_ = cell / 7 + 1;
  Repaint();
}

int CalendarGrid::CellDay(int column, int row) const {
  if (column < 0 || column >= kGridColumns || row < 1 || row >= kGridRows) return 0;
  const int day = column + firstOffset_ + 7 * (row - 1);
  return day >= 1 && day <= DaysInShownMonth() ? day : 0;
}

std::string CalendarGrid::CellText(int column, int row) const {
  if (row == 0 && column >= 0 && column < kGridColumns)
    return locale_.Names().shortDayNames[static_cast<std::size_t>((startOfWeek_ + column) % 7)];
  const int day = CellDay(column, row);
  return day > 0 ? std::to_string(day) : std::string();
}

bool CalendarGrid::CanSelect(int column, int row) const {
  if (!updating_ && Has(coReadOnly)) return false;
  return CellDay(column, row) > 0;
}

bool CalendarGrid::Weekend(int column) const {
  int weekday = column + startOfWeek_ + 1;
  if (weekday > 7) weekday -= 7;
  return weekday == 1 || (weekday == 7 && saturdayAsSunday_);
}

CellPaint CalendarGrid::PaintCell(int column, int row) {
  CellPaint paint;
  paint.text = CellText(column, row);
  const bool current = row >= 1 && column == column_ && row == row_;
  if (drawStyle_ == cdsMonoGrid) {
    // The base grid's own painting: the fixed row in button face, the current cell highlighted.
    paint.fill = true;
    if (row == 0) {
      paint.background = clBtnFace;
      paint.textColor = clBtnText;
    } else if (current) {
      paint.background = clHighlight;
      paint.textColor = clHighlightText;
    }
    return paint;
  }

  const int day = CellDay(column, row);
  const bool weekend = Weekend(column);
  const bool today = day > 0 && DayNumber(Year(), Month(), day) == WholeDay(Now());
  paint.textColor = text_.Standard;
  paint.background = background_.Standard;
  bool coloursOpen = true;
  if (row == 0 || drawStyle_ == cdsButtons) {
    paint.textColor = weekend ? text_.Weekend : text_.Headers;
    paint.background = background_.Headers;
    paint.bold = row == 0 || today;
    paint.button = true;
    paint.pushed = current;
    paint.selectionRect = current;
    coloursOpen = false;
  } else if (current) {
    if (Has(coFrameSelection)) {
      paint.selectionFrame = true;
    } else {
      paint.textColor = text_.Selected;
      paint.background = background_.Selected;
      coloursOpen = false;
    }
  }

  if (day > 0) {
    if (coloursOpen && weekend) {
      paint.textColor = text_.Weekend;
      paint.background = background_.Weekend;
    }
    if (today) {
      paint.bold = true;
      if (coloursOpen) {
        paint.textColor = text_.Today;
        paint.background = background_.Today;
      }
    }
    const int code = Has(coCalcHolidays) ? ClassifyDay(state_, DayNumber(Year(), Month(), day), seasons_) : 0;
    codes_[static_cast<std::size_t>(day)] = code;
    if (code > 0) {
      paint.bold = true;
      if (coloursOpen) {
        paint.textColor = text_.Holiday;
        paint.background = background_.Holiday;
      }
    }
    if (coloursOpen && Has(coShowMarks) && marks_[static_cast<std::size_t>(day)]) {
      paint.textColor = text_.Marked;
      paint.background = background_.Marked;
    }
  }
  paint.fill = row >= 1 && drawStyle_ != cdsButtons;
  return paint;
}

void CalendarGrid::MouseDown(int column, int row) {
  if (CanSelect(column, row)) {
    column_ = column;
    row_ = row;
    Repaint();
  }
  Click();
}

void CalendarGrid::Click() {
  const int day = CellDay(column_, row_);
  if (day > 0) SetDay(day);
}

bool CalendarGrid::KeyDown(GridKey key) {
  const int day = Day();
  const int lastDay = DaysInShownMonth();
  switch (key) {
    case GridKey::PageUp: PrevMonth(); return true;
    case GridKey::PageDown: NextMonth(); return true;
    case GridKey::CtrlPageUp: PrevYear(); return true;
    case GridKey::CtrlPageDown: NextYear(); return true;
    case GridKey::Home: SetDay(1); return true;
    case GridKey::End: SetDay(lastDay); return true;
    case GridKey::Left:
    case GridKey::Up:
      if (day == 1 || (key == GridKey::Up && row_ == 1)) {
        // The previous month's last day; refused as a whole when that month cannot be shown.
        const CivilDate shown = DecodeDate(date_);
        const MonthOf previous = Step(shown.year, shown.month, -1);
        if (!CanReach(previous.year)) {
          sound_.Beep(SoundKind::Default);
          return true;
        }
        PrevMonth();
        SetDay(DaysInShownMonth());
        return true;
      }
      if (key == GridKey::Left && column_ == 0 && row_ > 1) {
        SetDay(day - 1);
        return true;
      }
      break;
    case GridKey::Right:
    case GridKey::Down:
      if (day == lastDay || (key == GridKey::Down && row_ == 6)) {
        const CivilDate shown = DecodeDate(date_);
        const MonthOf next = Step(shown.year, shown.month, 1);
        if (!CanReach(next.year)) {
          sound_.Beep(SoundKind::Default);
          return true;
        }
        if (key == GridKey::Right) {
          SetDay(1);
          NextMonth();
        } else {
          NextMonth();
          SetDay(1);
        }
        return true;
      }
      if (key == GridKey::Right && column_ == 6 && row_ < 6) {
        SetDay(day + 1);
        return true;
      }
      break;
    default:
      break;
  }

  // The base grid's own move to the neighbouring cell, unless that cell is vetoed.
  int column = column_;
  int row = row_;
  switch (key) {
    case GridKey::Left: --column; break;
    case GridKey::Right: ++column; break;
    case GridKey::Up: --row; break;
    case GridKey::Down: ++row; break;
    default: break;
  }
  if (column >= 0 && column < kGridColumns && row >= 1 && row < kGridRows && CanSelect(column, row)) {
    column_ = column;
    row_ = row;
    Repaint();
    Click();
  }
  return true;
}

void CalendarGrid::DoBeforeChange() {
  if (OnBeforeChange) OnBeforeChange();
}

void CalendarGrid::DoChange() {
  if (OnChange) OnChange();
}

void CalendarGrid::DoMonthChange() {
  if (Has(coCalcHolidays)) codes_.fill(0);
  if (Has(coAutoDeleteMarks)) marks_.fill(false);
  info_.daysInMonth = DaysInShownMonth();
  if (OnMonthChange) OnMonthChange();
}

// The season dates of the new year are in place already: whoever changed the year set them.
void CalendarGrid::DoYearChange() {
  if (OnYearChange) OnYearChange();
}

void CalendarGrid::Repaint() {
  if (OnRepaint) OnRepaint();
}

}  // namespace fenu::calendar
