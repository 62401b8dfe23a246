// The return half of a phase (lines 383 to 449): coil by coil, the pole columns from right to
// left (mirrored_pole) and the phase's rows upwards; one circle, one connection and one
// animation step per pass; phase W's copy follows each step.
#include "scheme/main_module.h"
#include "scheme/trace_geometry.h"

namespace scheme {

void MainModule::trace_return_half() {
  ProgramState& s = *s_;
  ForLoopState coils(s.coil_index, 1, X(s.belt_size));
  while (next_pass(coils, 383)) {
    start_coil_row({384, 385, 386, 387});
    ForLoopState poles(s.pole_index, 1, X(s.pole_pairs) + 1);
    while (next_pass(poles, 389)) {
      step_back_last_pass({390, 391, 392, 394, 395});
      assign(397, s.mirrored_pole, X(s.pole_pairs) + 2 - X(s.pole_index));
      set_return_left_column({398, 399, 401, 403});
      assign(404, s.text_column,
             round16(X(s.column_step) / 2) + X(s.column_step) * (X(s.mirrored_pole) - 1 + X(s.phase_column_shift)) +
                 X(s.column_offset) - X(s.left_column_flag) * X(s.column_step) / 4);
      if (when(405, X(s.wrap_adjusted) == 1)) assign(405, s.pole_index, X(s.pole_index) + 1);
      place_return_row({406, 407, 408, 409, 410, 411, 412});
      store(413, s.marker_x, X(s.pole_index), centre_x_of_column(X(s.text_column)));
      store(414, s.marker_y, X(s.pole_index), centre_y_of_row(X(s.text_row)));
      // Only moves the text cursor: a later label whose own positioning fails prints here.
      locate(415, X(s.pole_index), X(s.phase_index) * 15);
      draw_circle(416, element(s.marker_x, X(s.pole_index)), element(s.marker_y, X(s.pole_index)),
                  X(s.marker_radius), X(s.draw_colour));
      if (when(417, X(s.pole_index) != doubled_half(s.pole_index))) {
        if (when(418, element(s.marker_x, X(s.pole_index) - 1) != 0)) {
          set_link_ends({419, 420, 421, 422}, s.marker_x, s.marker_y, -15, 15);
          set_link_midpoint(423, 424);
          [&] {
            if (when(425, at_last_pass())) return;
            assign(426, s.bend_height, -X(s.row_step) * 480 / 60);
            if (when(427, at_wrap_pole())) assign(427, s.bend_height, 0);
            if (when(428, X(s.link_x2) < 0)) return;
            if (when(429, X(s.link_x1) > 640)) return;
            draw_bent_link({430, 431, 432}, X(s.link_mid_y) - X(s.bend_height), DashedHalf::second);
          }();
          frame(433);
        }
      } else {
        const ext link_offset = X(s.column_step) * 640 / 400;
        set_link_ends({435, 436, 437, 438}, s.marker_x, s.marker_y, -link_offset, link_offset);
        draw_arrow_link({439, 440, 441, 442, 443, 444}, 8);
      }
      animation_step(445, 446, 447, 449);
      copy_return_half_wrap();
    }
  }
}

}  // namespace scheme
