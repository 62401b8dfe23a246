// Statements that the go and return halves of the phase tracing (and phase W's copies) share:
// the row counter, the step-back of the last pass, the row of a pass, the return half's
// left-column rule and the connections. Each caller passes its own line numbers.
#include "scheme/main_module.h"
#include "scheme/trace_geometry.h"

namespace scheme {

namespace {
constexpr std::uint16_t kDashed = 0xFF00;
}  // namespace

bool MainModule::at_wrap_pole() const { return X(s_->pole_index) == X(s_->pole_pairs) + 1; }

bool MainModule::at_last_pass() const { return at_wrap_pole() & (X(s_->coil_index) == X(s_->belt_size)); }

// The first coil starts at the phase's first row, every later one a row further.
void MainModule::start_coil_row(const CoilRowLines& lines) {
  ProgramState& s = *s_;
  assign(lines.advance, s.row_index, X(s.row_index) + 1);
  if (when(lines.phase_u, (X(s.coil_index) == 1) & (X(s.phase_index) == 1))) {
    assign(lines.phase_u, s.row_index, X(s.phase_start_row));
  }
  if (when(lines.phase_v, (X(s.coil_index) == 1) & (X(s.phase_index) == 2))) {
    assign(lines.phase_v, s.row_index, X(s.phase_start_row));
  }
  if (when(lines.phase_w, (X(s.coil_index) == 1) & (X(s.phase_index) == 3))) {
    assign(lines.phase_w, s.row_index, X(s.phase_start_row));
  }
}

// The last pass takes its column from the pole before; wrap_adjusted tells it to step forward again.
void MainModule::step_back_last_pass(const StepBackLines& lines) {
  ProgramState& s = *s_;
  if (when(lines.test, at_last_pass())) {
    assign(lines.step_back, s.pole_index, X(s.pole_index) - 1);
    assign(lines.mark, s.wrap_adjusted, 1);
  } else {
    assign(lines.keep, s.pole_index, X(s.pole_index));
    assign(lines.unmark, s.wrap_adjusted, 0);
  }
}

// text_row of a go pass: one row lower at the wrap pole, except in the last pass; row_index
// leaves as it came.
void MainModule::place_go_row(const GoRowLines& lines) {
  ProgramState& s = *s_;
  if (when(lines.lower, at_wrap_pole())) assign(lines.lower, s.row_index, X(s.row_index) + 1);
  if (when(lines.stay, at_last_pass())) assign(lines.stay, s.row_index, X(s.row_index) - 1);
  assign(lines.row, s.text_row, round16(X(s.row_step) / 2) + X(s.row_step) * X(s.row_index) + X(s.row_offset));
  if (when(lines.undo_lower, at_wrap_pole())) assign(lines.undo_lower, s.row_index, X(s.row_index) - 1);
  if (when(lines.undo_stay, at_last_pass())) assign(lines.undo_stay, s.row_index, X(s.row_index) + 1);
}

// text_row of a return pass, counted upwards from the bottom of the phase's rows.
void MainModule::place_return_row(const ReturnRowLines& lines) {
  ProgramState& s = *s_;
  if (when(lines.raise, at_wrap_pole())) assign(lines.raise, s.row_index, X(s.row_index) + 1);
  if (when(lines.stay, at_last_pass())) assign(lines.stay, s.row_index, X(s.row_index) - 1);
  assign(lines.base, s.return_row_base, X(s.phase_start_row) * 2 + X(s.belt_size) - 1);
  assign(lines.counted, s.return_row, X(s.return_row_base) - X(s.row_index));
  assign(lines.row, s.text_row, round16(X(s.row_step) / 2) + X(s.row_step) * X(s.return_row) + X(s.row_offset));
  if (when(lines.undo_raise, at_wrap_pole())) assign(lines.undo_raise, s.row_index, X(s.row_index) - 1);
  if (when(lines.undo_stay, at_last_pass())) assign(lines.undo_stay, s.row_index, X(s.row_index) + 1);
}

// Odd poles, and whatever lands in pole column 1, sit in the even numbers' sub-column.
void MainModule::set_return_left_column(const ReturnLeftColumnLines& lines) {
  ProgramState& s = *s_;
  if (when(lines.test, X(s.pole_index) != doubled_half(s.pole_index))) {
    assign(lines.set, s.left_column_flag, 1);
  } else {
    assign(lines.clear, s.left_column_flag, 0);
  }
  if (when(lines.first_column, X(s.mirrored_pole) == 1)) assign(lines.first_column, s.left_column_flag, 1);
}

// From the circle of the pole before (start_dx from its centre) to this pole's circle (end_dx).
void MainModule::set_link_ends(const LinkEndLines& lines, const FloatArray& xs, const FloatArray& ys, ext start_dx,
                               ext end_dx) {
  ProgramState& s = *s_;
  assign(lines.x1, s.link_x1, element(xs, X(s.pole_index) - 1) + start_dx);
  assign(lines.y1, s.link_y1, element(ys, X(s.pole_index) - 1));
  assign(lines.x2, s.link_x2, element(xs, X(s.pole_index)) + end_dx);
  assign(lines.y2, s.link_y2, element(ys, X(s.pole_index)));
}

void MainModule::set_link_midpoint(std::int32_t x_line, std::int32_t y_line) {
  ProgramState& s = *s_;
  assign(x_line, s.link_mid_x, X(s.link_x1) + (X(s.link_x2) - X(s.link_x1)) / 2);
  assign(y_line, s.link_mid_y, X(s.link_y1) + (X(s.link_y2) - X(s.link_y1)) / 2);
}

// A line to the bend point, a circle of radius 2 there and a line on; one half dashed.
void MainModule::draw_bent_link(const BentLinkLines& lines, ext bend_y, DashedHalf dashed) {
  const ProgramState& s = *s_;
  const ext colour = X(s.draw_colour);
  if (dashed == DashedHalf::first) {
    draw_line(lines.first_half, X(s.link_x1), X(s.link_y1), X(s.link_mid_x), bend_y, colour, kDashed);
  } else {
    draw_line(lines.first_half, X(s.link_x1), X(s.link_y1), X(s.link_mid_x), bend_y, colour);
  }
  draw_circle(lines.bend, X(s.link_mid_x), bend_y, 2, colour);
  if (dashed == DashedHalf::second) {
    draw_line(lines.second_half, X(s.link_mid_x), bend_y, X(s.link_x2), X(s.link_y2), colour, kDashed);
  } else {
    draw_line(lines.second_half, X(s.link_mid_x), bend_y, X(s.link_x2), X(s.link_y2), colour);
  }
}

// A solid line with an arrow head at (link_x2, link_y2), its lines starting head_dx to the side;
// left out when it ends left of the screen or starts right of it.
void MainModule::draw_arrow_link(const ArrowLinkLines& lines, ext head_dx) {
  const ProgramState& s = *s_;
  const ext colour = X(s.draw_colour);
  // Each skip is a jump to the end label, so the second test runs only when the first did not jump.
  if (!when(lines.skip_left, X(s.link_x2) < 0) && !when(lines.skip_right, X(s.link_x1) > 640)) {
    draw_line(lines.shaft, X(s.link_x1), X(s.link_y1), X(s.link_x2), X(s.link_y2), colour);
    draw_line(lines.head_upper, X(s.link_x2) + head_dx, X(s.link_y2) - 4, X(s.link_x2), X(s.link_y2), colour);
    draw_line(lines.head_lower, X(s.link_x2) + head_dx, X(s.link_y2) + 4, X(s.link_x2), X(s.link_y2), colour);
  }
  frame(lines.end_label);
}

}  // namespace scheme
