#pragma once
// Runs the whole winding-scheme routine without a window, on a virtual clock: types the given
// texts at the prompts as a user would, answers error boxes, gives the final wait its key and
// stops at the end-of-run prompt (or after a number of statement frames). It learns that a key
// is wanted from the platform's sleeps (the line input's polls, the key reads), and keeps no
// list of what it saw, so a run of any length takes the same memory. A run that goes on after
// a stop was requested throws HeadlessStuck instead of running for ever.
#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "scheme/main_module.h"
#include "screen/headless_platform.h"
#include "screen/runtime.h"

namespace scheme {

struct ErrorBoxSeen {
  std::int32_t code = 0;
  std::int32_t line = 0;
};

enum class RunEnding { end_program, no, bound, process_exit };
const char* to_string(RunEnding ending);
inline std::ostream& operator<<(std::ostream& out, RunEnding ending) { return out << to_string(ending); }

class HeadlessRun : private FrameObserver {
 public:
  explicit HeadlessRun(std::vector<std::string> typed_texts);

  // Settings, before run().
  std::int32_t no_at_box = 0;                    // answer No at this error box (counted from 1); 0: never
  std::int64_t max_statements = 50'000'000;      // statement frames before the run is stopped
  bool give_final_key = true;                    // one key for the final wait at line 526
  std::function<void(std::int32_t line)> on_frame_hook;  // every statement frame, after counting
  std::function<void(const ErrorBoxSeen& box)> on_error_box;  // every error box, before it is answered

  RunEnding run();

  // Queues a key as the window would (false when the ring is full and the key is dropped).
  bool press(std::uint8_t character, std::uint8_t scan_code = 0);

  screen::HeadlessPlatform platform;
  screen::ScreenRuntime runtime{platform};
  MainModule module{runtime, this};

  std::int64_t steps = 0;            // animation steps (key reads before the final wait)
  std::int64_t statements = 0;       // statement frames run
  std::int64_t error_box_count = 0;  // error boxes shown

 private:
  void on_frame(std::int32_t line) override;
  void on_sleep(screen::Wait why);
  screen::BoxAnswer answer_box(const std::string& caption, const std::string& text);

  std::vector<std::uint8_t> typing_;  // keys still to be typed at the prompts
  std::size_t typed_ = 0;
  bool in_final_wait_ = false;
  bool final_key_given_ = false;
  bool bounded_ = false;
  std::int64_t frames_since_stop_ = 0;
};

// The screen as a binary PPM (P6), each pixel's palette index turned into RGB.
std::string screen_as_ppm(const screen::ScreenRuntime& runtime);
bool write_file(const std::string& path, const std::string& bytes);

}  // namespace scheme
