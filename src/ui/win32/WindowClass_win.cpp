#include "ui/win32/WindowClass_win.h"

#include <stdexcept>
#include <string>

#include "ui/win32/Text_win.h"

namespace fenu::ui {

void RegisterWindowClass(const WNDCLASSEXW& windowClass) {
  if (RegisterClassExW(&windowClass)) return;
  const DWORD error = GetLastError();
  if (error == ERROR_CLASS_ALREADY_EXISTS) return;
  const std::wstring name = IS_INTRESOURCE(windowClass.lpszClassName) ? L"#" : windowClass.lpszClassName;
  throw std::runtime_error("RegisterClassExW " + FromWide(name) + ": Fehler " + std::to_string(error));
}

}  // namespace fenu::ui
