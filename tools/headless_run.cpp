#include "tools/headless_run.h"

#include <cstdio>
#include <fstream>

namespace scheme {

namespace {
constexpr std::int32_t kInputPoll_ms = 10;
constexpr std::int32_t kFinalWaitLine = 526;

bool is_key_read_line(std::int32_t line) {
  return line == 116 || line == 144 || line == 195 || line == 327 || line == 445;
}
}  // namespace

const char* to_string(RunEnding ending) {
  switch (ending) {
    case RunEnding::end_program: return "end_program";
    case RunEnding::no: return "no";
    case RunEnding::bound: return "bound";
    case RunEnding::process_exit: return "process_exit";
  }
  return "?";
}

HeadlessRun::HeadlessRun(std::vector<std::string> typed_texts) {
  for (const std::string& text : typed_texts) {
    for (const char c : text) typing_.push_back(static_cast<std::uint8_t>(c));
    typing_.push_back(13);
  }
  platform.on_sleep = [this](std::int32_t duration_ms) { on_sleep(duration_ms); };
  platform.on_error_box = [this](const std::string& caption, const std::string& text) {
    return answer_box(caption, text);
  };
}

bool HeadlessRun::press(std::uint8_t character, std::uint8_t scan_code) {
  return runtime.keys.push(screen::KeyEntry{character, scan_code});
}

RunEnding HeadlessRun::run() {
  try {
    module.run();
  } catch (const screen::ProgramStopped&) {
  } catch (const screen::ProcessExit&) {
    return RunEnding::process_exit;
  }
  if (bounded_) return RunEnding::bound;
  if (runtime.waiting_for_last_key()) return RunEnding::end_program;
  return RunEnding::no;
}

void HeadlessRun::on_frame(std::int32_t line) {
  ++statements;
  if (is_key_read_line(line)) ++steps;
  if (line == kFinalWaitLine && give_final_key && !final_key_given_) {
    final_key_given_ = press(' ');
  }
  if (on_frame_hook) on_frame_hook(line);
  if (statements >= max_statements && !bounded_) {
    bounded_ = true;
    runtime.words.stop_flag.store(1);
    runtime.words.event_flag.store(1);
  }
}

void HeadlessRun::on_sleep(std::int32_t duration_ms) {
  // The line input polls the key ring every 10 ms: type the next key when the ring is empty.
  if (duration_ms == kInputPoll_ms && typed_ < typing_.size() && runtime.keys.empty()) {
    if (press(typing_[typed_])) ++typed_;
  }
  // Stop at the end-of-run prompt: the picture is complete.
  if (runtime.waiting_for_last_key()) {
    runtime.words.stop_flag.store(1);
    runtime.words.event_flag.store(1);
  }
}

screen::BoxAnswer HeadlessRun::answer_box(const std::string& caption, const std::string& text) {
  ErrorBoxSeen seen;
  std::sscanf(caption.c_str(), "Unhandled Error #%d", &seen.code);
  std::sscanf(text.c_str(), "Line: %d", &seen.line);
  error_boxes.push_back(seen);
  const bool answer_no = no_at_box > 0 && static_cast<std::int32_t>(error_boxes.size()) == no_at_box;
  return answer_no ? screen::BoxAnswer::no : screen::BoxAnswer::yes;
}

std::string screen_as_ppm(const screen::ScreenRuntime& runtime) {
  const screen::ScreenImage& image = runtime.image();
  std::string bytes = "P6\n" + std::to_string(image.width) + " " + std::to_string(image.height) + "\n255\n";
  bytes.reserve(bytes.size() + image.pixels.size() * 3);
  for (const std::uint8_t index : image.pixels) {
    const std::uint32_t rgb = runtime.palette()[index & 0x0F];
    bytes.push_back(static_cast<char>((rgb >> 16) & 0xFF));
    bytes.push_back(static_cast<char>((rgb >> 8) & 0xFF));
    bytes.push_back(static_cast<char>(rgb & 0xFF));
  }
  return bytes;
}

bool write_file(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace scheme
