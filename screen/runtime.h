#pragma once
// The screen runtime: an emulated PC-style screen (a 640 x 480 image of 16 palette colours
// with an 80 x 30 text grid), text output, line input, a key ring, a delay and the end of
// the run. The program thread calls its operations; the window side reads the image, fills
// the key ring and sets the shared words.
//
// Invariants:
// - While words.pending_error is non-zero every operation that draws, prints, moves a cursor,
//   waits or reads a key returns at once with a harmless result (each operation says where
//   it departs from this).
// - The first recorded error wins; only statement_check clears it.
// - image_ and palette_ are written only by the program thread and only under image_mutex_;
//   every change of pixels or palette bumps image_version_ under that lock, so the frame
//   builder can skip unchanged screens.
// - Text rows and columns count from 1; the cursor always lies inside the text grid.
// - No request is lost between threads. A request sets its own flag (stop_flag, suspend_flag),
//   then event_flag, then notifies wake_. The program thread clears event_flag with a
//   sequentially consistent store (never a weaker one) before it reads the request flags, so a
//   request that comes between the clear and the reads leaves event_flag set for the next frame.
#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "screen/flag_set.h"
#include "screen/key_ring.h"
#include "screen/platform.h"
#include "screen/wake_signal.h"

namespace screen {

// Runtime error codes the program can meet, and their messages.
inline constexpr std::int32_t kIllegalFunctionCall = 5;
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kSubscriptOutOfRange = 9;
const char* error_message(std::int32_t code);

// Critical error numbers (message box, then the process ends with exit code 0).
inline constexpr std::int32_t kCriticalOutOfMemory = 4;
inline constexpr std::int32_t kCriticalInputPageCopy = 16;
inline constexpr std::int32_t kCriticalInputCursorCopy = 17;

// Thrown by stop_program_thread: the program thread is to be parked for good. The thread's
// entry catches it; nothing of the program runs after it.
struct ProgramStopped {};

inline constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xAAAAAA,
    0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};

// Words the threads share, polled without locks.
struct SharedWords {
  std::atomic<std::int32_t> pending_error{0};
  std::atomic<std::int32_t> event_flag{0};
  std::atomic<std::uint8_t> stop_flag{0};
  std::atomic<std::uint8_t> suspend_flag{0};
  std::atomic<std::uint8_t> program_ended_flag{0};
  std::atomic<std::uint32_t> exit_ok{0};        // kExitOk* bits
  // 1 requested, 2 granted, 0 released. The frame builder grants with compare_exchange(1, 2):
  // a request withdrawn by a stop (back to 0) is then never granted after its release.
  std::atomic<std::int32_t> lock_display{0};
  std::atomic<bool> automatic_display{true};
  std::atomic<bool> main_loop_started{false};
};
inline constexpr std::uint32_t kExitOkProgramThread = 1;
inline constexpr std::uint32_t kExitOkTimerThread = 2;

struct ScreenImage {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint8_t> pixels;  // palette indices, row by row, y growing downwards

  std::uint8_t at(std::int32_t x, std::int32_t y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  }
};

struct TextState {
  std::int32_t rows = 25;            // text rows of the mode (30 in mode 12)
  std::int32_t columns = 80;
  std::int32_t view_top = 1;         // the text window that new_line scrolls
  std::int32_t view_bottom = 24;
  std::int32_t row = 1;              // text cursor
  std::int32_t column = 1;
  bool newline_pending = false;      // a character ended in column 80 without a new line
  std::int32_t foreground = 7;
  std::int32_t background = 0;
};

struct GraphicsCursor {
  float x = 0.0F;
  float y = 0.0F;
};

// Flags of each operation's `given` argument: which of its optional arguments a call passes.
enum class ScreenModeGiven : std::uint32_t { mode = 1, active_page = 4, visual_page = 8 };
enum class ColorGiven : std::uint32_t { foreground = 1, background = 2 };
enum class CursorGiven : std::uint32_t { row = 1, column = 2 };
enum class LineGiven : std::uint32_t {
  first_point = 1,
  second_relative = 2,
  first_relative = 4,
  colour = 8,
  style = 16,
};
enum class CircleGiven : std::uint32_t { centre_relative = 1, colour = 2 };
template <> inline constexpr bool kFlagEnum<ScreenModeGiven> = true;
template <> inline constexpr bool kFlagEnum<ColorGiven> = true;
template <> inline constexpr bool kFlagEnum<CursorGiven> = true;
template <> inline constexpr bool kFlagEnum<LineGiven> = true;
template <> inline constexpr bool kFlagEnum<CircleGiven> = true;

// Type code of a single-precision input target: 32 bits, plus the floating-point flag.
inline constexpr std::uint32_t kSingleTypeCode = 32U | (1U << 29);

class ScreenRuntime {
 public:
  explicit ScreenRuntime(Platform& platform);
  ScreenRuntime(const ScreenRuntime&) = delete;
  ScreenRuntime& operator=(const ScreenRuntime&) = delete;

  SharedWords words;
  KeyRing keys;

  // --- Errors and the statement frame (run_control.cpp) ---
  void raise_error(std::int32_t code);
  void statement_check(std::int32_t line);
  [[noreturn]] void stop_program_thread();
  [[noreturn]] void end_program();
  [[noreturn]] void critical_error(std::int32_t number, const char* message);
  // The parked program thread: 16 ms sleeps for ever (the windowed program only).
  [[noreturn]] void park_program_thread();
  // True once end_program shows its prompt and waits for the last key.
  bool waiting_for_last_key() const { return waiting_for_last_key_.load(std::memory_order_acquire); }

