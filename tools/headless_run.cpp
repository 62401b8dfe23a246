#include "tools/headless_run.h"

#include <cstdio>
#include <fstream>

namespace scheme {

namespace {
constexpr std::int32_t kFinalWaitLine = 526;
constexpr std::int64_t kFramesAfterStop = 1000;
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
  platform.keep_boxes = false;
  platform.on_sleep = [this](std::int32_t, screen::Wait why) { on_sleep(why); };
  platform.on_error_box = [this](const std::string& caption, const std::string& text) {
    return answer_box(caption, text);
  };
}

bool HeadlessRun::press(std::uint8_t character, std::uint8_t scan_code) {
  return runtime.push_key(screen::KeyEntry{character, scan_code});
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
  platform.note_progress();
  ++statements;
  // A requested stop is taken at the next statement frame; a run that goes on is stuck.
  if (runtime.words.stop_flag.load() != 0 && ++frames_since_stop_ > kFramesAfterStop) {
    throw screen::HeadlessStuck("headless run stuck: " + std::to_string(kFramesAfterStop) +
                                " statement frames ran after a stop was requested, the last at line " +
                                std::to_string(line));
  }
  if (line == kFinalWaitLine) in_final_wait_ = true;
  if (on_frame_hook) on_frame_hook(line);
  if (statements >= max_statements && !bounded_) {
    bounded_ = true;
    runtime.request_stop();
  }
}

void HeadlessRun::on_sleep(screen::Wait why) {
  switch (why) {
    case screen::Wait::line_input:
      // The line input takes one key per poll: type the next one when the ring is empty.
      if (typed_ < typing_.size() && runtime.keys.empty() && press(typing_[typed_])) ++typed_;
      break;
    case screen::Wait::key_read:
      if (!in_final_wait_) {
        ++steps;
      } else if (give_final_key && !final_key_given_) {
        final_key_given_ = press(' ');
      }
      break;
    case screen::Wait::last_key:
      // The end-of-run prompt shows: the picture is complete.
      runtime.request_stop();
      break;
    default:
      break;
  }
}

screen::BoxAnswer HeadlessRun::answer_box(const std::string& caption, const std::string& text) {
  ErrorBoxSeen seen;
  std::sscanf(caption.c_str(), "Unhandled Error #%d", &seen.code);
  std::sscanf(text.c_str(), "Line: %d", &seen.line);
  ++error_box_count;
  if (on_error_box) on_error_box(seen);
  const bool answer_no = no_at_box > 0 && error_box_count == no_at_box;
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
