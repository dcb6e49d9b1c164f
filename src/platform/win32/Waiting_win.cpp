#include "platform/win32/Waiting_win.h"

#include <utility>

#include "ui/win32/MessageLoop_win.h"

namespace fenu::win32 {

void DeliveryWaitHost::Pause(std::uint32_t ms) {
  const std::pair<UINT, UINT> allowed[] = {
      {0, WM_KEYFIRST - 1}, {WM_KEYLAST + 1, WM_MOUSEFIRST - 1}, {WM_MOUSELAST + 1, WM_HOTKEY - 1},
      {WM_HOTKEY + 1, WM_APP - 1}, {0xC000, 0xFFFF}};
  // Input is left queued, so it must not end the pause either.
  MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_SENDMESSAGE | QS_POSTMESSAGE | QS_TIMER | QS_PAINT, 0);
  MSG msg;
  for (const auto& [first, last] : allowed) {
    while (PeekMessageW(&msg, nullptr, first, last, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that owns it
        return;
      }
      ui::DispatchLoopMessage(msg);
    }
  }
}

void ClipboardWaitHost::Pause(std::uint32_t ms) {
  MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_SENDMESSAGE, 0);
  MSG msg;
  // Peeking handles the sent messages; nothing posted is taken from the queue.
  PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

bool Win32ActivationProbe::Activated() {
  const DWORD thread = GetWindowThreadProcessId(window_, nullptr);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!thread || !GetGUIThreadInfo(thread, &info)) return false;
  if (info.hwndActive != window_) return false;
  // A control that has gone, or lies outside the window, can no longer get the focus: then the
  // activation is all there is to wait for.
  const bool ownControl = control_ && control_ != window_ && IsWindow(control_) && IsChild(window_, control_);
  return !ownControl || info.hwndFocus == control_;
}

bool Win32ActivationProbe::RoundTrip(std::uint32_t ms) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, ms, &ignored) != 0;
}

void AwaitActivation(HWND window, HWND control) {
  if (!window || GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return;
  Win32ActivationProbe probe(window, control);
  DeliveryWaitHost host;
  fenu::AwaitActivation(probe, host);
}

}  // namespace fenu::win32
