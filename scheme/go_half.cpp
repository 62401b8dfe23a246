// The go half of a phase (lines 266 to 331): coil by coil, the pole columns from left to right,
// one circle, one connection and one animation step per pass; phase W's copies follow each step.
#include "scheme/main_module.h"
#include "scheme/trace_geometry.h"

namespace scheme {

void MainModule::trace_go_half() {
  ProgramState& s = *s_;
  assign(266, s.marker_radius, 15);
  ForLoopState coils(s.coil_index, 1, X(s.belt_size));
  while (next_pass(coils, 270)) {
    start_coil_row({271, 272, 273, 274});
    ForLoopState poles(s.pole_index, 1, X(s.pole_pairs) + 1);
    while (next_pass(poles, 275)) {
      step_back_last_pass({276, 277, 278, 280, 281});
      // Even poles sit a quarter pole column left, near the even numbers.
      if (when(283, X(s.pole_index) == doubled_half(s.pole_index))) {
        assign(284, s.left_column_flag, 1);
      } else {
        assign(286, s.left_column_flag, 0);
      }
      if (when(288, X(s.pole_index) == 1)) assign(288, s.left_column_flag, 0);
      assign(289, s.text_column,
             round16(X(s.column_step) / 2) + X(s.column_step) * (X(s.pole_index) - 1 + X(s.phase_column_shift)) +
                 X(s.column_offset) - X(s.left_column_flag) * X(s.column_step) / 4);
      if (when(290, X(s.wrap_adjusted) == 1)) assign(290, s.pole_index, X(s.pole_index) + 1);
      place_go_row({291, 292, 293, 294, 295});
      store(296, s.marker_x, X(s.pole_index), centre_x_of_column(X(s.text_column)));
      store(297, s.marker_y, X(s.pole_index), centre_y_of_row(X(s.text_row)));
      draw_circle(298, element(s.marker_x, X(s.pole_index)), element(s.marker_y, X(s.pole_index)),
                  X(s.marker_radius), X(s.draw_colour));
      if (when(299, X(s.pole_index) != doubled_half(s.pole_index))) {
        if (when(300, element(s.marker_x, X(s.pole_index) - 1) != 0)) {
          set_link_ends({301, 302, 303, 304}, s.marker_x, s.marker_y, 15, -15);
          set_link_midpoint(305, 306);
          [&] {
            if (when(307, at_last_pass())) return;
            assign(308, s.bend_height, X(s.row_step) * 480 / 60);
            if (when(309, at_wrap_pole())) assign(309, s.bend_height, 0);
            if (when(310, X(s.link_x2) < 0)) return;
            if (when(311, X(s.link_x2) > 640)) return;
            draw_bent_link({312, 313, 314}, X(s.link_mid_y) - X(s.bend_height), DashedHalf::first);
          }();
          frame(315);
        }
      } else {
        const ext link_offset = X(s.column_step) * 640 / 400;
        set_link_ends({317, 318, 319, 320}, s.marker_x, s.marker_y, link_offset, -link_offset);
        draw_arrow_link({321, 322, 323, 324, 325, 326}, -8);
      }
      animation_step(327, 328, 329, 331);
      copy_go_half_wrap();
    }
  }
}

}  // namespace scheme
