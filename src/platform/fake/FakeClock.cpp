#include "platform/fake/FakeClock.h"

namespace fenu {

FakeClock::FakeClock() : FakeClock(LocalTime{2026, 12, 9, 14, 5, 33, 0}) {}

FakeClock::FakeClock(const LocalTime& moment) : now(moment), names(GermanLocaleNames()) {}

LocalTime FakeClock::Now() {
  ++nowCalls;
  return now;
}

LocaleNames FakeClock::Names() { return names; }

}  // namespace fenu
