#pragma once
// The computer's time zone as the calendar's season dates see it. Win32:
// platform/win32/TimeZone_win.h (GetTimeZoneInformation); tests: platform/fake/FakeTimeZone.h (a
// fixed offset); portable tools: SystemTimeZone below.
namespace fenu {

class ITimeZone {
 public:
  virtual ~ITimeZone() = default;
  // The offset in force now, in minutes, as UTC minus local time (-60 for central European
  // winter time, -120 in summer); 0 when the system knows no time zone.
  virtual int CurrentBiasMinutes() = 0;
};

// The offset by the standard library's clock and time zone, for the portable tools.
class SystemTimeZone : public ITimeZone {
 public:
  int CurrentBiasMinutes() override;
};

}  // namespace fenu
