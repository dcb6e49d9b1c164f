#include "ui/win32/Dpi_win.h"

#include <cwchar>

namespace fenu::ui {
namespace {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int OverrideDpi() {
  wchar_t value[16] = {};
  const DWORD length = GetEnvironmentVariableW(L"FENU_DPI", value, 16);
  if (length == 0 || length >= 16) return 0;
  wchar_t* end = nullptr;
  const long dpi = std::wcstol(value, &end, 10);
  return end && *end == L'\0' && dpi >= 72 && dpi <= 480 ? static_cast<int>(dpi) : 0;
}

}  // namespace

int SystemDpi() {
  static const int dpi = ScreenDpi();
  return dpi;
}

int WindowDpi() {
  static const int dpi = [] {
    const int requested = OverrideDpi();
    return requested > 0 ? requested : SystemDpi();
  }();
  return dpi;
}

int FromSystemDpi(int pixels) { return MulDiv(pixels, WindowDpi(), SystemDpi()); }

int SmallIconSize() { return FromSystemDpi(GetSystemMetrics(SM_CXSMICON)); }

}  // namespace fenu::ui
