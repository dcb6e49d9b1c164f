#pragma once
// Pictures drawn in code rather than stored as bitmaps.
#include <windows.h>

namespace fenu::ui {

// The notification area as the user sees it: a strip of the taskbar with the program's symbol
// beside the clock, pointed at by an arrow.
void DrawTraySketch(HDC dc, const RECT& area);

}  // namespace fenu::ui
