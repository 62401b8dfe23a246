// Placeholder phases until the header, input, tables, markers and labels land.
#include "scheme/main_module.h"

namespace scheme {

void MainModule::setup_screen() {}
void MainModule::draw_scheme_icons() {}
void MainModule::read_parameters() {}
void MainModule::choose_layout() {}
void MainModule::print_odd_table() {}
void MainModule::print_even_table() {}
void MainModule::choose_marker_layout() {}
void MainModule::draw_belt_markers() {}
void MainModule::reset_for_tracing() {}
void MainModule::trace_phases() {}
void MainModule::label_phase_start() {}
void MainModule::finish_and_wait() { rt_.end_program(); }

}  // namespace scheme
