#include "platform/Waiting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

// A clock that moves only when someone waits; every pause and probe call is a line of the log.
struct ScriptedHost : IWaitHost {
  std::uint32_t now;
  Lines& log;
  ScriptedHost(Lines& sharedLog, std::uint32_t start = 0) : now(start), log(sharedLog) {}
  std::uint32_t Now() override { return now; }
  void Pause(std::uint32_t ms) override {
    log.push_back("Pause " + std::to_string(ms));
    now += ms;
  }
};

// A window that takes the activation after a number of its round trips, and whose round trips
// cost a given time (or are never answered).
struct ScriptedWindow : IActivationProbe {
  ScriptedHost& host;
  int activatedAfterTrips;  // -1: never
  std::uint32_t tripMs = 0;
  bool answers = true;
  int trips = 0;
  ScriptedWindow(ScriptedHost& h, int after) : host(h), activatedAfterTrips(after) {}
  bool Activated() override { return activatedAfterTrips >= 0 && trips >= activatedAfterTrips; }
  bool RoundTrip(std::uint32_t ms) override {
    host.log.push_back("RoundTrip " + std::to_string(ms));
    if (!answers || tripMs > ms) {  // the answer does not come in time
      host.now += ms;
      return false;
    }
    host.now += tripMs;
    ++trips;
    return true;
  }
};

TEST(WaitFor, ChecksUntilMetAndGivesUpAtTheBoundAfterALastCheck) {
  Lines log;
  ScriptedHost host(log, 0xFFFFFFF0u);  // the clock wraps during the wait
  int checks = 0;
  EXPECT_EQ(WaitFor([&] { return ++checks == 1; }, 500, 5, host), WaitEnd::Met);
  EXPECT_EQ(log, Lines{});  // met at once: no pause at all

  checks = 0;
  EXPECT_EQ(WaitFor([&] { return ++checks == 3; }, 500, 5, host), WaitEnd::Met);
  EXPECT_EQ(log, (Lines{"Pause 5", "Pause 5"}));

  // Never met: the pauses add up to the bound exactly, the last one cut short.
  log.clear();
  checks = 0;
  const std::uint32_t start = host.now;
  EXPECT_EQ(WaitFor([&] { return ++checks, false; }, 12, 5, host), WaitEnd::TimedOut);
  EXPECT_EQ(log, (Lines{"Pause 5", "Pause 5", "Pause 2"}));
  EXPECT_EQ(host.now - start, 12u);
  EXPECT_EQ(checks, 4);  // the condition is asked once more when the bound is reached
}

TEST(AwaitActivation, GoesOnAsSoonAsTheWindowHasTheActivationAndAnsweredOnceMore) {
  struct Case {
    int activatedAfterTrips;
    Lines story;
  };
  const Case cases[] = {
      // Already active: one round trip for what came with the activation, no pause.
      {0, {"RoundTrip 1000"}},
      // The activation arrives with the window's first pass through its queue.
      {1, {"RoundTrip 1000", "RoundTrip 1000"}},
      // It takes a few passes: the own thread pauses briefly in between.
      {3, {"RoundTrip 1000", "Pause 1", "RoundTrip 999", "Pause 1", "RoundTrip 998", "RoundTrip 998"}},
  };
  for (const Case& c : cases) {
    Lines log;
    ScriptedHost host(log);
    ScriptedWindow window(host, c.activatedAfterTrips);
    EXPECT_EQ(AwaitActivation(window, host), WaitEnd::Met) << c.activatedAfterTrips;
    EXPECT_EQ(log, c.story) << c.activatedAfterTrips;
  }
}

TEST(AwaitActivation, IsBoundedForAWindowThatNeverTakesItOrNeverAnswers) {
  // Answers at once but never becomes active: checks and pauses until the bound, then gives up.
  Lines log;
  ScriptedHost host(log);
  ScriptedWindow idle(host, -1);
  EXPECT_EQ(AwaitActivation(idle, host, 50), WaitEnd::TimedOut);
  EXPECT_EQ(host.now, 50u);
  EXPECT_EQ(idle.trips, 50);

  // A hung window: its round trip takes the whole bound, and nothing follows it.
  log.clear();
  host.now = 0;
  ScriptedWindow hung(host, -1);
  hung.answers = false;
  EXPECT_EQ(AwaitActivation(hung, host), WaitEnd::TimedOut);
  EXPECT_EQ(log, Lines{"RoundTrip 1000"});
  EXPECT_EQ(host.now, kActivationBoundMs);

  // Active, but it hangs on the round trip after: bounded as well.
  log.clear();
  host.now = 0;
  ScriptedWindow active(host, 0);
  active.answers = false;
  EXPECT_EQ(AwaitActivation(active, host), WaitEnd::TimedOut);
  EXPECT_EQ(log, Lines{"RoundTrip 1000"});

  // Round trips that take their time count against the bound too.
  log.clear();
  host.now = 0;
  ScriptedWindow slow(host, -1);
  slow.tripMs = 400;
  EXPECT_EQ(AwaitActivation(slow, host), WaitEnd::TimedOut);
  EXPECT_EQ(log, (Lines{"RoundTrip 1000", "Pause 1", "RoundTrip 599", "Pause 1", "RoundTrip 198"}));
  EXPECT_EQ(host.now, kActivationBoundMs);
}

}  // namespace
}  // namespace fenu
