// Phase W's go-half copies (lines 332 to 364): the passes at poles p' and p' + 1 fall into or
// beyond the last pole column, so they are drawn once more one lap (p' pole columns) further
// left and joined there. Drawn right after the pass's animation step, with no step of their own.
#include "scheme/main_module.h"
#include "scheme/trace_geometry.h"

namespace scheme {

void MainModule::copy_go_half_wrap() {
  ProgramState& s = *s_;
  if (when(332, (X(s.phase_index) == 3) & (X(s.pole_index) == X(s.pole_pairs)))) {
    assign(333, s.text_column, X(s.text_column) - X(s.column_step) * X(s.pole_pairs));
    store(334, s.marker_x, X(s.pole_index), centre_x_of_column(X(s.text_column)));
    draw_circle(335, element(s.marker_x, X(s.pole_index)), element(s.marker_y, X(s.pole_index)),
                X(s.marker_radius), X(s.draw_colour));
    assign(336, s.text_column, X(s.text_column) + X(s.column_step) * X(s.pole_pairs));
    store(337, s.marker_x, X(s.pole_index), centre_x_of_column(X(s.text_column)));
  }
  if (when(340, (X(s.phase_index) == 3) & at_wrap_pole())) {
    assign(341, s.text_column, X(s.text_column) - X(s.column_step) * X(s.pole_pairs));
    if (when(342, X(s.wrap_adjusted) == 1)) assign(342, s.pole_index, X(s.pole_index) + 1);
    place_go_row({343, 344, 345, 346, 347});
    store(348, s.marker_x, X(s.pole_index), centre_x_of_column(X(s.text_column)));
    store(349, s.marker_y, X(s.pole_index), centre_y_of_row(X(s.text_row)));
    draw_circle(350, element(s.marker_x, X(s.pole_index)), element(s.marker_y, X(s.pole_index)),
                X(s.marker_radius), X(s.draw_colour));
    if (when(351, element(s.marker_x, X(s.pole_index) - 1) != 0)) {
      // marker_x(p') holds the pass's own centre again: less one lap, it is block A's copy.
      assign(352, s.link_x1,
             element(s.marker_x, X(s.pole_index) - 1) + 15 - X(s.column_step) * X(s.pole_pairs) * 640 / 80);
      assign(353, s.link_y1, element(s.marker_y, X(s.pole_index) - 1));
      assign(354, s.link_x2, element(s.marker_x, X(s.pole_index)) - 15);
      assign(355, s.link_y2, element(s.marker_y, X(s.pole_index)));
      set_link_midpoint(356, 357);
      [&] {
        if (when(358, (X(s.pole_index) == X(s.pole_pairs) + 2) & (X(s.coil_index) == X(s.belt_size)))) return;
        if (when(359, X(s.link_x2) < 0)) return;
        if (when(360, X(s.link_x1) > 640)) return;
        draw_bent_link({361, 362, 363}, X(s.link_mid_y), DashedHalf::first);
      }();
      frame(364);
    }
  }
}

}  // namespace scheme
