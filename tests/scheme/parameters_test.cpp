// The three inputs on row 3, the derived values and how y1, z and m are shown (lines 53 to 84).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "run_support.h"

namespace {

using scheme_test::Capture;
using scheme_test::FrameRecorder;
using scheme_test::read_cell;
using scheme_test::read_text;

// Runs until the first frame of line 86 (the inputs and prints done) and returns that capture.
Capture after_inputs(const std::string& z, const std::string& p, const std::string& y1) {
  auto run = scheme_test::make_run(z, p, y1);
  FrameRecorder recorder(*run);
  recorder.capture_first(86);
  run->max_statements = 2000;  // enough to pass line 86 even when the tables never end
  run->run();
  EXPECT_TRUE(recorder.has(86));
  return recorder.has(86) ? recorder.at(86) : Capture{};
}

struct TextOnRow {
  int row;
  int column;
  std::string text;
  int colour;  // of the non-blank characters
};

void expect_text(const Capture& capture, const TextOnRow& expected) {
  EXPECT_EQ(read_text(capture.screen, expected.row, expected.column, static_cast<int>(expected.text.size())),
            expected.text)
      << "row " << expected.row << " column " << expected.column;
  for (std::size_t i = 0; i < expected.text.size(); ++i) {
    if (expected.text[i] == ' ') continue;
    EXPECT_EQ(read_cell(capture.screen, expected.row, expected.column + static_cast<int>(i)).foreground,
              expected.colour)
        << "row " << expected.row << " column " << expected.column + static_cast<int>(i);
  }
}

TEST(ParameterRow, WorkedExampleCellsAndColours) {
  const Capture c = after_inputs("24", "2", "5");
  const TextOnRow row3[] = {
      {3, 1, "      ", 0},       {3, 7, " Z=24", 14},   {3, 12, "          ", 0},
      {3, 22, " p'=2", 14},      {3, 27, "          ", 0}, {3, 37, " y1=   5 ", 14},
      {3, 46, "      ", 0},      {3, 52, " z= 6 ", 11},     {3, 58, "         ", 0},
      {3, 67, " m =  2 ", 11},   {3, 75, "      ", 0},
  };
  for (const TextOnRow& expected : row3) expect_text(c, expected);
  EXPECT_EQ(c.text.row, 4);
  EXPECT_EQ(c.text.column, 1);
  EXPECT_EQ(c.text.foreground, 11);
}

struct Derived {
  std::string z, p, y1;
  float slot_total, pole_pairs, pitch_y1_shown, half_slot_total, pole_pitch, belt_size, pitch_y1, layer_shift;
};

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kLargest = std::numeric_limits<float>::max();

void expect_same(float actual, float expected, const char* name) {
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(actual)) << name << " = " << actual;
  } else {
    EXPECT_EQ(actual, expected) << name;
  }
}

