#pragma once
// A FontSpec (the font of a FontString) as the system's LOGFONTW and COLORREF, and back.
#include <windows.h>

#include "model/FontString.h"
#include "ui/win32/GdiObject_win.h"

namespace fenu::ui {

// The colour to draw with: a system colour's current value, clNone as the window text colour,
// any other value as its red, green and blue bytes.
COLORREF ToColorRef(FontColor color);

// The font at dpi dots per inch (point sizes become pixel heights).
LOGFONTW ToLogFont(const FontSpec& font, int dpi);
// A font as the system describes it, with the colour kept beside it.
FontSpec FromLogFont(const LOGFONTW& font, FontColor color, int dpi);

// Like ToLogFont, created; empty when that fails.
Font CreateFontOf(const FontSpec& font, int dpi);

}  // namespace fenu::ui
