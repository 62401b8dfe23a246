// Lines 225 to 264: the reset before the tracing, the phase loop over U, V and W, and the
// start block of every phase with its terminal labels (the end label of the phase before,
// then the start label of this one).
#include "scheme/main_module.h"

namespace scheme {

void MainModule::reset_for_tracing() {
  ProgramState& s = *s_;
  set_color(225, 15);
  assign(226, s.step_delay, 1);
  assign(227, s.row_index, 1);
}

void MainModule::trace_phases() {
  ProgramState& s = *s_;
  ForLoopState phase_loop(s.phase_index, 1, 3);
  while (next_pass(phase_loop, 228)) {
    label_phase_start();
    trace_go_half();
    draw_lead();
    trace_return_half();
  }
}

void MainModule::label_phase_start() {
  ProgramState& s = *s_;
  if (when(229, X(s.phase_index) == 1)) {
    assign(230, s.phase_start_row, 1);
    assign(231, s.text_column, round16(X(s.column_step) / 2) + X(s.column_offset));
    assign(232, s.text_row, round16(X(s.row_step) / 2) + X(s.row_step) * X(s.row_index) + X(s.row_offset));
    locate(233, X(s.text_row) - 1, X(s.text_column) - 1);
    set_color(234, 15);
    print(235, {text("U1")});
    assign(236, s.phase_column_shift, 0);
    assign(237, s.draw_colour, 15);
  }
  if (when(240, X(s.phase_index) == 2)) {
    locate(241, X(s.text_row) - 1, X(s.text_column) + 4);
    set_color(242, 7);
    print(243, {text("U2")});
    assign(244, s.draw_colour, 12);
    assign(245, s.phase_start_row, (X(s.belt_size) + 1) + (X(s.belt_size) + 1) + 1);
    assign(246, s.phase_column_shift, 0);
    assign(247, s.text_column, round16(X(s.column_step) / 2) + X(s.column_offset));
    assign(248, s.text_row,
           round16(X(s.row_step) / 2) + X(s.row_step) * X(s.phase_start_row) + X(s.row_offset));
    locate(249, X(s.text_row) - 1, X(s.text_column) - 1);
    set_color(250, 12);
    print(251, {text("V1")});
  }
  if (when(253, X(s.phase_index) == 3)) {
    locate(254, X(s.text_row) - 1, X(s.text_column) + 4);
    set_color(255, 4);
    print(256, {text("V2")});
    assign(257, s.draw_colour, 9);
    assign(258, s.phase_column_shift, 1);
    assign(259, s.phase_start_row, X(s.belt_size) + 1 + 1);
    assign(260, s.text_column,
           round16(X(s.column_step) / 2) + X(s.column_step) * X(s.phase_column_shift) + X(s.column_offset));
    assign(261, s.text_row,
           round16(X(s.row_step) / 2) + X(s.row_step) * X(s.phase_start_row) + X(s.row_offset));
    locate(262, X(s.text_row) - 1, X(s.text_column) - 1);
    set_color(263, 9);
    print(264, {text("W1")});
  }
}

}  // namespace scheme
