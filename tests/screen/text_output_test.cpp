#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "screen/font.h"
#include "tests/screen/text_screen.h"

namespace {

using screen_test::comma;
using screen_test::number;
using screen_test::text;
using screen_test::TextScreen;

constexpr std::int32_t kYellow = 14;
constexpr std::int32_t kLightCyan = 11;

using PrintingText = TextScreen;

// The parameter line of the winding program: three prompts with the typed numbers echoed,
// then y1 printed again after a comma, z and m after their labels.
TEST_F(PrintingText, ParameterRowPutsEveryItemInItsColumns) {
  colour(kYellow);
  const std::array<std::array<const char*, 2>, 3> prompts = {{{" Z=", "24"}, {" p'=", "2"}, {" y1=", "5"}}};
  const std::array<std::int32_t, 3> prompt_columns = {7, 22, 37};
  for (std::size_t i = 0; i < prompts.size(); ++i) {
    locate(3, prompt_columns[i]);
    rt.print_string(prompts[i][0], 0);
    rt.print_string(prompts[i][1], 0);  // the echo of the typed number
    rt.print_string("", 1);             // the input's closing new line
  }
  locate(3, 37);
  print_statement({text(" y1="), comma(), number(5.0F)});
  colour(kLightCyan);
  locate(3, 52);
  print_statement({text(" z="), number(6.0F)});
  locate(3, 67);
  print_statement({text(" m = "), number(2.0F)});

  EXPECT_EQ(row_text(3, 7, 11, kYellow), " Z=24");
  EXPECT_EQ(row_text(3, 22, 26, kYellow), " p'=2");
  EXPECT_EQ(row_text(3, 37, 45, kYellow), " y1=   5 ");
  EXPECT_EQ(row_text(3, 52, 57, kLightCyan), " z= 6 ");
  EXPECT_EQ(row_text(3, 67, 74, kLightCyan), " m =  2 ");
  for (std::int32_t column : {1, 6, 12, 21, 27, 36, 46, 51, 58, 66, 75, 80}) {
    EXPECT_TRUE(cell_is(3, column, 0)) << "column " << column;
  }
  expect_cursor(4, 1);
}

TEST_F(PrintingText, PromptAndEchoFollowEachOther) {
  colour(kYellow);
  locate(3, 7);
  rt.print_string(" Z=", 0);
  expect_cursor(3, 10);
  rt.print_string("24", 0);
  EXPECT_EQ(row_text(3, 7, 11, kYellow), " Z=24");
  expect_cursor(3, 12);
}

TEST_F(PrintingText, ItemThatDoesNotFitStartsTheNextRow) {
  colour(kLightCyan);
  locate(3, 67);
  print_statement({text(" m = "), number(25.0F / 12.0F)});
  EXPECT_EQ(row_text(3, 67, 71, kLightCyan), " m = ");
  EXPECT_TRUE(cell_is(3, 72, 0));
  EXPECT_EQ(row_text(4, 1, 10, kLightCyan), " 2.083333 ");
  expect_cursor(5, 1);
}

TEST_F(PrintingText, ItemEndingInColumn80LeavesOneNewLineForTheStatementEnd) {
  colour(kLightCyan);
  locate(3, 67);
  print_statement({text(" m = "), number(1234567.0F)});
  EXPECT_EQ(row_text(3, 67, 80, kLightCyan), " m =  1234567 ");
  expect_cursor(4, 1);
}

TEST_F(PrintingText, LongTextWrapsAtColumn80) {
  locate(7, 78);
  rt.print_string("ABCDE", 0);
  EXPECT_EQ(row_text(7, 78, 80, 15), "ABC");
  EXPECT_EQ(row_text(8, 1, 2, 15), "DE");
  expect_cursor(8, 3);
  EXPECT_FALSE(rt.text_state().newline_pending);
}

TEST_F(PrintingText, NewLineAskedAfterColumn80IsTheWrapItself) {
  locate(7, 79);
  rt.print_string("AB", 1);
  EXPECT_EQ(row_text(7, 79, 80, 15), "AB");
  expect_cursor(8, 1);
  EXPECT_FALSE(rt.text_state().newline_pending);
}

TEST_F(PrintingText, EachCellIsWrittenWholeInTheCurrentColours) {
  colour(12);
  locate(5, 10);
  rt.print_string("\xDB\xDB\xDB", 0);  // full blocks
  ASSERT_TRUE(cell_is(5, 10, 12));
  locate(5, 10);
  colour(kYellow);
  rt.print_string("A", 0);
  colour(9);
  rt.print_string("g ", 0);
  EXPECT_TRUE(cell_shows(5, 10, 'A', kYellow, 0));
  EXPECT_TRUE(cell_shows(5, 11, 'g', 9, 0));
  EXPECT_TRUE(cell_is(5, 12, 0));  // a blank paints its cell in the background colour
  // The glyphs used have both set and clear pixels, so both colours were checked.
  EXPECT_FALSE(cell_is(5, 10, kYellow));
  EXPECT_FALSE(cell_is(5, 10, 0));
}

TEST_F(PrintingText, GlyphsComeFromTheCodePage437Table) {
  locate(1, 1);
  std::string all;
  for (int code = 32; code < 256; ++code) {
    const bool control = code == 7 || (code >= 9 && code <= 13) || (code >= 28 && code <= 31);
    if (!control) all += static_cast<char>(code);
  }
  rt.print_string(all, 0);
  std::int32_t row = 1;
  std::int32_t column = 1;
  for (char c : all) {
    EXPECT_TRUE(cell_shows(row, column, static_cast<std::uint8_t>(c), 15, 0)) << "code " << (c & 0xFF);
    if (++column > 80) {
      column = 1;
      ++row;
    }
  }
}

TEST_F(PrintingText, ControlCodesDrawNothing) {
  for (unsigned char code : {7, 9, 10, 11, 12, 28, 29, 30, 31}) {
    locate(6, 5);
    rt.print_string("\xDB", 0);
    locate(6, 5);
    rt.print_string(std::string(1, static_cast<char>(code)), 0);
    EXPECT_TRUE(cell_is(6, 5, 15)) << "code " << static_cast<int>(code);
    expect_cursor(6, 5);
  }
}

TEST_F(PrintingText, CarriageReturnStartsANewLineAndAnAskedOneStillFollows) {
  locate(6, 5);
  rt.print_string("A\rB", 0);
  EXPECT_TRUE(cell_shows(6, 5, 'A', 15, 0));
  EXPECT_TRUE(cell_shows(7, 1, 'B', 15, 0));
  expect_cursor(7, 2);
  rt.print_string("C\r", 1);
  expect_cursor(9, 1);
}

TEST_F(PrintingText, BellPausesAQuarterSecond) {
  const std::int64_t before_ms = platform.slept_ms;
  rt.print_string("\a", 0);
  EXPECT_EQ(platform.slept_ms - before_ms, 250);
}

TEST_F(PrintingText, EmptyTextWithoutNewLineChangesNothing) {
  locate(4, 9);
  rt.print_string("", 0);
  expect_cursor(4, 9);
  rt.print_string("", 1);
  expect_cursor(5, 1);
}

// --- The new line left pending by a text that ends in column 80 ---

struct PendingCase {
  const char* name;
  std::function<void(TextScreen&, screen::ScreenRuntime&)> action;
  std::int32_t row;
  std::int32_t column;
  bool still_pending;
};

class PendingNewLine : public TextScreen, public ::testing::WithParamInterface<PendingCase> {
 protected:
  // Row 10 ends with "ABCDEF" in columns 75 to 80; the new line is pending.
  void SetUp() override {
    TextScreen::SetUp();
    locate(11, 1);
    rt.print_string(std::string(80, '#'), 0);
    locate(10, 75);
    rt.print_string("ABCDEF", 0);
  }
};

TEST_P(PendingNewLine, IsPerformedOnceOrCancelled) {
  GetParam().action(*this, rt);
  expect_cursor(GetParam().row, GetParam().column);
  EXPECT_EQ(rt.text_state().newline_pending, GetParam().still_pending);
  EXPECT_EQ(row_text(10, 75, 80, 15), "ABCDEF");
}

INSTANTIATE_TEST_SUITE_P(
    Actions, PendingNewLine,
    ::testing::Values(
        PendingCase{"nothing", [](TextScreen&, screen::ScreenRuntime&) {}, 10, 80, true},
        PendingCase{"next_print", [](TextScreen&, screen::ScreenRuntime& rt) { rt.print_string("Q", 0); }, 11, 2,
                    false},
        PendingCase{"empty_text_without_new_line", [](TextScreen&, screen::ScreenRuntime& rt) { rt.print_string("", 0); },
                    10, 80, true},
        PendingCase{"empty_text_with_new_line", [](TextScreen&, screen::ScreenRuntime& rt) { rt.print_string("", 1); },
                    11, 1, false},
        PendingCase{"text_with_new_line", [](TextScreen&, screen::ScreenRuntime& rt) { rt.print_string("Q", 1); }, 12,
                    1, false},
        PendingCase{"comma", [](TextScreen&, screen::ScreenRuntime& rt) { rt.print_next_zone(); }, 11, 1, false},
        PendingCase{"fit_check_of_long_item",
                    [](TextScreen&, screen::ScreenRuntime& rt) { rt.fit_print_line(std::string(30, 'x')); }, 10, 80, true},
        PendingCase{"locate", [](TextScreen& screen, screen::ScreenRuntime&) { screen.locate(20, 5); }, 20, 5, false},
        PendingCase{"new_line", [](TextScreen&, screen::ScreenRuntime& rt) { rt.new_line(); }, 11, 1, false}),
    [](const ::testing::TestParamInfo<PendingCase>& info) { return std::string(info.param.name); });

TEST_F(PendingNewLine, NextPrintStartsInColumn1OfTheNextRow) {
  rt.print_string("Q", 0);
  EXPECT_EQ(row_text(11, 1, 3, 15), "Q##");
}

TEST_F(PendingNewLine, CommaPrintsNoBlank) {
  rt.print_next_zone();
  EXPECT_EQ(row_text(11, 1, 2, 15), "##");
}

TEST_F(PendingNewLine, LocateCancelsIt) {
  locate(10, 80);
  rt.print_string("Z", 0);
  EXPECT_EQ(row_text(10, 75, 80, 15), "ABCDEZ");
  EXPECT_EQ(row_text(11, 1, 1, 15), "#");
}

// --- The fit check ---

struct FitCase {
  std::int32_t column;
  std::size_t length;
  bool starts_new_line;
};

class FitCheck : public TextScreen, public ::testing::WithParamInterface<FitCase> {};

TEST_P(FitCheck, StartsANewLineOnlyWhenTheItemWouldPassColumn80) {
  locate(12, GetParam().column);
  rt.fit_print_line(std::string(GetParam().length, 'x'));
  if (GetParam().starts_new_line) {
    expect_cursor(13, 1);
  } else {
    expect_cursor(12, GetParam().column);
  }
}

INSTANTIATE_TEST_SUITE_P(Columns, FitCheck,
                         ::testing::Values(FitCase{1, 200, false}, FitCase{2, 79, false}, FitCase{2, 80, true},
                                           FitCase{41, 40, false}, FitCase{41, 41, true}, FitCase{72, 9, false},
                                           FitCase{72, 10, true}, FitCase{80, 1, false}, FitCase{80, 2, true},
                                           FitCase{43, 0, false}),
                         [](const ::testing::TestParamInfo<FitCase>& info) {
                           return "column_" + std::to_string(info.param.column) + "_length_" +
                                  std::to_string(info.param.length);
                         });

// --- Print zones ---

struct ZoneCase {
  std::int32_t start;
  std::int32_t stop;
};

class PrintZone : public TextScreen, public ::testing::WithParamInterface<ZoneCase> {
 protected:
  void SetUp() override {
    TextScreen::SetUp();
    locate(15, 1);
    rt.print_string(std::string(80, '#'), 0);
    locate(16, 1);
    rt.print_string(std::string(80, '#'), 0);
  }
};

TEST_P(PrintZone, PrintsBlanksUpToTheNextZoneStart) {
  const std::int32_t start = GetParam().start;
  const std::int32_t stop = GetParam().stop;
  locate(15, start);
  rt.print_next_zone();
  expect_cursor(15, stop);
  EXPECT_FALSE(rt.text_state().newline_pending);
  EXPECT_EQ(row_text(15, 1, 80, 15),
            std::string(static_cast<std::size_t>(start - 1), '#') + std::string(static_cast<std::size_t>(stop - start), ' ') +
                std::string(static_cast<std::size_t>(81 - stop), '#'));
}

INSTANTIATE_TEST_SUITE_P(Columns, PrintZone,
                         ::testing::Values(ZoneCase{1, 15}, ZoneCase{2, 15}, ZoneCase{14, 15}, ZoneCase{15, 29},
                                           ZoneCase{28, 29}, ZoneCase{29, 43}, ZoneCase{41, 43}, ZoneCase{43, 57},
                                           ZoneCase{56, 57}, ZoneCase{57, 80}, ZoneCase{58, 80}, ZoneCase{71, 80},
                                           ZoneCase{79, 80}),
                         [](const ::testing::TestParamInfo<ZoneCase>& info) {
                           return "from_" + std::to_string(info.param.start);
                         });

TEST_F(PrintZone, FromColumn80PrintsOneBlankAndLeavesTheNewLinePending) {
  locate(15, 80);
  rt.print_next_zone();
  EXPECT_EQ(row_text(15, 79, 80, 15), "# ");
  expect_cursor(15, 80);
  EXPECT_TRUE(rt.text_state().newline_pending);
  rt.print_string("Q", 0);
  EXPECT_EQ(row_text(16, 1, 2, 15), "Q#");
}

// --- New lines and scrolling ---

class Scrolling : public TextScreen {
 protected:
  // Every row shows its own letter in its own colour across the whole row.
  void SetUp() override {
    TextScreen::SetUp();
    for (std::int32_t row = 1; row <= 30; ++row) {
      colour(1 + row % 15);
      locate(row, 1);
      rt.print_string(std::string(row == 30 ? 79 : 80, static_cast<char>('A' + row - 1)), 0);
    }
    colour(15);
    before_ = rt.image().pixels;
  }

