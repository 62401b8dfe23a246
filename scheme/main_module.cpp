// The routine's entry: the program state, then the phases in their order.
#include "scheme/main_module.h"

#include <new>

#if defined(__x86_64__) || defined(__i386__)
#include <fpu_control.h>
#endif

namespace scheme {

MainModule::MainModule(screen::ScreenRuntime& runtime, FrameObserver* observer) : rt_(runtime), observer_(observer) {}

void MainModule::allocate_program_variables() {
#if defined(__x86_64__) || defined(__i386__)
  // Extended precision (64-bit mantissa) for every expression; exceptions stay masked.
  fpu_control_t control = 0;
  _FPU_GETCW(control);
  control = static_cast<fpu_control_t>((control & ~_FPU_EXTENDED) | _FPU_EXTENDED);
  _FPU_SETCW(control);
#endif
  void* storage = rt_.alloc_static(static_cast<std::int32_t>(sizeof(ProgramState)));
  s_ = new (storage) ProgramState{};
}

void MainModule::run() {
  allocate_program_variables();
  setup_screen();
  draw_scheme_icons();
  read_parameters();
  assign(86, s_->step_delay, 1);
  choose_layout();
  print_odd_table();
  print_even_table();
  choose_marker_layout();
  draw_belt_markers();
  reset_for_tracing();
  trace_phases();
  finish_and_wait();
}

void main_module(screen::ScreenRuntime& runtime, FrameObserver* observer) {
  MainModule module(runtime, observer);
  module.run();
}

}  // namespace scheme
