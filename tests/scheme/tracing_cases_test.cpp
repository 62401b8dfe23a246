// The phase tracing for inputs other than the worked example: odd pole pairs, belt sizes of 1
// and not whole, and zero slots.
#include <gtest/gtest.h>

#include "tests/scheme/trace_recording.h"

namespace scheme::testing {
namespace {

// Z = 12, p' = 1: column_step 37 (an offset of 59.2 pixels for straight connections), row_step 3,
// offsets 4 and 2, belt_size 2.
TEST(OddPolePairs, OnePolePairStepsBackOntoTheFirstColumn) {
  const TraceRecording& run = cached_run("12", "1", "5");
  expect_drawn_sequence(run.drawn_in(1, 266, 364),
                        {
                            circle_of(298, {181, 105}, 15, 15),
                            circle_of(298, {403, 153}, 15, 15),
                            line_of(323, {240.2F, 105}, {343.8F, 153}, 15),
                            line_of(324, {335.8F, 149}, {343.8F, 153}, 15),
                            line_of(325, {335.8F, 157}, {343.8F, 153}, 15),
                            circle_of(298, {181, 153}, 15, 15),
                            circle_of(298, {181, 153}, 15, 15),  // stepped back onto pole 1's circle
                            line_of(323, {240.2F, 153}, {121.8F, 153}, 15),
                            line_of(324, {113.8F, 149}, {121.8F, 153}, 15),
                            line_of(325, {113.8F, 157}, {121.8F, 153}, 15),
                        });
  for (const TracedFrame* frame : run.frames_of(333, 3)) EXPECT_EQ(frame->state.pole_index, 1);
  for (const TracedFrame* frame : run.frames_of(341, 3)) EXPECT_EQ(frame->state.pole_index, 2);
  EXPECT_EQ(run.frames_of(333, 3).size(), 2U);
  EXPECT_EQ(run.frames_of(341, 3).size(), 2U);
}

TEST(OddPolePairs, OnePolePairReturnCopiesOfPhaseW) {
  const TraceRecording& run = cached_run("12", "1", "5");
  expect_drawn_sequence(run.drawn_in(3, 478, 506),
                        {
                            circle_of(478, {403, 297}, 15, 1),
                            circle_of(478, {107, 249}, 15, 1),
                            line_of(503, {343.8F, 297}, {166.2F, 249}, 1),
                            line_of(504, {174.2F, 245}, {166.2F, 249}, 1),
                            line_of(505, {174.2F, 253}, {166.2F, 249}, 1),
                            circle_of(478, {403, 249}, 15, 1),
                            circle_of(478, {403, 249}, 15, 1),
                            line_of(503, {343.8F, 249}, {462.2F, 249}, 1),  // through the circle
                            line_of(504, {470.2F, 245}, {462.2F, 249}, 1),
                            line_of(505, {470.2F, 253}, {462.2F, 249}, 1),
                        });
  const ProgramState& last = run.frames.back().state;
  EXPECT_EQ(last.text_column, 49.75);
  EXPECT_EQ(last.text_row, 16);
  // W2 would stand in column 49.75 + 37 + 4, beyond the text grid.
  bool w2_refused = false;
  for (const ErrorBoxSeen& box : run.error_boxes) w2_refused = w2_refused || (box.code == 5 && box.line == 513);
  EXPECT_TRUE(w2_refused);
}

// Z = 36, p' = 3: column_step 18 (28.8 pixels), row_step 3, offsets 4 and 2, belt_size 2.
TEST(OddPolePairs, ThreePolePairsGoHalf) {
  const TraceRecording& run = cached_run("36", "3", "5");
  {
    SCOPED_TRACE("phase U, last pass: stepped back, with its straight connection");
    expect_drawn_sequence(of_pass(run.drawn_in(1, 266, 364), 2, 4),
                          {
                              circle_of(298, {397, 153}, 15, 15),
                              line_of(323, {425.8F, 153}, {368.2F, 153}, 15),
                              line_of(324, {360.2F, 149}, {368.2F, 153}, 15),
                              line_of(325, {360.2F, 157}, {368.2F, 153}, 15),
                          });
  }
  const auto w_coil_1 = run.drawn_in(3, 266, 364);
  {
    SCOPED_TRACE("phase W, coil 1, pole 3: bent with a bend of 24 pixels, then the copy");
    expect_drawn_sequence(of_pass(w_coil_1, 1, 3),
                          {
                              circle_of(298, {541, 249}, 15, 9),
                              line_of(312, {376, 249}, {451, 225}, 9, Style::dashed),
                              circle_of(313, {451, 225}, 2, 9),
                              line_of(314, {451, 225}, {526, 249}, 9),
                              circle_of(335, {109, 249}, 15, 9),
                          });
  }
  {
    SCOPED_TRACE("phase W, coil 1, pole 4: straight with its arrow, then the copy with a bent link");
    expect_drawn_sequence(of_pass(w_coil_1, 1, 4),
                          {
                              circle_of(298, {649, 297}, 15, 9),
                              line_of(323, {569.8F, 249}, {620.2F, 297}, 9),
                              line_of(324, {612.2F, 293}, {620.2F, 297}, 9),
                              line_of(325, {612.2F, 301}, {620.2F, 297}, 9),
                              circle_of(350, {217, 297}, 15, 9),
                              line_of(361, {124, 249}, {163, 273}, 9, Style::dashed),
                              circle_of(362, {163, 273}, 2, 9),
                              line_of(363, {163, 273}, {202, 297}, 9),
                          });
  }
}

TEST(OddPolePairs, ThreePolePairsReturnHalf) {
  const TraceRecording& run = cached_run("36", "3", "5");
  const auto u = run.drawn_in(1, 383, 510);
  {
    SCOPED_TRACE("coil 1, pole 4, drawn in pole column 1");
    expect_drawn_sequence(of_pass(u, 1, 4),
                          {
                              circle_of(416, {73, 105}, 15, 7),
                              line_of(441, {188.2F, 153}, {101.8F, 105}, 7),
                              line_of(442, {109.8F, 101}, {101.8F, 105}, 7),
                              line_of(443, {109.8F, 109}, {101.8F, 105}, 7),
                          });
    const TracedFrame* flag = frame_of_pass(run, 416, 1, 1, 4);
    ASSERT_NE(flag, nullptr);
    EXPECT_EQ(flag->state.mirrored_pole, 1);
    EXPECT_EQ(flag->state.left_column_flag, 1);
  }
  {
    SCOPED_TRACE("coil 2, pole 4: the last pass lands on pass 3 and still draws its straight connection");
    expect_drawn_sequence(of_pass(u, 2, 4),
                          {
                              circle_of(416, {217, 105}, 15, 7),
                              line_of(441, {188.2F, 105}, {245.8F, 105}, 7),
                              line_of(442, {253.8F, 101}, {245.8F, 105}, 7),
                              line_of(443, {253.8F, 109}, {245.8F, 105}, 7),
                          });
  }
}

// Z = 12, p' = 2: belt_size 1, column_step 25, row_step 4, offsets 2 and 2.
TEST(BeltSizeOne, TheOnlyCoilIsTheLast) {
  const TraceRecording& run = cached_run("12", "2", "5");
  expect_drawn_sequence(run.drawn_in(1, 266, 364),
                        {
                            circle_of(298, {117, 121}, 15, 15),
                            circle_of(298, {267, 121}, 15, 15),
                            line_of(323, {157, 121}, {227, 121}, 15),
                            line_of(324, {219, 117}, {227, 121}, 15),
                            line_of(325, {219, 125}, {227, 121}, 15),
                            circle_of(298, {267, 121}, 15, 15),  // stepped back, on the coil's row
                        });
  EXPECT_EQ(run.frames_of(307, 1).size(), 1U);
  EXPECT_TRUE(run.frames_of(308, 1).empty());  // so this go half assigns no bend_height
  EXPECT_EQ(run.frames_of(370, 1).front()->state.bend_height, 0);

  // Phase W: block B stores its copy at p' + 2 and draws no connection.
  const auto stores = run.frames_of(349, 3);
  ASSERT_EQ(stores.size(), 1U);
  EXPECT_EQ(stores[0]->state.pole_index, 4);
  EXPECT_EQ(stores[0]->state.marker_x[4], 67);
  EXPECT_EQ(stores[0]->state.marker_y[4], 249);
  EXPECT_EQ(run.frames_of(358, 3).size(), 1U);
  EXPECT_TRUE(run.frames_of(361, 3).empty());
}

// Z = 27, p' = 2: belt_size 2.25, so coil_index never equals it.
TEST(BeltSizeNotWhole, NoPassIsSteppedBackAndTheLastCopyIsJoined) {
  const TraceRecording& run = cached_run("27", "2", "5");
  for (const float phase : {1.0F, 2.0F, 3.0F}) {
    EXPECT_TRUE(run.frames_of(277, phase).empty());
    EXPECT_TRUE(run.frames_of(391, phase).empty());
    EXPECT_TRUE(run.frames_of(307, phase).empty());
    EXPECT_EQ(run.frames_of(327, phase).size(), 6U);  // two coils of three passes
  }
  EXPECT_EQ(run.frames_of(361, 3).size(), 2U);
  const auto stores = run.frames_of(349, 3);
  ASSERT_EQ(stores.size(), 2U);
  EXPECT_EQ(stores[1]->state.pole_index, 3);
  const ProgramState& lead = run.frames_of(370, 3).front()->state;
  EXPECT_EQ(lead.pole_index, 4);
  EXPECT_EQ(lead.link_x1, 66);
  EXPECT_EQ(lead.link_x2, 286);
  EXPECT_EQ(lead.link_y2, 325);
}

// Z = 30, p' = 2: belt_size 2.5, offsets 0, row_step 2.
TEST(BeltSizeNotWhole, WrapPoleLiesOneRowFurtherOnEveryCoil) {
  const TraceRecording& run = cached_run("30", "2", "5");
  for (const float phase : {1.0F, 2.0F, 3.0F}) {
    EXPECT_TRUE(run.frames_of(307, phase).empty());
    const auto go = run.frames_of(297, phase);
    ASSERT_EQ(go.size(), 6U);
    for (std::size_t coil = 0; coil < 2; ++coil) {
      EXPECT_EQ(go[coil * 3 + 2]->state.text_row, go[coil * 3]->state.text_row + 2) << "go, coil " << coil + 1;
    }
    const auto back = run.frames_of(414, phase);
    ASSERT_EQ(back.size(), 6U);
    for (std::size_t coil = 0; coil < 2; ++coil) {
      EXPECT_EQ(back[coil * 3 + 2]->state.text_row, back[coil * 3]->state.text_row - 2) << "return, coil " << coil + 1;
    }
  }
}

TEST(BeltSizeNotWhole, EndLabelsStandOneRowAboveAndOneColumnLeftOfTheStartLabels) {
  // The return half's last circle lies in pole column 1, one table row above the first circle.
  expect_terminal_labels(cached_run("30", "2", "5"), {{{2, 11}, {1, 10}, {16, 11}, {15, 10}, {9, 36}, {8, 35}}});
}

TEST(ZeroSlots, NoCoilLoopRuns) {
  const TraceRecording& run = cached_run("0", "2", "5");
  for (const float phase : {1.0F, 2.0F, 3.0F}) {
    EXPECT_TRUE(run.frames_of(271, phase).empty());
    EXPECT_TRUE(run.frames_of(384, phase).empty());
    EXPECT_TRUE(run.drawn_in(phase, 266, 364).empty());
    EXPECT_TRUE(run.drawn_in(phase, 383, 510).empty());
  }
}

}  // namespace
}  // namespace scheme::testing
