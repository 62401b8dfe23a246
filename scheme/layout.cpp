// Lines 91 to 111 and 173 to 189: where the tables and the belt markers lie on the text grid.
// The offsets come from fixed values for the belt sizes 1 to 8; any other belt size (a
// fraction, zero, a negative value, an infinity, NaN) leaves them at 0.
#include "scheme/main_module.h"

namespace scheme {

void MainModule::choose_layout() {
  ProgramState& s = *s_;
  const ext q = X(s.belt_size);
  if (when(91, q == 1)) assign(91, s.column_offset, 2);
  if (when(92, q == 2)) assign(92, s.column_offset, 4);
  if (when(93, q == 3)) assign(93, s.column_offset, 4);
  if (when(94, q == 4)) assign(94, s.column_offset, 5);
  if (when(95, q == 5)) assign(95, s.column_offset, 5);
  if (when(96, q == 6)) assign(96, s.column_offset, 5);
  if (when(97, q == 7)) assign(97, s.column_offset, 5);
  if (when(98, q == 8)) assign(98, s.column_offset, 5);

  if (when(100, q == 1)) assign(100, s.row_offset, 2);
  if (when(101, q == 2)) assign(101, s.row_offset, 2);
  if (when(102, q == 3)) assign(102, s.row_offset, 4);
  if (when(103, q == 4)) assign(103, s.row_offset, -1);
  if (when(104, q == 5)) assign(104, s.row_offset, 7);
  if (when(105, q == 6)) assign(105, s.row_offset, 5);
  if (when(106, q == 7)) assign(106, s.row_offset, 3);
  if (when(107, q == 8)) assign(107, s.row_offset, 2);

  assign(109, s.column_step, round16(74 / (X(s.pole_pairs) + 1)));
  assign(110, s.row_step, round16(22 / (X(s.pole_pitch) + 2)));
  assign(111, s.entry_counter, 0);
}

void MainModule::choose_marker_layout() {
  ProgramState& s = *s_;
  const ext q = X(s.belt_size);
  if (when(173, q == 1)) assign(173, s.marker_column_offset, 2);
  if (when(174, q == 2)) assign(174, s.marker_column_offset, 4);
  if (when(175, q == 3)) assign(175, s.marker_column_offset, 4);
  if (when(176, q == 4)) assign(176, s.marker_column_offset, 5);
  if (when(177, q == 5)) assign(177, s.marker_column_offset, 5);
  if (when(178, q == 6)) assign(178, s.marker_column_offset, 5);
  if (when(179, q == 7)) assign(179, s.marker_column_offset, 5);
  if (when(180, q == 8)) assign(180, s.marker_column_offset, 5);

  if (when(182, q == 1)) assign(182, s.marker_row_offset, 5);
  if (when(183, q == 2)) assign(183, s.marker_row_offset, 4);
  if (when(184, q == 3)) assign(184, s.marker_row_offset, 5);
  if (when(185, q == 4)) assign(185, s.marker_row_offset, 0);
  if (when(186, q == 5)) assign(186, s.marker_row_offset, 7);
  if (when(187, q == 6)) assign(187, s.marker_row_offset, 5);
  if (when(188, q == 7)) assign(188, s.marker_row_offset, 3);
  if (when(189, q == 8)) assign(189, s.marker_row_offset, 2);
}

}  // namespace scheme
