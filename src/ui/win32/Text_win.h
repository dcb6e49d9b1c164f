#pragma once
// The Win32 edge of the text model: cp1252 in the core, UTF-16 for the W functions.
#include <windows.h>

#include <string>
#include <string_view>

namespace fenu::ui {

std::wstring ToWide(std::string_view cp1252);
std::string FromWide(std::wstring_view wide);

std::string GetText(HWND window);
void SetText(HWND window, std::string_view cp1252);
// Sets the text only when it differs: an edit field keeps its caret and selection, and no change
// notification comes back.
void UpdateText(HWND window, std::string_view cp1252);

}  // namespace fenu::ui
