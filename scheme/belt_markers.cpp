// Lines 191 to 220: one marker above every phase belt of every pole column, a ring in the
// belt's colour holding a cross (odd count) or a dot (even count), one animation step each.
#include "scheme/main_module.h"

namespace scheme {

void MainModule::draw_belt_markers() {
  ProgramState& s = *s_;
  assign(191, s.entry_counter, 0);
  ForLoopState pole_loop(s.pole_index, 1, X(s.pole_pairs) + 1);
  while (next_pass(pole_loop, 192)) {
    ForLoopState belt_loop(s.row_index, 1, X(s.phase_count));
    while (next_pass(belt_loop, 194)) {
      animation_step(195, 196, 197, 199);
      assign(200, s.entry_counter, X(s.entry_counter) + 1);
      if (when(202, X(s.row_index) == 1)) assign(202, s.draw_colour, 15);
      if (when(203, X(s.row_index) == 2)) assign(203, s.draw_colour, 9);
      if (when(204, X(s.row_index) == 3)) assign(204, s.draw_colour, 12);
      assign(206, s.text_column,
             round16(X(s.column_step) * 3 / 8) + X(s.column_step) * (X(s.pole_index) - 1) +
                 X(s.marker_column_offset));
      assign(207, s.text_row, X(s.row_step) * (X(s.belt_size) + 1) * (X(s.row_index) - 1) + X(s.marker_row_offset));
      set_color(209, X(s.draw_colour));
      assign(210, s.pixel_x, X(s.text_column) * 640 / 80 + 2);
      assign(211, s.pixel_y, X(s.text_row) * 480 / 30 - 7);
      if (when(212, X(s.text_row) != 0)) locate(212, X(s.text_row), X(s.text_column));
      draw_circle(214, X(s.pixel_x), X(s.pixel_y), 5, X(s.draw_colour));
      // The doubled integer part is a stored (single-precision) value before the comparison.
      if (when(215, X(s.entry_counter) != X(static_cast<float>(floor_of(X(s.entry_counter) / 2) * 2)))) {
        draw_line(216, X(s.pixel_x) - 2, X(s.pixel_y) - 2, X(s.pixel_x) + 2, X(s.pixel_y) + 2);
        draw_line(217, X(s.pixel_x) - 2, X(s.pixel_y) + 2, X(s.pixel_x) + 2, X(s.pixel_y) - 2);
      } else {
        draw_circle(219, X(s.pixel_x), X(s.pixel_y), 1, X(s.draw_colour));
      }
    }
  }
}

}  // namespace scheme
