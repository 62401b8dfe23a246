// The rules every statement of the routine follows: the frame, stores in single precision,
// conditions, counted loops, array elements, conversions, and the runtime calls with their
// argument conventions.
#include <limits>

#include "scheme/main_module.h"

namespace scheme {

static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<long double>::is_iec559,
              "stores and evaluation rely on IEEE 754 rounding, infinities and NaN");

namespace {
using screen::CircleGiven;
using screen::ColorGiven;
using screen::CursorGiven;
using screen::LineGiven;
constexpr std::uint16_t kSolid = 0xFFFF;

float single(ext value) { return static_cast<float>(value); }
}  // namespace

ForLoopState::ForLoopState(float& variable, ext start, ext limit)
    : variable_(variable), counter_(static_cast<double>(start)), limit_(static_cast<double>(limit)) {}

bool ForLoopState::pass() {
  if (started_) counter_ = static_cast<double>(X(variable_) + static_cast<ext>(step_));
  started_ = true;
  variable_ = single(counter_);
  return !(counter_ > limit_);
}

void MainModule::frame(std::int32_t line_number) {
  ++frames_run_;
  if (observer_ != nullptr) observer_->on_frame(line_number);
  if (rt_.words.event_flag.load(std::memory_order_acquire) != 0) rt_.statement_check(line_number);
}

void MainModule::assign(std::int32_t line_number, float& variable, ext value) {
  variable = single(value);
  frame(line_number);
}

bool MainModule::when(std::int32_t line_number, bool condition) {
  const bool taken = condition || rt_.words.pending_error.load(std::memory_order_acquire) != 0;
  if (taken) frame(line_number);
  return taken;
}

bool MainModule::next_pass(ForLoopState& loop, std::int32_t line_number) {
  if (!loop.pass()) return false;
  frame(line_number);
  return true;
}

ext MainModule::element(const FloatArray& array, ext index) {
  const auto converted = static_cast<std::uint32_t>(screen::ScreenRuntime::round_extended_to_int64(index));
  return array[rt_.check_array_index(converted, kArrayElements)];
}

void MainModule::store(std::int32_t line_number, FloatArray& array, ext index, ext value) {
  const auto converted = static_cast<std::uint32_t>(screen::ScreenRuntime::round_extended_to_int64(index));
  const std::uint32_t checked = rt_.check_array_index(converted, kArrayElements);
  if (rt_.words.pending_error.load(std::memory_order_acquire) == 0) array[checked] = single(value);
  frame(line_number);
}

std::int32_t MainModule::to_int(ext value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(screen::ScreenRuntime::round_extended_to_int64(value)));
}

ext MainModule::round16(ext value) { return rt_.round_double_to_int16(static_cast<double>(value)); }

ext MainModule::floor_of(ext value) { return screen::ScreenRuntime::floor(static_cast<double>(value)); }

void MainModule::set_color(std::int32_t line_number, ext colour) {
  rt_.set_color(to_int(colour), 0, 0, ColorGiven::foreground);
  frame(line_number);
}

void MainModule::locate(std::int32_t line_number, ext row, ext column) {
  rt_.locate_cursor(to_int(row), to_int(column), 0, 0, 0, CursorGiven::row | CursorGiven::column);
  frame(line_number);
}

PrintItem MainModule::number(float value) { return text(screen::ScreenRuntime::single_to_text(value) + " "); }

void MainModule::print(std::int32_t line_number, std::initializer_list<PrintItem> items) {
  for (const PrintItem& item : items) {
    if (item.kind == PrintItem::Kind::comma) {
      rt_.print_next_zone();
    } else {
      rt_.fit_print_line(item.text);
      rt_.print_string(item.text, 0);
    }
  }
  rt_.print_string("", 1);
  frame(line_number);
}

void MainModule::input(std::int32_t line_number, const std::string& prompt, float& target) {
  rt_.print_string(prompt, 0);
  rt_.input_variable_pointers[1] = &target;
  rt_.input_variable_types[1] = screen::kSingleTypeCode;
  rt_.input_values(1, 1);
  if (rt_.words.stop_flag.load(std::memory_order_acquire) != 0) rt_.stop_program_thread();
  frame(line_number);
}

void MainModule::draw_line(std::int32_t line_number, ext x1, ext y1, ext x2, ext y2) {
  rt_.draw_line(single(x1), single(y1), single(x2), single(y2), 0, 0, kSolid, LineGiven::first_point);
  frame(line_number);
}

void MainModule::draw_line(std::int32_t line_number, ext x1, ext y1, ext x2, ext y2, ext colour) {
  rt_.draw_line(single(x1), single(y1), single(x2), single(y2), to_int(colour), 0, kSolid,
                LineGiven::first_point | LineGiven::colour);
  frame(line_number);
}

void MainModule::draw_line(std::int32_t line_number, ext x1, ext y1, ext x2, ext y2, ext colour, std::uint16_t style) {
  rt_.draw_line(single(x1), single(y1), single(x2), single(y2), to_int(colour), 0, style,
                LineGiven::first_point | LineGiven::colour | LineGiven::style);
  frame(line_number);
}

void MainModule::draw_circle(std::int32_t line_number, ext x, ext y, ext radius) {
  rt_.draw_circle(static_cast<double>(x), static_cast<double>(y), static_cast<double>(radius), 0, 0, 0, 0,
                  screen::kNoFlags);
  frame(line_number);
}

void MainModule::draw_circle(std::int32_t line_number, ext x, ext y, ext radius, ext colour) {
  rt_.draw_circle(static_cast<double>(x), static_cast<double>(y), static_cast<double>(radius), to_int(colour), 0, 0,
                  0, CircleGiven::colour);
  frame(line_number);
}

// One key; "-" doubles and "+" halves the seconds per step; then the wait.
void MainModule::animation_step(std::int32_t key_line, std::int32_t minus_line, std::int32_t plus_line,
                                std::int32_t delay_line) {
  ProgramState& s = *s_;
  screen::ScreenRuntime::assign_string(s.last_key, rt_.read_key_string());
  frame(key_line);
  if (when(minus_line, screen::ScreenRuntime::strings_equal(s.last_key, rt_.char_string(45)) != 0)) {
    assign(minus_line, s.step_delay, X(s.step_delay) + X(s.step_delay));
  }
  if (when(plus_line, screen::ScreenRuntime::strings_equal(s.last_key, rt_.char_string(43)) != 0)) {
    assign(plus_line, s.step_delay, X(s.step_delay) / 2);
  }
  rt_.delay_seconds(static_cast<double>(s.step_delay));
  frame(delay_line);
}

}  // namespace scheme
