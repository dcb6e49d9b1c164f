#include "platform/win32/Win32Services_win.h"

#include <utility>

#include "ui/win32/MessageLoop_win.h"

namespace fenu::win32 {

// A window of another program that has just come to the front gets the keyboard a moment
// later: its thread has to take the activation, and under X the window system syncs the keyboard
// state on the focus change, which would drop a modifier pressed in between. Meanwhile the own
// windows take their deactivation; hotkeys, tray clicks and user input wait in the queue, so that
// nothing starts another window in the middle of a delivery.
void LetActivationSettle(HWND window) {
  if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return;
  const std::pair<UINT, UINT> allowed[] = {
      {0, WM_KEYFIRST - 1}, {WM_KEYLAST + 1, WM_MOUSEFIRST - 1}, {WM_MOUSELAST + 1, WM_HOTKEY - 1},
      {WM_HOTKEY + 1, WM_APP - 1}, {0xC000, 0xFFFF}};
  const DWORD until = GetTickCount() + 150;
  MSG msg;
  while (static_cast<LONG>(until - GetTickCount()) > 0) {
    for (const auto& [first, last] : allowed) {
      while (PeekMessageW(&msg, nullptr, first, last, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
          PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that owns it
          return;
        }
        ui::DispatchLoopMessage(msg);
      }
    }
    Sleep(10);
  }
}

WindowHandle Win32Focus::CaptureTarget() {
  HWND foreground = GetForegroundWindow();
  const DWORD foregroundThread = GetWindowThreadProcessId(foreground, nullptr);
  const DWORD ownThread = GetCurrentThreadId();
  if (foregroundThread == ownThread) return reinterpret_cast<WindowHandle>(GetFocus());
  if (!AttachThreadInput(ownThread, foregroundThread, TRUE)) return 0;
  HWND focus = GetFocus();
  AttachThreadInput(ownThread, foregroundThread, FALSE);
  return reinterpret_cast<WindowHandle>(focus);
}

bool Win32Focus::ForceForeground(WindowHandle handle) {
  // A captured control is a child window: the foreground goes to its top-level window, which
  // gives the keyboard focus back to the control when it is activated.
  HWND control = reinterpret_cast<HWND>(handle);
  HWND root = control ? GetAncestor(control, GA_ROOT) : nullptr;
  HWND window = root ? root : control;
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  if (GetForegroundWindow() == window) return true;

  const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  const DWORD windowThread = GetWindowThreadProcessId(window, nullptr);
  bool done = false;
  if (AttachThreadInput(windowThread, foregroundThread, TRUE)) {
    BringWindowToTop(window);
    SetForegroundWindow(window);
    AttachThreadInput(windowThread, foregroundThread, FALSE);
    done = GetForegroundWindow() == window;
  }
  if (!done) {
    // The foreground lock refused us: lift it for one call and put it back at once.
    DWORD timeout = 0;
    SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);
    BringWindowToTop(window);
    SetForegroundWindow(window);
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(timeout)),
                          SPIF_SENDCHANGE);
  }
  const bool now = GetForegroundWindow() == window;
  if (now) LetActivationSettle(window);
  return now;
}

}  // namespace fenu::win32
