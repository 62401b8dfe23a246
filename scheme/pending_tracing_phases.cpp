// Placeholder phases until the phase tracing lands.
#include "scheme/main_module.h"

namespace scheme {

void MainModule::trace_go_half() {}
void MainModule::copy_go_half_wrap() {}
void MainModule::draw_lead() {}
void MainModule::trace_return_half() {}
void MainModule::copy_return_half_wrap() {}

}  // namespace scheme