TEST(DerivedValues, FromTheTypedNumbers) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Derived cases[] = {
      {"24", "2", "5", 24, 2, 5, 12, 6, 2, 2, 4},
      {"24", "-2", "5", 24, -2, 5, 12, -6, -2, 2, -8},
      {"24", "0", "5", 24, 0, 5, 12, kInf, kInf, 2, kInf},
      {"-24", "0", "5", -24, 0, 5, -12, -kInf, -kInf, 2, -kInf},
      {"0", "2", "5", 0, 2, 5, 0, 0, 0, 2, -2},
      {"0", "0", "5", 0, 0, 5, 0, nan, nan, 2, nan},
      {"25", "2", "1", 25, 2, 1, 12.5F, 6.25F, 2.0833333F, 0, 6.25F},
      {"24", "2", "0", 24, 2, 0, 12, 6, 2, -0.5F, 6.5F},
      {"3E38", "1E-30", "5", 3E38F, 1E-30F, 5, 1.5E38F, kInf, kInf, 2, kInf},
      // Typed values at the ends of the single range: 2^64, minus infinity, the largest single.
      {"&HFFFFFFFFFFFFFFFF", "-3.4028236E38", "340282356779733661637539395458142568447", 0x1p64F, -kInf, kLargest,
       0x1p63F, 0, 0, kLargest / 2, -kLargest / 2},
      {"3.4028236E38", "1", "&O7777777777777777777777", kInf, 1, 0x1p66F, kInf, kInf, kInf, 0x1p65F, kInf},
  };
  for (const Derived& d : cases) {
    SCOPED_TRACE("Z=" + d.z + " p'=" + d.p + " y1=" + d.y1);
    const auto& s = after_inputs(d.z, d.p, d.y1).state;
    expect_same(s.slot_total, d.slot_total, "slot_total");
    expect_same(s.pole_pairs, d.pole_pairs, "pole_pairs");
    expect_same(s.pitch_y1_shown, d.pitch_y1_shown, "pitch_y1_shown");
    expect_same(s.half_slot_total, d.half_slot_total, "half_slot_total");
    expect_same(s.phase_count, 3, "phase_count");
    expect_same(s.pole_pitch, d.pole_pitch, "pole_pitch");
    expect_same(s.belt_size, d.belt_size, "belt_size");
    expect_same(s.pitch_y1, d.pitch_y1, "pitch_y1");
    expect_same(s.layer_shift, d.layer_shift, "layer_shift");
  }
}

// z and m right after their labels; an m item too long for the rest of row 3 moves to row 4.
struct Shown {
  std::string z, p;
  std::vector<TextOnRow> texts;
  int cursor_row;
};

TEST(DerivedValues, ShownBesideTheirLabels) {
  const Shown cases[] = {
      {"25", "2", {{3, 52, " z= 6.25 ", 11}, {3, 67, " m = ", 11}, {4, 1, " 2.083333 ", 11}}, 5},
      {"2", "1", {{3, 52, " z= 1 ", 11}, {3, 67, " m = ", 11}, {4, 1, " .3333333 ", 11}}, 5},
      {"24", "-2", {{3, 52, " z=-6 ", 11}, {3, 67, " m = -2 ", 11}, {4, 1, "   ", 0}}, 4},
      {"0", "2", {{3, 52, " z= 0 ", 11}, {3, 67, " m =  0 ", 11}}, 4},
      // A nine-character item ends in column 80 and leaves the new line pending.
      {"7405.5", "1", {{3, 52, " z= 3702.75 ", 11}, {3, 67, " m =  1234.25 ", 11}, {4, 1, "   ", 0}}, 4},
      {"3.4028236E38", "1", {{3, 52, " z= Inf ", 11}, {3, 67, " m =  Inf ", 11}}, 4},
      // z's item runs into column 67, where m's label covers its last digit.
      {"&HFFFFFFFFFFFFFFFF", "1",
       {{3, 52, " z= 9.223372E+1", 11}, {3, 67, " m = ", 11}, {4, 1, " 3.074457E+18 ", 11}}, 5},
  };
  for (const Shown& s : cases) {
    SCOPED_TRACE("Z=" + s.z + " p'=" + s.p);
    const Capture c = after_inputs(s.z, s.p, "5");
    for (const TextOnRow& expected : s.texts) expect_text(c, expected);
    EXPECT_EQ(c.text.row, s.cursor_row);
    EXPECT_EQ(c.text.column, 1);
  }
}

TEST(ParameterRow, ShownY1OverwritesTheTypedTextFromColumn41) {
  // The typed 5.0000 fills columns 41 to 46; the comma and " 5 " cover 41 to 45.
  const Capture c = after_inputs("24", "2", "5.0000");
  expect_text(c, {3, 37, " y1=   5 0", 14});
  // 12345678 is shown as 1.234568E+07 from column 43 to 56, then z's label covers 52 to 54.
  const Capture big = after_inputs("24", "2", "12345678");
  expect_text(big, {3, 37, " y1=   1.234568", 14});
  EXPECT_EQ(read_text(big.screen, 3, 52, 6), " z= 6 ");
}

}  // namespace