  // Text rows 1..29 moved up by 16 pixel rows, row 29 cleared, row 30 untouched.
  void expect_scrolled_once() const {
    const auto& now = rt.image().pixels;
    std::size_t moved_wrong = 0;
    std::size_t cleared_wrong = 0;
    std::size_t kept_wrong = 0;
    for (std::size_t y = 0; y < 480; ++y) {
      for (std::size_t x = 0; x < 640; ++x) {
        const std::uint8_t value = now[y * 640 + x];
        if (y < 448) {
          moved_wrong += value != before_[(y + 16) * 640 + x];
        } else if (y < 464) {
          cleared_wrong += value != 0;
        } else {
          kept_wrong += value != before_[y * 640 + x];
        }
      }
    }
    EXPECT_EQ(moved_wrong, 0U);
    EXPECT_EQ(cleared_wrong, 0U);
    EXPECT_EQ(kept_wrong, 0U);
  }

  std::vector<std::uint8_t> before_;
};

TEST_F(Scrolling, NewLineWithinTheWindowMovesTheCursorOnly) {
  locate(28, 17);
  rt.new_line();
  expect_cursor(29, 1);
  EXPECT_EQ(rt.image().pixels, before_);
}

TEST_F(Scrolling, NewLineFromRow29ScrollsRows1To29) {
  locate(29, 40);
  rt.new_line();
  expect_scrolled_once();
  expect_cursor(29, 1);
}

TEST_F(Scrolling, NewLineFromRow30ScrollsTheSameAndLeavesRow30) {
  locate(30, 5);
  rt.print_string("", 1);
  expect_scrolled_once();
  expect_cursor(29, 1);
}

TEST_F(Scrolling, WrapInRow29ScrollsAndGoesOnInRow29) {
  locate(29, 80);
  rt.print_string("!?", 0);
  EXPECT_EQ(row_text(28, 78, 80, 15), "]]!");  // row 29's letters, in its colour 15, moved up
  EXPECT_EQ(row_text(27, 80, 80, 14), "\\");
  EXPECT_TRUE(cell_shows(29, 1, '?', 15, 0));
  EXPECT_TRUE(cell_is(29, 2, 0));
  expect_cursor(29, 2);
}

TEST_F(Scrolling, PendingNewLineFromRow30ScrollsRowsAbove) {
  locate(30, 80);
  rt.print_string("!", 0);
  EXPECT_TRUE(rt.text_state().newline_pending);
  before_ = rt.image().pixels;
  rt.print_string("", 1);
  expect_scrolled_once();
  expect_cursor(29, 1);
}

TEST_F(Scrolling, ManyNewLinesKeepTheCursorInRow29) {
  locate(29, 1);
  for (int i = 0; i < 40; ++i) rt.new_line();
  expect_cursor(29, 1);
  for (std::int32_t row = 1; row <= 29; ++row) EXPECT_TRUE(cell_is(row, 40, 0)) << "row " << row;
  EXPECT_FALSE(cell_is(30, 40, 0));
}

// --- The end of the run's prompt on the last row ---

TEST_F(Scrolling, EndOfRunClearsRow30AndPromptsThere) {
  colour(kLightCyan);
  locate(12, 40);
  platform.on_sleep = [this](std::int32_t, screen::Wait why) {
    if (why == screen::Wait::last_key) rt.keys.push({'x', 0});
  };
  EXPECT_THROW(rt.end_program(), screen::ProgramStopped);
  EXPECT_EQ(row_text(30, 1, 25, kLightCyan), "Press any key to continue");
  for (std::int32_t column = 26; column <= 80; ++column) EXPECT_TRUE(cell_is(30, column, 0)) << column;
  expect_cursor(30, 26);
  const auto& now = rt.image().pixels;
  EXPECT_TRUE(std::equal(now.begin(), now.begin() + 464 * 640, before_.begin()));
}

// --- Cursor and colour errors, and the latched error ---

struct BadPosition {
  std::int32_t row;
  std::int32_t column;
};

class LocateError : public TextScreen, public ::testing::WithParamInterface<BadPosition> {};

TEST_P(LocateError, RaisesError5AndMovesNothing) {
  locate(10, 80);
  rt.print_string("A", 0);
  ASSERT_TRUE(rt.text_state().newline_pending);
  locate(GetParam().row, GetParam().column);
  EXPECT_EQ(rt.words.pending_error.load(), screen::kIllegalFunctionCall);
  EXPECT_EQ(rt.words.event_flag.load(), 1);
  expect_cursor(10, 80);
  EXPECT_TRUE(rt.text_state().newline_pending);
}

INSTANTIATE_TEST_SUITE_P(Positions, LocateError,
                         ::testing::Values(BadPosition{0, 1}, BadPosition{31, 1}, BadPosition{1, 0}, BadPosition{1, 81},
                                           BadPosition{-1, 5}, BadPosition{5, -1}, BadPosition{INT_MIN, 1},
                                           BadPosition{1, INT_MAX}, BadPosition{0, 0}),
                         [](const ::testing::TestParamInfo<BadPosition>& info) {
                           auto name = [](std::int32_t v) { return (v < 0 ? "minus" : "") + std::to_string(v < 0 ? -static_cast<std::int64_t>(v) : v); };
                           return "row_" + name(info.param.row) + "_column_" + name(info.param.column);
                         });

TEST_F(TextScreen, LocateReachesEveryCornerOfTheGrid) {
  for (const auto& [row, column] : std::vector<std::pair<int, int>>{{1, 1}, {1, 80}, {30, 1}, {30, 80}}) {
    locate(row, column);
    expect_cursor(row, column);
  }
  EXPECT_EQ(rt.words.pending_error.load(), 0);
}

class ColourError : public TextScreen, public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(ColourError, RaisesError5AndKeepsTheColour) {
  colour(kYellow);
  colour(GetParam());
  EXPECT_EQ(rt.words.pending_error.load(), screen::kIllegalFunctionCall);
  EXPECT_EQ(rt.text_state().foreground, kYellow);
}

INSTANTIATE_TEST_SUITE_P(Colours, ColourError, ::testing::Values(16, 255, -1, -16, INT_MIN, INT_MAX),
                         [](const ::testing::TestParamInfo<std::int32_t>& info) {
                           const std::int64_t v = info.param;
                           return (v < 0 ? "minus_" : "") + std::to_string(v < 0 ? -v : v);
                         });

TEST_F(TextScreen, EveryColourFrom0To15IsAccepted) {
  for (std::int32_t value = 0; value <= 15; ++value) {
    colour(value);
    EXPECT_EQ(rt.text_state().foreground, value);
  }
  EXPECT_EQ(rt.words.pending_error.load(), 0);
}

// Each colour changes only when the call gives it; an argument not given is not even checked.
TEST_F(TextScreen, SetColorChangesOnlyTheColoursItIsGiven) {
  using screen::ColorGiven;
  struct Case {
    const char* name;
    std::int32_t foreground;
    std::int32_t background;
    screen::FlagSet<ColorGiven> given;
    std::int32_t foreground_after;
    std::int32_t background_after;
  };
  const Case cases[] = {
      {"foreground only", 12, 99, ColorGiven::foreground, 12, 3},
      {"background only", 99, 5, ColorGiven::background, 14, 5},
      {"both", 2, 6, ColorGiven::foreground | ColorGiven::background, 2, 6},
      {"neither", 99, 99, {}, 14, 3},
  };
  for (const Case& c : cases) {
    rt.set_color(14, 3, 0, ColorGiven::foreground | ColorGiven::background);
    rt.set_color(c.foreground, c.background, 0, c.given);
    EXPECT_EQ(rt.text_state().foreground, c.foreground_after) << c.name;
    EXPECT_EQ(rt.text_state().background, c.background_after) << c.name;
    EXPECT_EQ(rt.words.pending_error.load(), 0) << c.name;
  }
}

TEST_F(TextScreen, FirstErrorWinsAndACodeBelow1Becomes5) {
  rt.raise_error(9);
  locate(0, 0);
  rt.raise_error(6);
  EXPECT_EQ(rt.words.pending_error.load(), 9);

  rt.words.pending_error.store(0);
  rt.raise_error(0);
  EXPECT_EQ(rt.words.pending_error.load(), screen::kIllegalFunctionCall);
  rt.words.pending_error.store(0);
  rt.raise_error(-7);
  EXPECT_EQ(rt.words.pending_error.load(), screen::kIllegalFunctionCall);
}

struct PendingErrorCase {
  const char* name;
  std::function<void(TextScreen&, screen::ScreenRuntime&)> action;
};

class WhileErrorPending : public TextScreen, public ::testing::WithParamInterface<PendingErrorCase> {};

TEST_P(WhileErrorPending, TextOperationsChangeNothing) {
  colour(kYellow);
  locate(29, 80);
  rt.print_string("A", 0);  // a pending new line that a working operation would perform
  rt.raise_error(9);
  const auto pixels = rt.image().pixels;
  const auto state = rt.text_state();
  GetParam().action(*this, rt);
  EXPECT_EQ(rt.image().pixels, pixels);
  EXPECT_EQ(rt.text_state().row, state.row);
  EXPECT_EQ(rt.text_state().column, state.column);
  EXPECT_EQ(rt.text_state().newline_pending, state.newline_pending);
  EXPECT_EQ(rt.text_state().foreground, state.foreground);
  EXPECT_EQ(rt.screen_mode(), 12);
  EXPECT_EQ(rt.words.pending_error.load(), 9);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, WhileErrorPending,
    ::testing::Values(
        PendingErrorCase{"print", [](TextScreen&, screen::ScreenRuntime& rt) { rt.print_string("text", 1); }},
        PendingErrorCase{"print_empty_line", [](TextScreen&, screen::ScreenRuntime& rt) { rt.print_string("", 1); }},
        PendingErrorCase{"new_line", [](TextScreen&, screen::ScreenRuntime& rt) { rt.new_line(); }},
        PendingErrorCase{"comma", [](TextScreen&, screen::ScreenRuntime& rt) { rt.print_next_zone(); }},
        PendingErrorCase{"locate", [](TextScreen& screen, screen::ScreenRuntime&) { screen.locate(2, 2); }},
        PendingErrorCase{"bad_locate", [](TextScreen& screen, screen::ScreenRuntime&) { screen.locate(0, 2); }},
        PendingErrorCase{"colour", [](TextScreen& screen, screen::ScreenRuntime&) { screen.colour(3); }},
        PendingErrorCase{"bad_colour", [](TextScreen& screen, screen::ScreenRuntime&) { screen.colour(99); }},
        PendingErrorCase{"screen_mode",
                         [](TextScreen&, screen::ScreenRuntime& rt) {
                           rt.set_screen_mode(12, 0, 0, 0, 0, screen::ScreenModeGiven::mode);
                         }},
        PendingErrorCase{"text_screen_mode",
                         [](TextScreen&, screen::ScreenRuntime& rt) {
                           rt.set_screen_mode(0, 0, 0, 0, 0, screen::ScreenModeGiven::mode);
                         }}),
    [](const ::testing::TestParamInfo<PendingErrorCase>& info) { return std::string(info.param.name); });

TEST_F(TextScreen, FitCheckDoesNothingWhileAnErrorIsPending) {
  locate(5, 70);
  rt.raise_error(5);
  rt.fit_print_line(std::string(20, 'x'));
  expect_cursor(5, 70);
}

}  // namespace
