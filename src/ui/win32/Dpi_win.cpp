#include "ui/win32/Dpi_win.h"

#include "model/DpiScale.h"
#include "ui/win32/GdiObject_win.h"
#include "ui/win32/Text_win.h"

namespace fenu::ui {
namespace {

int ScreenDpi() {
  const WindowDc screen(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : kLayoutDpi;
}

int OverrideDpi() {
  static const int dpi = [] {
    wchar_t value[16] = {};
    const DWORD length = GetEnvironmentVariableW(L"FENU_DPI", value, 16);
    return length == 0 || length >= 16 ? 0 : ParseDpi(FromWide(value));
  }();
  return dpi;
}

// GetDpiForWindow came with Windows 10 1607; before, every window has the system's DPI.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

GetDpiForWindowFunction DpiForWindow() {
  static const auto function = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return function;
}

}  // namespace

int SystemDpi() {
  static const int dpi = ScreenDpi();
  return dpi;
}

int InitialDpi(HWND window) {
  if (const int requested = OverrideDpi()) return requested;
  if (window && DpiForWindow()) {
    const auto dpi = static_cast<int>(DpiForWindow()(window));
    if (dpi > 0) return dpi;
  }
  return SystemDpi();
}

int DpiOf(HWND window) {
  HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
  if (root) {
    const auto dpi = static_cast<int>(SendMessageW(root, kDpiMessage, 0, 0));
    if (dpi > 0) return dpi;
  }
  return InitialDpi(root);
}

int FromSystemDpi(int pixels, int dpi) { return MulDiv(pixels, dpi, SystemDpi()); }

int SmallIconSize(int dpi) { return FromSystemDpi(GetSystemMetrics(SM_CXSMICON), dpi); }

}  // namespace fenu::ui