  // --- Screen and window (screen_mode.cpp, text_output.cpp) ---
  void set_screen_mode(std::int32_t mode, std::int32_t colour_switch, std::int32_t active_page,
                       std::int32_t visual_page, std::int32_t refresh, FlagSet<ScreenModeGiven> given);
  void set_resize_mode(std::int32_t kind, std::int32_t mode);
  void set_window_title(const std::string& title);
  void set_color(std::int32_t foreground, std::int32_t background, std::int32_t border, FlagSet<ColorGiven> given);

  // --- Text (text_output.cpp, number_text.cpp) ---
  void locate_cursor(std::int32_t row, std::int32_t column, std::int32_t visible, std::int32_t start,
                     std::int32_t stop, FlagSet<CursorGiven> given);
  void new_line();
  void print_string(const std::string& text, std::int32_t new_line);
  void fit_print_line(const std::string& text);
  void print_next_zone();
  static std::string single_to_text(float value);

  // --- Line input (line_input.cpp) ---
  // Tables counted from 1: the targets and type codes of the next input_values call.
  std::array<void*, 17> input_variable_pointers{};
  std::array<std::uint32_t, 17> input_variable_types{};
  void input_values(std::int32_t count, std::int32_t new_line);

  // --- Drawing (graphics.cpp) ---
  void draw_line(float x1, float y1, float x2, float y2, std::int32_t colour, std::int32_t box,
                 std::uint16_t style, FlagSet<LineGiven> given);
  void draw_circle(double x, double y, double r, std::int32_t colour, double start, double end,
                   double aspect, FlagSet<CircleGiven> given);

  // --- Keys and time (run_control.cpp) ---
  std::string read_key_string();
  void delay_seconds(double seconds);
  // Blocks the program thread until a key waits, event_flag or stop_flag is set, or timeout_ms
  // pass; returns at once when one of them already holds.
  void wait_for_key(std::int32_t timeout_ms);

  // --- Other threads' requests to the program thread; each wakes wait_for_key (run_control.cpp) ---
  bool push_key(KeyEntry key);  // false when the ring is full and the key is dropped
  void request_pause();         // suspend_flag and event_flag
  void request_stop();          // stop_flag and event_flag

  // --- Strings (strings.cpp) ---
  std::string char_string(std::int32_t code);
  static std::int32_t strings_equal(const std::string& a, const std::string& b);
  static void assign_string(std::string& destination, std::string source);

  // --- Numbers, arrays and storage (conversions.cpp, static_storage.cpp) ---
  std::int16_t round_double_to_int16(double value);
  static std::int64_t round_extended_to_int64(long double value);
  static double floor(double value);
  std::uint32_t check_array_index(std::uint32_t index, std::uint32_t count);
  void* alloc_static(std::int32_t size);

  // --- Read-only views for the window side and for tests ---
  const ScreenImage& image() const { return image_; }
  std::mutex& image_mutex() const { return image_mutex_; }
  std::uint64_t image_version() const { return image_version_.load(std::memory_order_acquire); }
  const std::array<std::uint32_t, 16>& palette() const { return palette_; }
  std::int32_t screen_mode() const { return screen_mode_; }
  const TextState& text_state() const { return text_; }
  GraphicsCursor graphics_cursor() const { return graphics_cursor_; }
  std::int32_t resize_mode() const { return resize_mode_.load(std::memory_order_acquire); }
  bool snap_back() const { return snap_back_.load(std::memory_order_acquire); }
  std::string window_title() const;
  Platform& platform() { return platform_; }

 private:
  // Pixel helpers; callers hold image_mutex_ (ImageWrite) and pass on-screen coordinates.
  class ImageWrite;
  class LineInput;  // line_input.cpp
  void set_pixel(std::int32_t x, std::int32_t y, std::int32_t colour);
  void draw_glyph(std::int32_t row, std::int32_t column, std::uint8_t code);
  void fill_text_rows(std::int32_t first_row, std::int32_t last_row, std::int32_t colour);
  void scroll_text_view();
  void make_screen(std::int32_t width, std::int32_t height, std::int32_t text_rows, std::int32_t foreground);
  bool error_pending() const { return words.pending_error.load(std::memory_order_acquire) != 0; }

  Platform& platform_;
  std::int32_t screen_mode_ = 0;
  ScreenImage image_;
  mutable std::mutex image_mutex_;
  std::atomic<std::uint64_t> image_version_{0};
  std::array<std::uint32_t, 16> palette_ = kPalette;
  TextState text_;
  GraphicsCursor graphics_cursor_;
  std::atomic<std::int32_t> resize_mode_{0};
  std::atomic<bool> snap_back_{false};
  mutable std::mutex title_mutex_;
  std::string window_title_;
  std::atomic<bool> waiting_for_last_key_{false};
  WakeSignal wake_;

  // Static storage: blocks taken from the allocator and never freed.
  std::vector<std::vector<std::uint8_t>> storage_blocks_;
  std::size_t storage_used_ = 0;
};

// Holds image_mutex_ while pixels change and bumps the image version when done.
class ScreenRuntime::ImageWrite {
 public:
  explicit ImageWrite(ScreenRuntime& runtime) : runtime_(runtime), lock_(runtime.image_mutex_) {}
  ~ImageWrite() { runtime_.image_version_.fetch_add(1, std::memory_order_release); }
  ImageWrite(const ImageWrite&) = delete;
  ImageWrite& operator=(const ImageWrite&) = delete;

 private:
  ScreenRuntime& runtime_;
  std::lock_guard<std::mutex> lock_;
};

}  // namespace screen
