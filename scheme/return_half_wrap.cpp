// Phase W's return-half copies (lines 452 to 506): every pass is drawn once more one lap
// (p' pole columns) further left, with its own centres in wrap_marker_x/y and a connection from
// the previous copy. Drawn right after the pass's animation step, with no step of their own.
#include "scheme/main_module.h"
#include "scheme/trace_geometry.h"

namespace scheme {

void MainModule::copy_return_half_wrap() {
  ProgramState& s = *s_;
  if (!when(452, X(s.phase_index) == 3)) return;
  step_back_last_pass({453, 454, 455, 457, 458});
  assign(460, s.mirrored_pole, X(s.pole_pairs) + 2 - X(s.pole_index));
  set_return_left_column({461, 462, 464, 466});
  assign(467, s.text_column,
         round16(X(s.column_step) / 2) + X(s.column_step) * (X(s.mirrored_pole) - 1 + X(s.phase_column_shift)) +
             X(s.column_offset) - X(s.column_step) * X(s.pole_pairs) - X(s.left_column_flag) * X(s.column_step) / 4);
  if (when(468, X(s.wrap_adjusted) == 1)) assign(468, s.pole_index, X(s.pole_index) + 1);
  place_return_row({469, 470, 471, 472, 473, 474, 475});
  store(476, s.wrap_marker_x, X(s.pole_index), centre_x_of_column(X(s.text_column)));
  store(477, s.wrap_marker_y, X(s.pole_index), centre_y_of_row(X(s.text_row)));
  draw_circle(478, element(s.wrap_marker_x, X(s.pole_index)), element(s.wrap_marker_y, X(s.pole_index)),
              X(s.marker_radius), X(s.draw_colour));
  if (when(479, X(s.pole_index) != doubled_half(s.pole_index))) {
    if (when(480, element(s.wrap_marker_x, X(s.pole_index) - 1) != 0)) {
      set_link_ends({481, 482, 483, 484}, s.wrap_marker_x, s.wrap_marker_y, -15, 15);
      set_link_midpoint(485, 486);
      [&] {
        if (when(487, at_last_pass())) return;
        assign(488, s.bend_height, -X(s.row_step) * 480 / 60);
        if (when(489, at_wrap_pole())) assign(489, s.bend_height, 0);
        if (when(490, X(s.link_x2) < 0)) return;
        if (when(491, X(s.link_x1) > 640)) return;
        draw_bent_link({492, 493, 494}, X(s.link_mid_y) - X(s.bend_height), DashedHalf::second);
      }();
      frame(495);
    }
  } else {
    const ext link_offset = X(s.column_step) * 640 / 400;
    set_link_ends({497, 498, 499, 500}, s.wrap_marker_x, s.wrap_marker_y, -link_offset, link_offset);
    draw_arrow_link({501, 502, 503, 504, 505, 506}, 8);
  }
}

}  // namespace scheme
