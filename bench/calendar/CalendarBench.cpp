// The calendar's work on one change of day: the selected day's information with sun and moon
// (about 200 body positions), and classifying the 42 cells of a month as painting does.
#include <benchmark/benchmark.h>

#include "calendar/DayInfo.h"
#include "calendar/Holidays.h"
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

void BM_SeasonDatesOfAYear(benchmark::State& state) {
  FakeTimeZone zone(-60);
  for (auto _ : state) benchmark::DoNotOptimize(SeasonDatesOf(2025, zone));
}
BENCHMARK(BM_SeasonDatesOfAYear)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fenu::calendar
