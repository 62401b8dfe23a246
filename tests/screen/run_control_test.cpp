// The error latch, the statement check and the end of the run.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "screen/cell_reading.h"
#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace {

using cell_reading::row_text;

class RunControlTest : public testing::Test {
 protected:
  RunControlTest() {
    platform.on_sleep = [this](std::int32_t duration_ms, screen::Wait) {
      sleeps.push_back(duration_ms);
      if (during_sleep) during_sleep(duration_ms);
    };
  }

  bool program_thread_parked() const {
    return (rt.words.exit_ok.load() & screen::kExitOkProgramThread) == screen::kExitOkProgramThread;
  }

  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt{platform};
  std::vector<std::int32_t> sleeps;
  std::function<void(std::int32_t duration_ms)> during_sleep;
};

struct RaisedCode {
  std::int32_t raised;
  std::int32_t recorded;
};

class RaiseError : public RunControlTest, public testing::WithParamInterface<RaisedCode> {};

TEST_P(RaiseError, RecordsTheCodeAndRaisesTheEventFlag) {
  rt.raise_error(GetParam().raised);
  EXPECT_EQ(rt.words.pending_error.load(), GetParam().recorded);
  EXPECT_EQ(rt.words.event_flag.load(), 1);
}

INSTANTIATE_TEST_SUITE_P(Codes, RaiseError,
                         testing::Values(RaisedCode{5, 5}, RaisedCode{6, 6}, RaisedCode{9, 9}, RaisedCode{1, 1},
                                         RaisedCode{0, 5}, RaisedCode{-1, 5}, RaisedCode{INT_MIN, 5}));

TEST_F(RunControlTest, FirstErrorWins) {
  rt.raise_error(screen::kSubscriptOutOfRange);
  rt.words.event_flag.store(0);
  rt.raise_error(screen::kOverflow);
  rt.raise_error(0);
  EXPECT_EQ(rt.words.pending_error.load(), screen::kSubscriptOutOfRange);
}

TEST_F(RunControlTest, CheckWithNothingPendingOnlyClearsTheEventFlag) {
  rt.words.event_flag.store(1);
  rt.statement_check(17);
  EXPECT_EQ(rt.words.event_flag.load(), 0);
  EXPECT_TRUE(sleeps.empty());
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_FALSE(program_thread_parked());
}

TEST_F(RunControlTest, PauseHoldsTheCheckInTenMillisecondSlices) {
  rt.words.suspend_flag.store(1);
  during_sleep = [this](std::int32_t) {
    if (sleeps.size() == 3) rt.words.suspend_flag.store(0);
  };
  rt.statement_check(17);
  EXPECT_EQ(sleeps, (std::vector<std::int32_t>{10, 10, 10}));
  EXPECT_FALSE(program_thread_parked());
}

TEST_F(RunControlTest, StopRequestStopsTheProgramThreadBeforeAnyErrorBox) {
  rt.raise_error(screen::kOverflow);
  rt.words.stop_flag.store(1);
  EXPECT_THROW(rt.statement_check(17), screen::ProgramStopped);
  EXPECT_TRUE(program_thread_parked());
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(rt.words.program_ended_flag.load(), 0);
  EXPECT_EQ(rt.words.event_flag.load(), 0);
}

TEST_F(RunControlTest, StopRequestDuringAPause) {
  rt.words.suspend_flag.store(1);
  during_sleep = [this](std::int32_t) {
    if (sleeps.size() == 2) rt.words.stop_flag.store(1);
  };
  EXPECT_THROW(rt.statement_check(17), screen::ProgramStopped);
  EXPECT_EQ(sleeps.size(), 2U);
  EXPECT_TRUE(program_thread_parked());
}

struct ErrorBox {
  std::int32_t code;
  std::int32_t line;
  std::string caption;
  std::string text;
};

std::ostream& operator<<(std::ostream& out, const ErrorBox& c) { return out << c.caption; }

class ErrorBoxTest : public RunControlTest, public testing::WithParamInterface<ErrorBox> {};

