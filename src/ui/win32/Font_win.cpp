#include "ui/win32/Font_win.h"

#include <algorithm>
#include <cwchar>
#include <string>

#include "ui/win32/Text_win.h"

namespace fenu::ui {

COLORREF ToColorRef(FontColor color) {
  if (color == kClNone) return GetSysColor(COLOR_WINDOWTEXT);
  if (color & kSystemColorFlag) return GetSysColor(static_cast<int>(color & 0xFFu));
  return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

namespace {
int Dpi(int dpi) { return dpi > 0 ? dpi : 96; }
}  // namespace

LOGFONTW ToLogFont(const FontSpec& font, int dpi) {
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(font.size, Dpi(dpi), 72);
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.italic ? TRUE : FALSE;
  lf.lfUnderline = font.underline ? TRUE : FALSE;
  lf.lfStrikeOut = font.strikeOut ? TRUE : FALSE;
  lf.lfCharSet = static_cast<BYTE>(std::clamp(font.charset, 0, 255));
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = font.pitch == kPitchFixed      ? FIXED_PITCH
                        : font.pitch == kPitchVariable ? VARIABLE_PITCH
                                                       : DEFAULT_PITCH;
  const std::wstring name = ToWide(font.name);
  const std::size_t length = std::min<std::size_t>(name.size(), LF_FACESIZE - 1);
  std::wmemcpy(lf.lfFaceName, name.c_str(), length);
  lf.lfFaceName[length] = L'\0';
  return lf;
}

FontSpec FromLogFont(const LOGFONTW& lf, FontColor color, int dpi) {
  FontSpec font;
  font.name = FromWide(std::wstring_view(lf.lfFaceName, wcsnlen(lf.lfFaceName, LF_FACESIZE)));
  font.size = -MulDiv(lf.lfHeight, 72, Dpi(dpi));
  font.bold = lf.lfWeight >= FW_BOLD;
  font.italic = lf.lfItalic != 0;
  font.underline = lf.lfUnderline != 0;
  font.strikeOut = lf.lfStrikeOut != 0;
  const int pitch = lf.lfPitchAndFamily & 0x03;
  font.pitch = pitch == FIXED_PITCH ? kPitchFixed : pitch == VARIABLE_PITCH ? kPitchVariable : kPitchDefault;
  font.color = color;
  font.charset = lf.lfCharSet;
  return font;
}

Font CreateFontOf(const FontSpec& font, int dpi) {
  const LOGFONTW lf = ToLogFont(font, dpi);
  return Font(CreateFontIndirectW(&lf));
}

}  // namespace fenu::ui
