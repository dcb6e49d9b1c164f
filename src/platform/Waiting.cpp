#include "platform/Waiting.h"

#include <algorithm>

namespace fenu {
namespace {

// The time left of a bound that started at start; 0 once it has passed.
std::uint32_t Remaining(IWaitHost& host, std::uint32_t start, std::uint32_t boundMs) {
  const std::uint32_t elapsed = host.Now() - start;  // unsigned: right across a wrap of the clock
  return elapsed >= boundMs ? 0 : boundMs - elapsed;
}

// Pause between two checks of an activation: short, since the window usually needs no more
// than a round trip or two.
constexpr std::uint32_t kActivationPauseMs = 1;

}  // namespace

WaitEnd WaitFor(const std::function<bool()>& met, std::uint32_t boundMs, std::uint32_t pauseMs, IWaitHost& host) {
  const std::uint32_t start = host.Now();
  for (;;) {
    if (met()) return WaitEnd::Met;
    const std::uint32_t left = Remaining(host, start, boundMs);
    if (left == 0) return WaitEnd::TimedOut;
    host.Pause(std::min(std::max<std::uint32_t>(pauseMs, 1), left));
  }
}

WaitEnd AwaitActivation(IActivationProbe& probe, IWaitHost& host, std::uint32_t boundMs) {
  const std::uint32_t start = host.Now();
  const auto taken = [&] {
    if (probe.Activated()) return true;
    // The activation reaches the window's thread through its queue: let it work through it.
    const std::uint32_t left = Remaining(host, start, boundMs);
    return left > 0 && probe.RoundTrip(left) && probe.Activated();
  };
  if (WaitFor(taken, boundMs, kActivationPauseMs, host) == WaitEnd::TimedOut) return WaitEnd::TimedOut;
  // Taken, but what the activation brings along (under X: the window system's focus change,
  // which resets the modifier keys to the state of the physical keyboard) is handled on the
  // thread's next pass through its queue. A modifier pressed before that pass would be lost.
  const std::uint32_t left = Remaining(host, start, boundMs);
  if (left == 0 || !probe.RoundTrip(left)) return WaitEnd::TimedOut;
  return WaitEnd::Met;
}

}  // namespace fenu
