// The lead between a phase's go and return halves (lines 370 to 379): dashed from the go half's
// last connection end to a small circle, solid on one pole column further right; the phase
// colour switches to the return half's.
#include "scheme/main_module.h"

namespace scheme {

namespace {
constexpr std::uint16_t kDashed = 0xFF00;
}  // namespace

void MainModule::draw_lead() {
  ProgramState& s = *s_;
  assign(370, s.lead_end_x, X(s.link_x2) + X(s.column_step) * 640 / 80);
  assign(371, s.link_x2, X(s.link_x2) + 30);
  assign(372, s.lead_mid_x, X(s.link_x1) + (X(s.lead_end_x) - X(s.link_x1)) / 2);
  draw_line(373, X(s.link_x2), X(s.link_y2), X(s.lead_mid_x), X(s.link_y2) + X(s.bend_height), X(s.draw_colour),
            kDashed);
  draw_circle(374, X(s.lead_mid_x), X(s.link_y2) + X(s.bend_height), 3, X(s.draw_colour));
  if (when(375, X(s.phase_index) == 1)) assign(375, s.draw_colour, 7);
  if (when(376, X(s.phase_index) == 2)) assign(376, s.draw_colour, 4);
  if (when(377, X(s.phase_index) == 3)) assign(377, s.draw_colour, 1);
  draw_line(378, X(s.lead_mid_x), X(s.link_y2) + X(s.bend_height), X(s.lead_end_x), X(s.link_y2), X(s.draw_colour));
  set_color(379, X(s.draw_colour));
}

}  // namespace scheme
