#include "platform/win32/Win32Services_win.h"

#include "platform/win32/Waiting_win.h"

namespace fenu::win32 {

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
  if (now) AwaitActivation(window, control);
  return now;
}

}  // namespace fenu::win32
