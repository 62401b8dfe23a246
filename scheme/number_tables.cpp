// Lines 113 to 168: the odd-number and the even-number table, one animation step and one
// printed number per row of every pole column, coloured by phase belt.
#include "scheme/main_module.h"

namespace scheme {

void MainModule::print_odd_table() {
  ProgramState& s = *s_;
  ForLoopState pole_loop(s.pole_index, 1, X(s.pole_pairs) + 1);
  while (next_pass(pole_loop, 113)) {
    assign(114, s.column_entry, 0);
    ForLoopState row_loop(s.row_index, 1, X(s.pole_pitch));
    while (next_pass(row_loop, 115)) {
      animation_step(116, 117, 118, 120);
      assign(121, s.entry_counter, X(s.entry_counter) + 1);
      assign(122, s.column_entry, X(s.column_entry) + 1);
      assign(123, s.belt_index, floor_of((X(s.column_entry) + X(s.belt_size) - 1) / X(s.belt_size)));
      if (when(124, X(s.belt_index) == 1)) assign(124, s.draw_colour, 15);
      if (when(125, X(s.belt_index) == 2)) assign(125, s.draw_colour, 9);
      if (when(126, X(s.belt_index) == 3)) assign(126, s.draw_colour, 12);
      assign(127, s.text_column,
             round16(X(s.column_step) / 2) + X(s.column_step) * (X(s.pole_index) - 1) + X(s.column_offset));
      assign(128, s.text_row,
             round16(X(s.row_step) / 2) + X(s.row_step) * X(s.row_index) + (X(s.belt_index) - 1) * X(s.row_step) +
                 X(s.row_offset));
      set_color(129, X(s.draw_colour));
      locate(132, X(s.text_row), X(s.text_column));
      assign(133, s.slot_number, X(s.entry_counter) + X(s.entry_counter) - 1);
      if (when(134, X(s.slot_number) > X(s.slot_total))) assign(134, s.slot_number, X(s.slot_number) - X(s.slot_total));
      print(135, {number(s.slot_number)});
    }
  }
}

void MainModule::print_even_table() {
  ProgramState& s = *s_;
  assign(140, s.entry_counter, -X(s.layer_shift));
  ForLoopState pole_loop(s.pole_index, 1, X(s.pole_pairs) + 1);
  while (next_pass(pole_loop, 141)) {
    assign(142, s.column_entry, 0);
    ForLoopState row_loop(s.row_index, 1, X(s.pole_pitch));
    while (next_pass(row_loop, 143)) {
      animation_step(144, 145, 146, 148);
      assign(149, s.entry_counter, X(s.entry_counter) + 1);
      assign(150, s.column_entry, X(s.column_entry) + 1);
      assign(151, s.belt_index, floor_of((X(s.column_entry) + X(s.belt_size) - 1) / X(s.belt_size)));
      if (when(152, X(s.belt_index) == 1)) assign(152, s.draw_colour, 15);
      if (when(153, X(s.belt_index) == 2)) assign(153, s.draw_colour, 9);
      if (when(154, X(s.belt_index) == 3)) assign(154, s.draw_colour, 12);
      assign(155, s.text_column,
             round16(X(s.column_step) / 4) + X(s.column_step) * (X(s.pole_index) - 1) + X(s.column_offset));
      assign(156, s.text_row,
             round16(X(s.row_step) / 2) + X(s.row_step) * X(s.row_index) + (X(s.belt_index) - 1) * X(s.row_step) +
                 X(s.row_offset));
      set_color(157, X(s.draw_colour));
      if (when(160, X(s.entry_counter) < 1)) {
        assign(161, s.slot_number, X(s.entry_counter) + X(s.half_slot_total));
      } else {
        assign(163, s.slot_number, X(s.entry_counter));
      }
      assign(165, s.slot_number, X(s.slot_number) + X(s.slot_number));
      locate(166, X(s.text_row), X(s.text_column));
      if (when(167, X(s.slot_number) > X(s.slot_total))) assign(167, s.slot_number, X(s.slot_number) - X(s.slot_total));
      print(168, {number(s.slot_number)});
    }
  }
}

}  // namespace scheme
