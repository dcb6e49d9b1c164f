// The calendar's work on one change of day: the selected day's information with sun and moon
// (about 200 body positions), classifying the 42 cells of a month, and the grid's decisions for
// painting a whole month.
#include <benchmark/benchmark.h>

#include "calendar/CalendarGrid.h"
#include "calendar/DayInfo.h"
#include "calendar/Holidays.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeServices.h"
#include "platform/fake/FakeTimeZone.h"

namespace fenu::calendar {
namespace {

DaySelection Selection(int year, int month, int day) {
  FakeTimeZone zone(-60);
  DaySelection selection;
  selection.date = DayNumber(year, month, day) + 0.5;
  selection.state = gsNordrhein_Westfalen;
  selection.seasons = SeasonDatesOf(year, zone);
  return selection;
}

void BM_RecalculateWithAstronomy(benchmark::State& state) {
  DaySelection selection = Selection(2025, 6, 21);
  DayInfo info;
  int day = 0;
  for (auto _ : state) {
    selection.date = DayNumber(2025, 6, 1 + day) + 0.5;  // a different day each time, as clicking does
    day = (day + 1) % 30;
    Recalculate(info, selection);
    benchmark::DoNotOptimize(info);
  }
}
BENCHMARK(BM_RecalculateWithAstronomy)->Unit(benchmark::kMicrosecond);

void BM_ClassifyMonthOf42Cells(benchmark::State& state) {
  const DaySelection selection = Selection(2025, 12, 1);
  const int firstCell = DayNumber(2025, 12, 1) - 1;  // December 2025 starts on a Monday
  int codes = 0;
  for (auto _ : state) {
    for (int cell = 0; cell < 42; ++cell) codes += ClassifyDay(gsSachsen, firstCell + cell, selection.seasons);
    benchmark::DoNotOptimize(codes);
  }
}
BENCHMARK(BM_ClassifyMonthOf42Cells)->Unit(benchmark::kMicrosecond);

// What the grid decides for one paint of all 49 cells: texts, colours, and a code for each day.
void BM_PaintMonthOfTheGrid(benchmark::State& state) {
  FakeClock clock(LocalTime{2025, 12, 10, 12, 0, 0, 0});
  FakeTimeZone zone(-60);
  FakeServices fake;
  CalendarGrid grid(clock, clock, zone, fake);
  grid.SetGermanState(gsSachsen);
  int bold = 0;
  for (auto _ : state) {
    for (int row = 0; row < kGridRows; ++row)
      for (int column = 0; column < kGridColumns; ++column) bold += grid.PaintCell(column, row).bold ? 1 : 0;
    benchmark::DoNotOptimize(bold);
  }
}
BENCHMARK(BM_PaintMonthOfTheGrid)->Unit(benchmark::kMicrosecond);

void BM_SeasonDatesOfAYear(benchmark::State& state) {
  FakeTimeZone zone(-60);
  for (auto _ : state) benchmark::DoNotOptimize(SeasonDatesOf(2025, zone));
}
BENCHMARK(BM_SeasonDatesOfAYear)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fenu::calendar
