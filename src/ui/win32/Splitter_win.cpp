#include "ui/win32/Splitter_win.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/win32/WindowClass_win.h"

namespace fenu::ui {
namespace {

LRESULT CALLBACK SplitterProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      SetCapture(hwnd);
      return 0;
    case WM_MOUSEMOVE:
      if (GetCapture() == hwnd) {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        MapWindowPoints(hwnd, GetParent(hwnd), &at, 1);
        SendMessageW(GetParent(hwnd), kSplitterMoved, static_cast<WPARAM>(std::max(0L, at.x)), 0);
      }
      return 0;
    case WM_LBUTTONUP:
      ReleaseCapture();
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

void RegisterSplitterClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = SplitterProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kSplitterClass;
  wc.hCursor = LoadCursorW(nullptr, IDC_SIZEWE);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterWindowClass(wc);
  registered = true;
}

}  // namespace fenu::ui
