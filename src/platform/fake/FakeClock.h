#pragma once
// A clock that stands still at a moment the test chooses, on a German system.
#include "platform/Clock.h"

namespace fenu {

class FakeClock : public IClock, public ILocale {
 public:
  FakeClock();
  explicit FakeClock(const LocalTime& moment);

  // What Now() returns; Wednesday, 9 December 2026, 14:05:33 unless a test sets another.
  LocalTime now;
  // What Names() returns: the German names unless a test sets others.
  LocaleNames names;
  // How often Now() was asked.
  int nowCalls = 0;

  LocalTime Now() override;
  LocaleNames Names() override;
};

}  // namespace fenu
