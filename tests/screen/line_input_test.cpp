// The line input, driven through the headless backend: keys arrive one per 10 ms poll, as a
// user types them, and the tests read the target and what stays on the screen.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "screen/cell_reading.h"
#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace {

using cell_reading::glyph_pixel;
using cell_reading::row_text;

constexpr int kYellow = 14;
constexpr int kPoll_ms = 10;
constexpr float kLargest = std::numeric_limits<float>::max();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

// One thing the user does during one poll: press a key, or close the window.
struct Step {
  screen::KeyEntry key;
  bool stop = false;
};

std::vector<Step> keys(const std::string& typed) {
  std::vector<Step> steps;
  for (const char c : typed) steps.push_back({screen::KeyEntry{static_cast<std::uint8_t>(c), 0}, false});
  return steps;
}

std::vector<Step> operator+(std::vector<Step> a, const std::vector<Step>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::vector<Step> kStop = {Step{{}, true}};

class LineInputTest : public testing::Test {
 protected:
  LineInputTest() {
    rt.set_screen_mode(12, 0, 0, 0, 0, screen::ScreenModeGiven::mode);
    platform.on_sleep = [this](std::int32_t duration_ms, screen::Wait why) { on_sleep(duration_ms, why); };
  }

  void prompt_at(int row, int column, const std::string& prompt) {
    rt.set_color(kYellow, 0, 0, screen::ColorGiven::foreground);
    rt.locate_cursor(row, column, 0, 0, 0, screen::CursorGiven::row | screen::CursorGiven::column);
    rt.print_string(prompt, 0);
  }

  void input(const std::vector<Step>& steps, std::int32_t new_line = 1) {
    script.assign(steps.begin(), steps.end());
    rt.input_variable_pointers[1] = &target;
    rt.input_variable_types[1] = screen::kSingleTypeCode;
    rt.input_values(1, new_line);
    EXPECT_FALSE(ran_dry) << "the input was still waiting after the last key";
  }

  void on_sleep(std::int32_t duration_ms, screen::Wait why) {
    if (why != screen::Wait::line_input) return;
    EXPECT_EQ(duration_ms, kPoll_ms);
    if (observe) observe();
    if (script.empty()) {
      // A safety net: a test whose input never ends stops it instead of hanging.
      if (++idle_polls > 1000) {
        ran_dry = true;
        rt.words.stop_flag.store(1);
      }
      return;
    }
    const Step step = script.front();
    script.pop_front();
    if (step.stop) {
      rt.words.stop_flag.store(1);
      rt.words.event_flag.store(1);
    } else {
      rt.keys.push(step.key);
    }
  }

  std::pair<int, int> cursor() const { return {rt.text_state().row, rt.text_state().column}; }

  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt{platform};
  float target = 99.0F;
  std::deque<Step> script;
  std::function<void()> observe;  // runs at every poll, before that poll's key arrives
  int idle_polls = 0;
  bool ran_dry = false;
};

TEST_F(LineInputTest, SlotCountTypedAfterItsPrompt) {
  prompt_at(3, 7, " Z=");
  input(keys("24\r"));
  EXPECT_EQ(target, 24.0F);
  EXPECT_EQ(row_text(rt, 3, 7, 13, kYellow), " Z=24  ");
  EXPECT_EQ(cursor(), std::make_pair(4, 1));
  EXPECT_TRUE(platform.boxes.empty());
}

struct TypedLine {
  std::string typed;
  float value;
  std::string shown;
};

std::ostream& operator<<(std::ostream& out, const TypedLine& c) {
  for (const char ch : c.typed) out << (ch >= 32 && ch < 127 ? std::string(1, ch) : "\\" + std::to_string(ch & 0xFF));
  return out;
}

class TypedLineTest : public LineInputTest, public testing::WithParamInterface<TypedLine> {};

// What stays on row 3 after the prompt is exactly the accepted text: refused keys, deleted
// characters and the block cursor leave nothing behind.
TEST_P(TypedLineTest, KeepsOnlyTheAcceptedText) {
  const TypedLine& c = GetParam();
  prompt_at(3, 7, " Z=");
  input(keys(c.typed));
  EXPECT_EQ(target, c.value);
  EXPECT_EQ(row_text(rt, 3, 10, 80, kYellow), c.shown + std::string(71 - c.shown.size(), ' '));
  EXPECT_EQ(cursor(), std::make_pair(4, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TypedLineTest,
    testing::Values(TypedLine{"24\r", 24.0F, "24"}, TypedLine{"\r", 0.0F, ""}, TypedLine{"-\r", 0.0F, "-"},
                    TypedLine{".\r", 0.0F, "."}, TypedLine{"5.0000\r", 5.0F, "5.0000"},
                    TypedLine{"-3.5E2\r", -350.0F, "-3.5E2"}, TypedLine{"&HFF\r", 255.0F, "&HFF"},
                    TypedLine{"1x2\r", 12.0F, "12"}, TypedLine{"+5\r", 5.0F, "5"}, TypedLine{"00\r", 0.0F, "0"},
                    TypedLine{"5D3\r", 53.0F, "53"}, TypedLine{"1.2.3\r", 1.23F, "1.23"},
                    TypedLine{"1e5e\r", 100000.0F, "1e5"}, TypedLine{"\x1b" "4\r", 4.0F, "4"},
                    TypedLine{"12\b\r", 1.0F, "1"}, TypedLine{"12\b\b\r", 0.0F, ""},
                    TypedLine{"\b\b7\r", 7.0F, "7"}, TypedLine{"1.5\b\b9\r", 19.0F, "19"},
                    TypedLine{"1\t2\r", 12.0F, "12"}, TypedLine{"\t\r", 0.0F, ""},
                    TypedLine{"1\n\v\f\x1c\x1d\x1e\x1f" "2\r", 12.0F, "12"},
                    TypedLine{"1\a2\r", 12.0F, "12"},
                    // Values at the ends of the single range, rounded once from the exact number.
                    TypedLine{"3.4028236E38\r", kInfinity, "3.4028236E38"},
                    TypedLine{"-3.4028236E38\r", -kInfinity, "-3.4028236E38"},
                    TypedLine{"3.4028236E38\b7\r", 3.4028236E37F, "3.4028236E37"},
                    TypedLine{"340282356779733661637539395458142568447\r", kLargest,
                              "340282356779733661637539395458142568447"},
                    TypedLine{"&HFFFFFFFFFFFFFFFF\r", 0x1p64F, "&HFFFFFFFFFFFFFFFF"},
                    TypedLine{"&O7777777777777777777777\r", 0x1p66F, "&O7777777777777777777777"}));

TEST_F(LineInputTest, ExtendedKeysArePassedOver) {
  prompt_at(3, 7, " Z=");
  const std::vector<Step> left_arrow = {Step{{0, 0x4B}, false}};
  const std::vector<Step> scan_code_like_a_digit = {Step{{0, '4'}, false}};
  const std::vector<Step> character_zero = {Step{{0, 0}, false}};  // one character: refused
  input(keys("1") + left_arrow + scan_code_like_a_digit + character_zero + keys("2\r"));
  EXPECT_EQ(target, 12.0F);
  EXPECT_EQ(row_text(rt, 3, 10, 13, kYellow), "12  ");
}

TEST_F(LineInputTest, TargetIsZeroAtTheStartAndFollowsEveryKey) {
  prompt_at(3, 7, " Z=");
  std::vector<float> seen;
  observe = [&] { seen.push_back(target); };
  input(keys("12x.5\b\r"));
  // One value per poll, each before that poll's key: the start, then after 1, 2, x, ., 5, Backspace.
  const std::vector<float> expected = {0.0F, 1.0F, 12.0F, 12.0F, 12.0F, 12.5F, 12.0F};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(target, 12.0F);
}

TEST_F(LineInputTest, BlockCursorXorsTheCellWithTheForegroundWhileWaiting) {
  rt.set_color(2, 0, 0, screen::ColorGiven::foreground);
  rt.locate_cursor(3, 10, 0, 0, 0, screen::CursorGiven::row | screen::CursorGiven::column);
  rt.print_string("A", 0);  // something under the input position shows the XOR
  prompt_at(3, 7, " Z=");
  std::vector<std::vector<std::uint8_t>> pages;
  observe = [&] { pages.push_back(rt.image().pixels); };
  input(keys("7\r"));
  ASSERT_EQ(pages.size(), 2U);
  auto pixel = [](const std::vector<std::uint8_t>& page, int row, int column, int dx, int dy) {
    return page[static_cast<std::size_t>(((row - 1) * 16 + dy) * 640 + (column - 1) * 8 + dx)];
  };
  for (int dy = 0; dy < 16; ++dy) {
    for (int dx = 0; dx < 8; ++dx) {
      // Waiting for the first key: the "A" cell inverted with yellow.
      EXPECT_EQ(pixel(pages[0], 3, 10, dx, dy), glyph_pixel('A', dx, dy, 2, 0) ^ kYellow);
      // Waiting for the second: the echoed 7 plain, the next cell inverted.
      EXPECT_EQ(pixel(pages[1], 3, 10, dx, dy), glyph_pixel('7', dx, dy, kYellow, 0));
      EXPECT_EQ(pixel(pages[1], 3, 11, dx, dy), kYellow);
    }
  }
  EXPECT_EQ(row_text(rt, 3, 10, 11, kYellow), "7 ");  // no cursor left behind
}

TEST_F(LineInputTest, NoFinalNewLineWhenNotAsked) {
  prompt_at(3, 7, " Z=");
  input(keys("5\r"), 0);
  EXPECT_EQ(target, 5.0F);
  EXPECT_EQ(cursor(), std::make_pair(3, 11));
}

struct WrappedLine {
  std::string typed;
  float value;
  std::string row3_end;   // columns 76 to 80
  std::string row4_start; // columns 1 to 4
  int final_row;
};

std::ostream& operator<<(std::ostream& out, const WrappedLine& c) { return out << c.row3_end << '|' << c.row4_start; }

class WrappedLineTest : public LineInputTest, public testing::WithParamInterface<WrappedLine> {};

// The prompt fills columns 76 to 78: the text reaches column 80 with its second character.
TEST_P(WrappedLineTest, WrapsAtColumn80) {
  const WrappedLine& c = GetParam();
  prompt_at(3, 76, " Z=");
  input(keys(c.typed));
  EXPECT_EQ(target, c.value);
  EXPECT_EQ(row_text(rt, 3, 76, 80, kYellow), c.row3_end);
  EXPECT_EQ(row_text(rt, 4, 1, 4, kYellow), c.row4_start);
  EXPECT_EQ(cursor(), std::make_pair(c.final_row, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, WrappedLineTest,
    testing::Values(WrappedLine{"12345\r", 12345.0F, " Z=12", "345 ", 5},
                    // The text ends in column 80: Enter performs the new line left pending.
                    WrappedLine{"12\r", 12.0F, " Z=12", "    ", 4},
                    // A key refused after the wrap leaves nothing on the next row.
                    WrappedLine{"12x\r", 12.0F, " Z=12", "    ", 4},
                    WrappedLine{"123x4\r", 1234.0F, " Z=12", "34  ", 5},
                    WrappedLine{"123\b\r", 12.0F, " Z=12", "    ", 4},
                    WrappedLine{"1234\b\b\b9\r", 19.0F, " Z=19", "    ", 4}));

// An input on the bottom row scrolls the text window when it wraps; Backspace brings back the
// page as it was at the start instead of scrolling it again.
TEST_F(LineInputTest, BackspaceAfterAScrollRestoresTheStartingPage) {
  rt.set_color(2, 0, 0, screen::ColorGiven::foreground);
  rt.locate_cursor(10, 1, 0, 0, 0, screen::CursorGiven::row | screen::CursorGiven::column);
  rt.print_string("M", 0);
  prompt_at(29, 77, " Z=");  // text from column 80
  std::vector<std::string> row29_seen;
  observe = [&] { row29_seen.push_back(row_text(rt, 29, 1, 1, kYellow)); };
  input(keys("12\b\r"));
  EXPECT_EQ(target, 1.0F);
  ASSERT_EQ(row29_seen.size(), 4U);
  EXPECT_EQ(row29_seen[2], "2");  // the 2 wrapped and scrolled the page
  EXPECT_EQ(row29_seen[3], " ");  // before Enter: Backspace took it away with the scroll...
  // ...and Enter's new line is the one scroll left: M moved up one row, the prompt with it.
  EXPECT_EQ(row_text(rt, 9, 1, 1, 2), "M");
  EXPECT_EQ(row_text(rt, 10, 1, 1, 2), " ");
  EXPECT_EQ(row_text(rt, 28, 77, 80, kYellow), " Z=1");
  EXPECT_EQ(row_text(rt, 29, 1, 80, kYellow), std::string(80, ' '));
  EXPECT_EQ(cursor(), std::make_pair(29, 1));
}

TEST_F(LineInputTest, StopRequestEndsTheInputWithoutANewLine) {
  prompt_at(3, 7, " Z=");
  input(keys("7") + kStop);
  EXPECT_EQ(target, 7.0F);
  EXPECT_EQ(cursor(), std::make_pair(3, 11));
  EXPECT_EQ(row_text(rt, 3, 10, 12, kYellow), "7  ");  // the block cursor is gone
}

TEST_F(LineInputTest, StopRequestBeforeAnyKey) {
  prompt_at(3, 7, " Z=");
  rt.words.stop_flag.store(1);
  input({});
  EXPECT_EQ(target, 0.0F);
  EXPECT_EQ(cursor(), std::make_pair(3, 10));
  EXPECT_EQ(row_text(rt, 3, 10, 10, kYellow), " ");
}

TEST_F(LineInputTest, ReturnsAtOnceWhileAnErrorIsPending) {
  prompt_at(3, 7, " Z=");
  rt.raise_error(screen::kSubscriptOutOfRange);
  rt.keys.push({'5', 0});
  input({});
  EXPECT_EQ(target, 99.0F);
  EXPECT_EQ(platform.sleep_calls, 0);
  EXPECT_EQ(rt.keys.waiting(), 1U);
  EXPECT_EQ(cursor(), std::make_pair(3, 10));
  EXPECT_EQ(rt.words.pending_error.load(), screen::kSubscriptOutOfRange);
}

TEST_F(LineInputTest, TargetsOtherThanOneSingleAreRefusedWithError5) {
  struct Call {
    std::int32_t count;
    std::uint32_t type;
    bool has_target;
  };
  for (const Call call : {Call{1, 16, true}, Call{1, 64U | (1U << 29), true}, Call{2, screen::kSingleTypeCode, true},
                          Call{0, screen::kSingleTypeCode, true}, Call{1, screen::kSingleTypeCode, false}}) {
    rt.words.pending_error.store(0);
    target = 99.0F;
    rt.input_variable_pointers[1] = call.has_target ? &target : nullptr;
    rt.input_variable_types[1] = call.type;
    rt.input_values(call.count, 1);
    EXPECT_EQ(rt.words.pending_error.load(), screen::kIllegalFunctionCall) << call.count << ' ' << call.type;
    EXPECT_EQ(target, 99.0F);
  }
  EXPECT_EQ(platform.sleep_calls, 0);
}

// 255 characters ("1E" and 253 zeros) fill row 3 from column 10, rows 4 and 5 and row 6 to
// column 24. Further characters are ignored; Backspace and Enter still work.
TEST_F(LineInputTest, TextStopsGrowingAt255Characters) {
  prompt_at(3, 7, " Z=");
  const std::string full = "1E" + std::string(253, '0');
  input(keys(full + "05\r"));
  EXPECT_EQ(target, 1.0F);
  EXPECT_EQ(row_text(rt, 6, 22, 26, kYellow), "000  ");
  EXPECT_EQ(cursor(), std::make_pair(7, 1));
}

TEST_F(LineInputTest, BackspaceStillWorksAt255Characters) {
  prompt_at(3, 7, " Z=");
  input(keys("5E" + std::string(253, '0') + "\b\b1\r"));
  EXPECT_EQ(target, 5E1F);
  EXPECT_EQ(row_text(rt, 6, 22, 26, kYellow), "01   ");
}

TEST_F(LineInputTest, CtrlGOnlyPauses) {
  prompt_at(3, 7, " Z=");
  input(keys("1\a\r"));
  EXPECT_EQ(target, 1.0F);
  EXPECT_EQ(platform.slept_ms, 3 * kPoll_ms + 250);
  EXPECT_EQ(row_text(rt, 3, 10, 12, kYellow), "1  ");
}

struct RefusedCopy {
  bool refuse_page;  // otherwise the cursor copy is refused
  std::string caption;
};

class InputCopyFailure : public LineInputTest, public testing::WithParamInterface<RefusedCopy> {};

TEST_P(InputCopyFailure, IsCriticalAndEndsTheProcess) {
  constexpr std::size_t kPageBytes = 640U * 480U;
  const bool refuse_page = GetParam().refuse_page;
  platform.refuse_storage = [refuse_page](std::size_t bytes) { return (bytes == kPageBytes) == refuse_page; };
  prompt_at(3, 7, " Z=");
  rt.input_variable_pointers[1] = &target;
  rt.input_variable_types[1] = screen::kSingleTypeCode;
  int exit_code = -1;
  try {
    rt.input_values(1, 1);
  } catch (const screen::ProcessExit& exit) {
    exit_code = exit.exit_code;
  }
  EXPECT_EQ(exit_code, 0);
  ASSERT_EQ(platform.boxes.size(), 1U);
  EXPECT_EQ(platform.boxes[0].kind, "critical");
  EXPECT_EQ(platform.boxes[0].caption, GetParam().caption);
  EXPECT_EQ(platform.boxes[0].text, "Out of memory");
}

INSTANTIATE_TEST_SUITE_P(Copies, InputCopyFailure,
                         testing::Values(RefusedCopy{true, "Critical Error #16"},
                                         RefusedCopy{false, "Critical Error #17"}));

}  // namespace
