#pragma once
// The window a dialog of this thread is modal to: the active window while it shows, otherwise
// none (the dialog then stands on its own, with a taskbar button).
#include <windows.h>

namespace fenu::ui {

inline HWND ActiveOwner() {
  HWND owner = GetActiveWindow();
  return owner && IsWindowVisible(owner) ? owner : nullptr;
}

}  // namespace fenu::ui
