#pragma once
// The dots per inch that the windows are laid out and their fonts made for: the screen's, or the
// value of the environment variable FENU_DPI (72 to 480), with which the end-to-end tests run the
// windows at 144 DPI on a 96-DPI display. The caption and the menu bar stay the system's.
#include <windows.h>

namespace fenu::ui {

int WindowDpi();
// What the system's own metrics and fonts are made for.
int SystemDpi();
// A size in the system's metrics (a font height, a small icon, a check box) at WindowDpi().
int FromSystemDpi(int pixels);
// The side of a small icon at WindowDpi().
int SmallIconSize();

}  // namespace fenu::ui
