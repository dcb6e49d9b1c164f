#pragma once
// Waiting for another program on what can be seen of it, never for a fixed time: each wait
// checks a condition, lets the own thread breathe in between, and gives up after a bound so that
// a program that never answers costs no more than that. Win32 hosts and probes in
// platform/win32/Waiting_win.h; tests script them.
#include <cstdint>
#include <functional>

namespace fenu {

// The clock and the pause between two checks.
class IWaitHost {
 public:
  virtual ~IWaitHost() = default;
  // Milliseconds of a clock that only runs forward (it may wrap).
  virtual std::uint32_t Now() = 0;
  // Waits until something arrives for the own thread or at most ms milliseconds have passed,
  // and handles what may be handled meanwhile.
  virtual void Pause(std::uint32_t ms) = 0;
};

// How a wait ended.
enum class WaitEnd { Met, TimedOut };

// Checks met, pausing for at most pauseMs between checks, until it holds or boundMs have passed
// since the call; the condition is checked once more when the bound is reached.
WaitEnd WaitFor(const std::function<bool()>& met, std::uint32_t boundMs, std::uint32_t pauseMs, IWaitHost& host);

// What can be seen of another program's window that is being brought to the front.
class IActivationProbe {
 public:
  virtual ~IActivationProbe() = default;
  // Whether the window's thread has taken the activation: the window is its active window and
  // the captured control (when there is one) has its keyboard focus.
  virtual bool Activated() = 0;
  // A message sent to the window and answered by its thread, waiting at most ms: the thread has
  // handled what was queued for it before. False when it did not answer in that time.
  virtual bool RoundTrip(std::uint32_t ms) = 0;
};

// The bound of an activation wait: a window that never takes the activation gets the keys after
// this long all the same, as before the wait.
inline constexpr std::uint32_t kActivationBoundMs = 1000;

// Waits until a window that has just been made the foreground window is ready for keys: its
// thread has taken the activation, and then answered one round trip, so that it has also
// handled what came with the activation. Between checks the window's thread gets a round trip
// (which lets it work through its queue) and the own thread a short pause. At most boundMs.
WaitEnd AwaitActivation(IActivationProbe& probe, IWaitHost& host, std::uint32_t boundMs = kActivationBoundMs);

}  // namespace fenu
