#include "platform/win32/Win32Services_win.h"

#include "ui/win32/Dpi_win.h"
#include "ui/win32/Font_win.h"

namespace fenu::win32 {

bool Win32FontDialog::Choose(FontSpec& font) {
  // The dialog turns heights into points with the screen's dots per inch, so the font goes in
  // and comes back at that resolution, whatever the windows are laid out for.
  const int dpi = ui::SystemDpi();
  LOGFONTW logFont = ui::ToLogFont(font, dpi);
  CHOOSEFONTW choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = GetActiveWindow();
  choose.lpLogFont = &logFont;
  choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
  const COLORREF before = ui::ToColorRef(font.color);
  choose.rgbColors = before;
  if (!ChooseFontW(&choose)) return false;
  const FontColor color = choose.rgbColors == before ? font.color : static_cast<FontColor>(choose.rgbColors);
  font = ui::FromLogFont(logFont, color, dpi);
  return true;
}

}  // namespace fenu::win32
