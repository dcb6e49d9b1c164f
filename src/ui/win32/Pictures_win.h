#pragma once
// Pictures drawn in code rather than stored as bitmaps.
#include <windows.h>
#include <commctrl.h>

#include "ui/win32/GdiObject_win.h"

namespace fenu::ui {

// The notification area as the user sees it: a strip of the taskbar with the program's symbol
// beside the clock, pointed at by an arrow.
void DrawTraySketch(HDC dc, const RECT& area);

// The images of a building-block tree, by index: 0 base entry, 1 block, 2 block selected,
// 3 folder, 4 folder selected, 5 the way up.
ImageList CreateTreeImages(int size);

// The product picture of the about window: building blocks flowing into a document, with the
// program's symbol above them.
void DrawProductPicture(HDC dc, const RECT& area);

}  // namespace fenu::ui
