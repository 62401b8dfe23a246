#pragma once
// The winding-scheme routine: one straight run of numbered statements (lines 1 to 527) over
// one program state, on the screen runtime. Each phase is a member function; each statement
// is one call that carries its line number and ends with the statement frame.
//
// Rules every statement follows (statement_rules.cpp):
// - Expressions are evaluated in extended precision (`ext`) and stored in single precision.
// - After every statement the frame runs: statement_check(line) when the event flag is set.
// - A conditional's branch is taken when its condition holds or an error is pending after it.
// - Counted loops keep counter, limit and step in double precision (ForLoopState).
// - Array elements: a bad index raises error 9; a store is then skipped, a load uses element 0.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

#include "scheme/program_state.h"
#include "screen/runtime.h"

namespace scheme {

using ext = long double;  // 64-bit mantissa on x86-64
inline ext X(float value) { return static_cast<ext>(value); }

// Sees every statement frame, whether or not the event flag is set. Not the delay's
// line-0 checks.
class FrameObserver {
 public:
  virtual ~FrameObserver() = default;
  virtual void on_frame(std::int32_t line_number) = 0;
};

// A counted loop with step 1.
// - The limit is evaluated once, at entry, and kept in double precision.
// - Each pass first sets the variable (single precision) from the counter, then ends the loop
//   when counter > limit (false for a value that is not a number).
// - The next counter is the variable's current value + 1, so changes made by the body carry on.
class ForLoopState {
 public:
  ForLoopState(float& variable, ext start, ext limit);
  bool pass();

 private:
  float& variable_;
  double counter_ = 0.0;
  double limit_ = 0.0;
  double step_ = 1.0;
  bool started_ = false;
};

struct PrintItem {
  enum class Kind { text, comma };
  Kind kind = Kind::text;
  std::string text;
};

class MainModule {
 public:
  explicit MainModule(screen::ScreenRuntime& runtime, FrameObserver* observer = nullptr);

  // main_module: runs lines 1 to 527; ends inside end_program or statement_check.
  [[noreturn]] void run();

  // The program state; valid once run() has started.
  const ProgramState& state() const { return *s_; }
  std::int64_t frames_run() const { return frames_run_; }

 private:
  // Phases, in the order they run.
  void allocate_program_variables();
  void setup_screen();
  void draw_scheme_icons();
  void read_parameters();
  void choose_layout();
  void print_odd_table();
  void print_even_table();
  void choose_marker_layout();
  void draw_belt_markers();
  void reset_for_tracing();
  void trace_phases();
  void label_phase_start();
  void trace_go_half();
  void copy_go_half_wrap();
  void draw_lead();
  void trace_return_half();
  void copy_return_half_wrap();
  [[noreturn]] void finish_and_wait();

  // --- Statement rules ---
  void frame(std::int32_t line_number);
  void assign(std::int32_t line_number, float& variable, ext value);
  bool when(std::int32_t line_number, bool condition);
  bool next_pass(ForLoopState& loop, std::int32_t line_number);
  ext element(const FloatArray& array, ext index);
  void store(std::int32_t line_number, FloatArray& array, ext index, ext value);

  // --- Conversions ---
  std::int32_t to_int(ext value);   // nearest, ties to even; low 32 bits
  ext round16(ext value);           // round_double_to_int16 of the value as a double
  ext floor_of(ext value);          // floor of the value as a double

  // --- Statements on the screen runtime; each runs its frame ---
  void set_color(std::int32_t line_number, ext colour);
  void locate(std::int32_t line_number, ext row, ext column);
  void print(std::int32_t line_number, std::initializer_list<PrintItem> items);
  static PrintItem text(std::string value) { return {PrintItem::Kind::text, std::move(value)}; }
  static PrintItem number(float value);
  static PrintItem comma() { return {PrintItem::Kind::comma, {}}; }
  void input(std::int32_t line_number, const std::string& prompt, float& target);
  void draw_line(std::int32_t line_number, ext x1, ext y1, ext x2, ext y2);  // foreground colour, solid
  void draw_line(std::int32_t line_number, ext x1, ext y1, ext x2, ext y2, ext colour);
  void draw_line(std::int32_t line_number, ext x1, ext y1, ext x2, ext y2, ext colour, std::uint16_t style);
  void draw_circle(std::int32_t line_number, ext x, ext y, ext radius);  // foreground colour
  void draw_circle(std::int32_t line_number, ext x, ext y, ext radius, ext colour);
  void animation_step(std::int32_t key_line, std::int32_t minus_line, std::int32_t plus_line,
                      std::int32_t delay_line);

  // --- Tracing: statements the go and return halves share; each use names its own lines ---
  struct CoilRowLines { std::int32_t advance, phase_u, phase_v, phase_w; };
  struct StepBackLines { std::int32_t test, step_back, mark, keep, unmark; };
  struct GoRowLines { std::int32_t lower, stay, row, undo_lower, undo_stay; };
  struct ReturnRowLines { std::int32_t raise, stay, base, counted, row, undo_raise, undo_stay; };
  struct ReturnLeftColumnLines { std::int32_t test, set, clear, first_column; };
  struct LinkEndLines { std::int32_t x1, y1, x2, y2; };
  struct BentLinkLines { std::int32_t first_half, bend, second_half; };
  struct ArrowLinkLines { std::int32_t skip_left, skip_right, shaft, head_upper, head_lower, end_label; };
  enum class DashedHalf { first, second };
  bool at_wrap_pole() const;   // pole_index = pole_pairs + 1
  bool at_last_pass() const;   // ... and coil_index = belt_size
  void start_coil_row(const CoilRowLines& lines);
  void step_back_last_pass(const StepBackLines& lines);
  void place_go_row(const GoRowLines& lines);
  void place_return_row(const ReturnRowLines& lines);
  void set_return_left_column(const ReturnLeftColumnLines& lines);
  void set_link_ends(const LinkEndLines& lines, const FloatArray& xs, const FloatArray& ys, ext start_dx,
                     ext end_dx);
  void set_link_midpoint(std::int32_t x_line, std::int32_t y_line);
  void draw_bent_link(const BentLinkLines& lines, ext bend_y, DashedHalf dashed);
  void draw_arrow_link(const ArrowLinkLines& lines, ext head_dx);

  screen::ScreenRuntime& rt_;
  FrameObserver* observer_ = nullptr;
  ProgramState* s_ = nullptr;
  std::int64_t frames_run_ = 0;
};

// The program thread's routine.
[[noreturn]] void main_module(screen::ScreenRuntime& runtime, FrameObserver* observer = nullptr);

}  // namespace scheme
