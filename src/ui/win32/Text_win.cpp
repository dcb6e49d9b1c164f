#include "ui/win32/Text_win.h"

#include "core/Cp1252.h"

namespace fenu::ui {

std::wstring ToWide(std::string_view cp1252) {
  const std::u16string wide = Cp1252ToUtf16(cp1252);
  return std::wstring(wide.begin(), wide.end());
}

std::string FromWide(std::wstring_view wide) {
  return Utf16ToCp1252(std::u16string(wide.begin(), wide.end()));
}

std::string GetText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return FromWide(text);
}

void SetText(HWND window, std::string_view cp1252) { SetWindowTextW(window, ToWide(cp1252).c_str()); }

void UpdateText(HWND window, std::string_view cp1252) {
  if (GetText(window) != cp1252) SetText(window, cp1252);
}

}  // namespace fenu::ui
