#pragma once
// The Win32 side of platform/Waiting.h: the pauses of a delivery and of the clipboard, and what
// can be seen of another program's window coming to the front.
#include <windows.h>

#include "platform/Waiting.h"

namespace fenu::win32 {

// The pause while a delivery waits for another program. The own windows take their
// deactivation and whatever else the system sends or posts; hotkeys, keyboard and mouse input
// wait in the queue, so that nothing starts another window in the middle of a delivery.
class DeliveryWaitHost : public IWaitHost {
 public:
  std::uint32_t Now() override { return GetTickCount(); }
  void Pause(std::uint32_t ms) override;
};

// The pause while another program holds the clipboard. Only messages sent to the own thread are
// handled: the holder may be waiting for one of them (WM_DESTROYCLIPBOARD to the program that
// put the last content there, a rendering request), and would keep the clipboard open until it
// is answered.
class ClipboardWaitHost : public IWaitHost {
 public:
  std::uint32_t Now() override { return GetTickCount(); }
  void Pause(std::uint32_t ms) override;
};

// A top-level window of another thread and the control in it that is to get the keys.
class Win32ActivationProbe : public IActivationProbe {
 public:
  Win32ActivationProbe(HWND window, HWND control) : window_(window), control_(control) {}
  bool Activated() override;
  bool RoundTrip(std::uint32_t ms) override;

 private:
  HWND window_;
  HWND control_;
};

// Waits until window, just made the foreground window, has taken the activation and given the
// keyboard focus to control (a control of window, or null), bounded. Nothing to wait for when
// window belongs to the own thread.
void AwaitActivation(HWND window, HWND control);

}  // namespace fenu::win32
