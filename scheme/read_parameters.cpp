// Lines 53 to 84: Z, p' and y1 typed on row 3, the quantities derived from them, and y1, z
// and m shown beside the prompts. No value is checked: the formulas take whatever was typed.
#include "scheme/main_module.h"

namespace scheme {

void MainModule::read_parameters() {
  ProgramState& s = *s_;
  set_color(53, 14);
  locate(55, 3, 7);
  input(56, " Z=", s.slot_total);
  locate(58, 3, 22);
  input(59, " p'=", s.pole_pairs);
  locate(61, 3, 37);
  input(62, " y1=", s.pitch_y1);

  assign(64, s.pitch_y1_shown, X(s.pitch_y1));
  assign(65, s.half_slot_total, X(s.slot_total) / 2);
  assign(66, s.phase_count, 3);
  assign(67, s.pole_pitch, X(s.half_slot_total) / X(s.pole_pairs));
  assign(68, s.belt_size, X(s.pole_pitch) / X(s.phase_count));
  assign(69, s.pitch_y1, (X(s.pitch_y1) - 1) / 2);
  assign(70, s.layer_shift, X(s.pole_pitch) - X(s.pitch_y1));

  set_color(73, 14);
  locate(74, 3, 37);
  print(75, {text(" y1="), comma(), number(s.pitch_y1_shown)});
  set_color(77, 11);
  locate(80, 3, 52);
  print(81, {text(" z="), number(s.pole_pitch)});
  locate(83, 3, 67);
  print(84, {text(" m = "), number(s.belt_size)});
}

}  // namespace scheme
