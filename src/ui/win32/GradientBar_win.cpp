#include "ui/win32/GradientBar_win.h"

#include <string>

#include "ui/win32/GdiObject_win.h"
#include "ui/win32/WindowClass_win.h"

namespace fenu::ui {
namespace {

constexpr COLORREF kLeft = RGB(0x10, 0x3C, 0x8C);
constexpr COLORREF kRight = RGB(0x8C, 0xB4, 0xE6);

void Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT rect;
  GetClientRect(hwnd, &rect);
  TRIVERTEX vertices[2] = {
      {rect.left, rect.top, static_cast<COLOR16>(GetRValue(kLeft) << 8), static_cast<COLOR16>(GetGValue(kLeft) << 8),
       static_cast<COLOR16>(GetBValue(kLeft) << 8), 0},
      {rect.right, rect.bottom, static_cast<COLOR16>(GetRValue(kRight) << 8),
       static_cast<COLOR16>(GetGValue(kRight) << 8), static_cast<COLOR16>(GetBValue(kRight) << 8), 0}};
  GRADIENT_RECT gradient{0, 1};
  GradientFill(dc, vertices, 2, &gradient, 1, GRADIENT_FILL_RECT_H);

  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  {
    const Selection selectFont(dc, reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    RECT textRect = rect;
    textRect.left += 8;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK GradientBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_SETFONT:
      SetWindowLongPtrW(hwnd, 0, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrW(hwnd, 0);
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return result;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_COMMAND:
      // A label on the strip that reacts to clicks reports to the window the strip belongs to.
      return SendMessageW(GetParent(hwnd), msg, wParam, lParam);
    case WM_CTLCOLORSTATIC: {
      // Labels on the strip (a right-aligned second heading) draw white on the gradient.
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(255, 255, 255));
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

void RegisterGradientBarClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = GradientBarProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kGradientBarClass;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.cbWndExtra = sizeof(LONG_PTR);
  RegisterWindowClass(wc);
  registered = true;
}

}  // namespace fenu::ui
