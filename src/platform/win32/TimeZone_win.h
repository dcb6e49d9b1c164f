#pragma once
// The computer's time zone from Windows.
#include <windows.h>

#include "platform/TimeZone.h"

namespace fenu::win32 {

class Win32TimeZone : public ITimeZone {
 public:
  // GetTimeZoneInformation, asked afresh on every call: the bias plus the standard bias or the
  // daylight bias, whichever Windows reports in force; the bias alone when it reports neither.
  int CurrentBiasMinutes() override;
};

}  // namespace fenu::win32
