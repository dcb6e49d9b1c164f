#include "ui/win32/EditFont_win.h"

#include "model/FontString.h"
#include "ui/win32/Font_win.h"

namespace fenu::ui {

void EditFont::Init(HFONT base, const std::string& fontString, int dpi) {
  LOGFONTW font{};
  GetObjectW(base, sizeof font, &font);
  spec_ = FromLogFont(font, kClWindowText, dpi);
  if (!fontString.empty()) ApplyFontString(fontString, spec_);
}

void EditFont::Apply(HWND edit, int dpi) {
  Font font = CreateFontOf(spec_, dpi);
  if (!font) return;
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
  handle_ = std::move(font);
}

bool EditFont::OnCtlColorEdit(HWND edit, WPARAM dc, LPARAM control, LRESULT& result) const {
  if (reinterpret_cast<HWND>(control) != edit) return false;
  SetTextColor(reinterpret_cast<HDC>(dc), ToColorRef(spec_.color));
  SetBkColor(reinterpret_cast<HDC>(dc), GetSysColor(COLOR_WINDOW));
  result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  return true;
}

}  // namespace fenu::ui
