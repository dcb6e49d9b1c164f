#pragma once
// The dots per inch that windows are laid out and their fonts made for. A window is laid out for
// the DPI of the screen it opens on (where the system can tell; the system's DPI otherwise) and
// again for another one when it is moved there (WM_DPICHANGED, see Form). The environment
// variable FENU_DPI (72 to 480) sets the DPI that windows open with, so that the end-to-end tests
// run them at 144 DPI on a 96-DPI display; the caption and the menu bar then stay the system's.
#include <windows.h>

namespace fenu::ui {

// A form answers this message with the DPI it is laid out for now.
inline constexpr UINT kDpiMessage = WM_APP + 0x3F01;

// The DPI for a window that is being created: FENU_DPI when set, else that of the screen the
// window is on (the primary screen's for no window).
int InitialDpi(HWND window);
// The DPI of the form that a window (the form or one of its controls) belongs to; for any other
// window, InitialDpi.
int DpiOf(HWND window);
// What the system's own metrics and fonts are made for.
int SystemDpi();
// A size in the system's metrics (a font height, a small icon, a check box) at dpi.
int FromSystemDpi(int pixels, int dpi);
// The side of a small icon at dpi.
int SmallIconSize(int dpi);

}  // namespace fenu::ui