TEST_P(ErrorBoxTest, YesClearsTheErrorAndGoesOn) {
  rt.raise_error(GetParam().code);
  rt.statement_check(GetParam().line);
  ASSERT_EQ(platform.boxes.size(), 1U);
  EXPECT_EQ(platform.boxes[0].kind, "error");
  EXPECT_EQ(platform.boxes[0].caption, GetParam().caption);
  EXPECT_EQ(platform.boxes[0].text, GetParam().text);
  EXPECT_EQ(rt.words.pending_error.load(), 0);
  EXPECT_EQ(rt.words.event_flag.load(), 0);
  EXPECT_FALSE(program_thread_parked());
}

TEST_P(ErrorBoxTest, NoEndsTheRunWithoutThePrompt) {
  platform.on_error_box = [](const std::string&, const std::string&) { return screen::BoxAnswer::no; };
  rt.raise_error(GetParam().code);
  EXPECT_THROW(rt.statement_check(GetParam().line), screen::ProgramStopped);
  ASSERT_EQ(platform.boxes.size(), 1U);
  EXPECT_EQ(platform.boxes[0].text, GetParam().text);
  EXPECT_EQ(rt.words.program_ended_flag.load(), 1);
  EXPECT_TRUE(program_thread_parked());
  EXPECT_FALSE(rt.waiting_for_last_key());
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ErrorBoxTest,
    testing::Values(ErrorBox{5, 132, "Unhandled Error #5", "Line: 132\nIllegal function call\nContinue?"},
                    ErrorBox{6, 1, "Unhandled Error #6", "Line: 1\nOverflow\nContinue?"},
                    ErrorBox{9, 300, "Unhandled Error #9", "Line: 300\nSubscript out of range\nContinue?"},
                    ErrorBox{9, 527, "Unhandled Error #9", "Line: 527\nSubscript out of range\nContinue?"}));

class EndProgramTest : public RunControlTest {
 protected:
  EndProgramTest() {
    rt.set_screen_mode(12, 0, 0, 0, 0, screen::ScreenModeGiven::mode);
    rt.set_color(4, 0, 0, screen::ColorGiven::foreground);
    rt.locate_cursor(29, 1, 0, 0, 0, screen::CursorGiven::row | screen::CursorGiven::column);
    rt.print_string("ROW 29", 0);
    rt.locate_cursor(30, 1, 0, 0, 0, screen::CursorGiven::row | screen::CursorGiven::column);
    rt.print_string(std::string(80, 'X'), 0);
    rt.locate_cursor(12, 40, 0, 0, 0, screen::CursorGiven::row | screen::CursorGiven::column);
    rt.set_color(11, 0, 0, screen::ColorGiven::foreground);
  }

  // Runs end_program and counts its 100 ms polls; `key_at_poll` pushes a key during that poll.
  void end_program(int key_at_poll, int stop_at_poll = 0) {
    during_sleep = [=, this](std::int32_t duration_ms) {
      if (duration_ms != 100) return;
      ++polls;
      if (polls == key_at_poll) rt.keys.push({0, 0x3B});  // an extended key ends the wait too
      if (polls == stop_at_poll) rt.words.stop_flag.store(1);
      if (polls > 1000) rt.words.stop_flag.store(1);  // safety net
    };
    EXPECT_THROW(rt.end_program(), screen::ProgramStopped);
  }

  int polls = 0;
};

TEST_F(EndProgramTest, ShowsThePromptOnRow30AndWaitsForANewKey) {
  for (const char c : std::string("abc")) rt.keys.push({static_cast<std::uint8_t>(c), 0});  // discarded
  end_program(3);
  EXPECT_EQ(polls, 3);
  EXPECT_TRUE(rt.keys.empty());
  EXPECT_EQ(row_text(rt, 30, 1, 80, 11), "Press any key to continue" + std::string(55, ' '));
  EXPECT_EQ(row_text(rt, 29, 1, 8, 4), "ROW 29  ");  // nothing scrolled
  EXPECT_EQ(rt.words.program_ended_flag.load(), 1);
  EXPECT_TRUE(program_thread_parked());
  EXPECT_TRUE(rt.waiting_for_last_key());
  EXPECT_TRUE(rt.words.automatic_display.load());
}

TEST_F(EndProgramTest, StopRequestDuringTheWaitEndsItWithoutTheEndFlag) {
  end_program(0, 2);
  EXPECT_EQ(polls, 2);
  EXPECT_EQ(rt.words.program_ended_flag.load(), 0);
  EXPECT_TRUE(program_thread_parked());
}

}  // namespace
