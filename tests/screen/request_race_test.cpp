// A stop or a pause requested by another thread while the program thread runs its statement
// check is never lost: after each race the check either took the request or left event_flag
// set, so the next statement's frame runs the check again.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>

#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace {

// Enough races that a store-load reordering in the check shows in every run on an x86-64
// machine (with the lead steered, hundreds of races or more lose the request) while the test
// stays near a second.
constexpr std::uint32_t kRaces = 300'000;

struct RaceCase {
  std::string name;
  std::function<void(screen::ScreenRuntime&)> request;
  // Still pending when the check did not take it.
  std::function<bool(const screen::SharedWords&)> still_requested;
};
void PrintTo(const RaceCase& race, std::ostream* out) { *out << race.name; }

// Busy-waits a few cycles a turn: sets which of the two threads gets there first.
volatile std::uint32_t spin_sink = 0;
void spin(std::uint32_t turns) {
  for (std::uint32_t i = 0; i < turns; ++i) spin_sink = i;
}

// Waits for the other thread's word: spins a while (the two threads race on two processors),
// then yields (so that on a busy or single processor the other thread gets to run).
void wait_for(const std::atomic<std::uint32_t>& word, std::uint32_t value) {
  for (std::uint32_t turn = 0; word.load(std::memory_order_acquire) != value; ++turn) {
    if (turn >= 1000) std::this_thread::yield();
  }
}

// Far more than the turns a request takes to reach the other processor.
constexpr std::uint32_t kLongestLead = 4096;

class RequestRace : public testing::TestWithParam<RaceCase> {};

TEST_P(RequestRace, TheStatementCheckTakesTheRequestOrLeavesItSignalled) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  screen::SharedWords& words = rt.words;
  bool taken = false;
  // A paused check sleeps: that is the pause taken; the next key resumes the run.
  platform.on_sleep = [&](std::int32_t, screen::Wait why) {
    if (why != screen::Wait::statement_check) return;
    taken = true;
    words.suspend_flag.store(0);
  };

  std::atomic<std::uint32_t> round{0};
  std::atomic<std::uint32_t> requested{0};
  std::thread requester([&] {
    for (std::uint32_t i = 1; i <= kRaces; ++i) {
      wait_for(round, i);
      GetParam().request(rt);
      requested.store(i, std::memory_order_release);
    }
  });

  // The check's lead over the request, in spin turns, is steered so that the request lands
  // where the check reads the flags: later after a race it took, earlier after one it missed.
  std::uint32_t lead = 0;
  std::uint32_t lost = 0;
  std::uint32_t first_lost = 0;
  for (std::uint32_t i = 1; i <= kRaces; ++i) {
    words.stop_flag.store(0);
    words.suspend_flag.store(0);
    words.event_flag.store(1);
    taken = false;
    round.store(i, std::memory_order_release);
    spin(lead + i % 8);
    try {
      rt.statement_check(0);
    } catch (const screen::ProgramStopped&) {
      taken = true;
    }
    wait_for(requested, i);
    const bool signalled = words.event_flag.load() != 0 && GetParam().still_requested(words);
    if (!taken && !signalled && lost++ == 0) first_lost = i;
    if (taken) {
      if (lead > 0) --lead;
    } else if (lead < kLongestLead) {
      ++lead;
    }
  }
  requester.join();
  EXPECT_EQ(lost, 0U) << "of " << kRaces << " races, " << lost << " lost the " << GetParam().name
                      << " (first in race " << first_lost << "): the check read the flags before its clear"
                      << " of event_flag took effect";
}

INSTANTIATE_TEST_SUITE_P(
    Requests, RequestRace,
    testing::Values(RaceCase{"stop", [](screen::ScreenRuntime& rt) { rt.request_stop(); },
                             [](const screen::SharedWords& w) { return w.stop_flag.load() != 0; }},
                    RaceCase{"pause", [](screen::ScreenRuntime& rt) { rt.request_pause(); },
                             [](const screen::SharedWords& w) { return w.suspend_flag.load() != 0; }}),
    [](const testing::TestParamInfo<RaceCase>& info) { return info.param.name; });

}  // namespace
