#include "platform/win32/TimeZone_win.h"

namespace fenu::win32 {

int Win32TimeZone::CurrentBiasMinutes() {
  TIME_ZONE_INFORMATION zone{};
  switch (GetTimeZoneInformation(&zone)) {
    case TIME_ZONE_ID_STANDARD: return static_cast<int>(zone.Bias + zone.StandardBias);
    case TIME_ZONE_ID_DAYLIGHT: return static_cast<int>(zone.Bias + zone.DaylightBias);
    case TIME_ZONE_ID_UNKNOWN: return static_cast<int>(zone.Bias);
    default: return 0;
  }
}

}  // namespace fenu::win32
