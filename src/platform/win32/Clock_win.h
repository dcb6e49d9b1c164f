#pragma once
// The local clock and the user's locale names from Windows.
#include <windows.h>

#include "platform/Clock.h"

namespace fenu::win32 {

class Win32Clock : public IClock, public ILocale {
 public:
  // GetLocalTime.
  LocalTime Now() override;
  // GetLocaleInfoW of LOCALE_USER_DEFAULT, read afresh on every call so that a change of the
  // user's locale is seen at the next expansion; an item Windows does not give keeps its German
  // value.
  LocaleNames Names() override;
};

}  // namespace fenu::win32
