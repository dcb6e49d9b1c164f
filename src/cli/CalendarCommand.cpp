// fenu-cli calendar: the calendar's information about a day, and a year's special days.
//   calendar --state N --date YYYY-MM-DD [--time HH:MM:SS] [--tz-offset MINUTES]
//   calendar --year YYYY [--state N] [--tz-offset MINUTES]
// The first prints, as one JSON object, what the calendar shows for that day selected at that
// clock time (12:00:00 unless given) in state N (0-15, 16 for none): the day information of the
// month grid. The second prints every day of the year that has a code, one line each
// ("YYYY-MM-DD code name"), for state N (1, Bayern, unless given). MINUTES is the time-zone
// offset (UTC minus local time) with which the season dates are turned into local dates; without
// it the system's offset now. A failing computation ("Out of range of the algorithm" for years
// beyond 3000) prints its message on standard error and exits with 1.
#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>

#include "calendar/CalendarDays.h"
#include "calendar/DayInfo.h"
#include "calendar/Holidays.h"
#include "calendar/SunMoon.h"
#include "cli/Cli.h"
#include "core/Cp1252.h"
#include "platform/TimeZone.h"

namespace fenu::cli {
namespace {

using namespace fenu::calendar;
using Json = nlohmann::ordered_json;

// A whole number of decimal digits, optionally negative, within low..high.
std::optional<int> ReadNumber(const std::string& text, int low, int high) {
  std::size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
  if (i == text.size() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (std::size_t j = i; j < text.size(); ++j) {
    if (text[j] < '0' || text[j] > '9') return std::nullopt;
    value = value * 10 + (text[j] - '0');
  }
  if (i == 1) value = -value;
  if (value < low || value > high) return std::nullopt;
  return value;
}

// Fixed-width fields separated by one character: "YYYY-MM-DD", "HH:MM:SS".
std::optional<std::array<int, 3>> ReadFields(const std::string& text, std::size_t firstWidth, char separator) {
  if (text.size() != firstWidth + 6 || text[firstWidth] != separator || text[firstWidth + 3] != separator)
    return std::nullopt;
  std::array<int, 3> fields{};
  const std::size_t starts[3] = {0, firstWidth + 1, firstWidth + 4};
  const std::size_t widths[3] = {firstWidth, 2, 2};
  for (int f = 0; f < 3; ++f) {
    for (std::size_t i = starts[f]; i < starts[f] + widths[f]; ++i) {
      if (text[i] < '0' || text[i] > '9') return std::nullopt;
      fields[static_cast<std::size_t>(f)] = fields[static_cast<std::size_t>(f)] * 10 + (text[i] - '0');
    }
  }
  return fields;
}

int WrongValue(const std::string& what, const std::string& value, const std::string& expected) {
  PrintUtf8(stderr, "Ungültige Angabe für " + what + " \"" + value + "\", erwartet wird " + expected + "\n");
  return kUsageError;
}

// A fixed offset, or the system's at the moment it is asked.
class GivenTimeZone : public ITimeZone {
 public:
  explicit GivenTimeZone(std::optional<int> bias) : bias_(bias) {}
  int CurrentBiasMinutes() override { return bias_ ? *bias_ : system_.CurrentBiasMinutes(); }

 private:
  std::optional<int> bias_;
  SystemTimeZone system_;
};

std::string ClockText(DateTime x) {
  const ClockTime t = DecodeTime(x);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
  return text;
}

Json Named(int index, const char* cp1252Name) {
  Json value;
  value["index"] = index;
  value["name"] = Cp1252ToUtf8(cp1252Name);
  return value;
}

int PrintDay(int state, DateTime date, ITimeZone& zone) {
  DaySelection selection;
  selection.date = date;
  selection.state = state;
  const Place place = StateCoordinates(state);
  selection.latitude = place.latitude;
  selection.longitude = place.longitude;
  selection.seasons = SeasonDatesOf(DecodeDate(date).year, zone);
  DayInfo info;
  Recalculate(info, selection);

  Json json;
  json["dayOfYear"] = info.dayOfYear;
  json["weekOfYear"] = info.weekOfYear;
  json["daysInMonth"] = info.daysInMonth;
  json["season"] = Named(info.season, kSeasonNames[static_cast<std::size_t>(info.season)]);
  json["zodiac"] = Named(info.zodiac, kZodiacNames[static_cast<std::size_t>(info.zodiac)]);
  json["holidayCode"] = info.holidayCode;
  json["holidayName"] = Cp1252ToUtf8(info.holidayName);
  json["moonRise"] = ClockText(info.moonRise);
  json["moonTransit"] = ClockText(info.moonTransit);
  json["moonSet"] = ClockText(info.moonSet);
  json["sunRise"] = ClockText(info.sunRise);
  json["sunTransit"] = ClockText(info.sunTransit);
  json["sunSet"] = ClockText(info.sunSet);
  json["moonDistanceKm"] = info.moonDistanceKm;
  json["sunDistanceKm"] = info.sunDistanceKm;
  json["moonPhase"] = Named(info.moonPhase, kMoonPhaseNames[static_cast<std::size_t>(info.moonPhase)]);
  const std::string text = json.dump(2) + "\n";
  std::fwrite(text.data(), 1, text.size(), stdout);
  return kOk;
}

int PrintYear(int state, int year, ITimeZone& zone) {
  const SeasonDates seasons = SeasonDatesOf(year, zone);
  const int first = DayNumber(year, 1, 1);
  const int last = DayNumber(year, 12, 31);
  for (int day = first; day <= last; ++day) {
    const int code = ClassifyDay(state, day, seasons);
    if (code == 0) continue;
    const CivilDate date = CivilFromDayNumber(day);
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%04d-%02d-%02d %d ", date.year, date.month, date.day, code);
    PrintUtf8(stdout, prefix + DayCodeName(code) + "\n");
  }
  return kOk;
}

}  // namespace

int CalendarCommand(const std::vector<std::string>& args) {
  std::optional<std::string> state, date, time, offset, year;
  for (std::size_t i = 0; i < args.size(); i += 2) {
    const std::string& option = args[i];
    std::optional<std::string>* slot = option == "--state"       ? &state
                                       : option == "--date"      ? &date
                                       : option == "--time"      ? &time
                                       : option == "--tz-offset" ? &offset
                                       : option == "--year"      ? &year
                                                                 : nullptr;
    if (!slot || *slot || i + 1 >= args.size()) return Usage();
    *slot = args[i + 1];
  }
  const bool dayForm = date && state && !year;
  const bool yearForm = year && !date && !time;
  if (!dayForm && !yearForm) return Usage();

  std::optional<int> stateValue = gsBayern;
  if (state && !(stateValue = ReadNumber(*state, 0, gsNone))) return WrongValue("--state", *state, "0 bis 16");
  std::optional<int> bias;
  if (offset && !(bias = ReadNumber(*offset, -1440, 1440)))
    return WrongValue("--tz-offset", *offset, "Minuten von -1440 bis 1440");
  GivenTimeZone zone(bias);

  try {
    if (yearForm) {
      const std::optional<int> yearValue = year->size() == 4 ? ReadNumber(*year, 1, 9999) : std::nullopt;
      if (!yearValue) return WrongValue("--year", *year, "JJJJ");
      return PrintYear(*stateValue, *yearValue, zone);
    }
    const auto day = ReadFields(*date, 4, '-');
    DateTime whole = 0.0;
    if (!day || !TryEncodeDate((*day)[0], (*day)[1], (*day)[2], whole))
      return WrongValue("--date", *date, "JJJJ-MM-TT");
    std::array<int, 3> clock = {12, 0, 0};
    if (time) {
      const auto given = ReadFields(*time, 2, ':');
      if (!given || (*given)[0] > 23 || (*given)[1] > 59 || (*given)[2] > 59)
        return WrongValue("--time", *time, "HH:MM:SS");
      clock = *given;
    }
    const double timeOfDay = (clock[0] * 3600 + clock[1] * 60 + clock[2]) / 86400.0;
    return PrintDay(*stateValue, whole + timeOfDay, zone);
  } catch (const FenuError& e) {
    PrintUtf8(stderr, std::string(e.what()) + "\n");
    return kInputError;
  }
}

}  // namespace fenu::cli
