// Line input of one single-precision number at the text cursor: keys are echoed while the
// text stays a valid beginning of a number, and the target follows the text as it is typed.
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "screen/font.h"
#include "screen/number_syntax.h"
#include "screen/runtime.h"

namespace screen {

namespace {
constexpr std::int32_t kKeyPoll_ms = 10;
constexpr std::size_t kLongestText = 255;
constexpr std::size_t kTabStop = 8;
constexpr unsigned char kBell = 7;
constexpr unsigned char kBackspace = 8;
constexpr unsigned char kTab = 9;
constexpr unsigned char kEnter = 13;

bool is_ignored_code(unsigned char code) { return (code >= 10 && code <= 12) || (code >= 28 && code <= 31); }

struct TextCursor {
  std::int32_t row = 1;
  std::int32_t column = 1;
  bool newline_pending = false;
};
}  // namespace

// One line input in progress.
// - text_ is empty or a valid beginning of a number, and target_ holds the value it forms.
// - page_copy_ and cursor_copy_ are the page and text cursor as they were at the start; the
//   text is always printed from that cursor.
// - The block cursor is shown only while a key is awaited.
class ScreenRuntime::LineInput {
 public:
  LineInput(ScreenRuntime& runtime, float& target) : runtime_(runtime), target_(target) {
    if (!runtime_.platform_.storage_available(runtime_.image_.pixels.size())) {
      runtime_.critical_error(kCriticalInputPageCopy, "Out of memory");
    }
    try {
      page_copy_ = runtime_.image_.pixels;
    } catch (const std::bad_alloc&) {
      runtime_.critical_error(kCriticalInputPageCopy, "Out of memory");
    }
    if (!runtime_.platform_.storage_available(sizeof(TextCursor))) {
      runtime_.critical_error(kCriticalInputCursorCopy, "Out of memory");
    }
    try {
      const TextState& text = runtime_.text_;
      cursor_copy_ = std::make_unique<TextCursor>(TextCursor{text.row, text.column, text.newline_pending});
    } catch (const std::bad_alloc&) {
      runtime_.critical_error(kCriticalInputCursorCopy, "Out of memory");
    }
  }

  // Handles keys until Enter (true) or a stop request (false).
  bool run() {
    for (;;) {
      const std::optional<unsigned char> key = wait_for_key();
      if (!key) return false;
      switch (*key) {
        case kEnter: return true;
        case kBackspace: remove_last(); break;
        case kTab: offer_tab_blanks(); break;
        case kBell: runtime_.print_string(std::string(1, static_cast<char>(kBell)), 0); break;
        default:
          if (!is_ignored_code(*key)) offer(static_cast<char>(*key));
          break;
      }
    }
  }

 private:
  bool stop_requested() const { return runtime_.words.stop_flag.load(std::memory_order_acquire) != 0; }

  // The next one-character key, with the block cursor shown while waiting; nothing on a stop.
  std::optional<unsigned char> wait_for_key() {
    toggle_block_cursor();
    while (!stop_requested()) {
      runtime_.platform_.sleep_ms(kKeyPoll_ms, Wait::line_input);
      if (stop_requested()) break;
      const std::optional<KeyEntry> key = runtime_.keys.take();
      if (!key || (key->character == 0 && key->scan_code != 0)) continue;  // extended keys pass
      toggle_block_cursor();
      return key->character;
    }
    toggle_block_cursor();
    return std::nullopt;
  }

  void toggle_block_cursor() {
    ImageWrite write(runtime_);
    const std::int32_t left = (runtime_.text_.column - 1) * kGlyphWidth;
    const std::int32_t top = (runtime_.text_.row - 1) * kGlyphHeight;
    const auto mask = static_cast<std::uint8_t>(runtime_.text_.foreground & 0x0F);
    for (std::int32_t y = top; y < top + kGlyphHeight; ++y) {
      for (std::int32_t x = left; x < left + kGlyphWidth; ++x) {
        runtime_.image_.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(runtime_.image_.width) +
                               static_cast<std::size_t>(x)] ^= mask;
      }
    }
  }

  // Appends and echoes one character; takes it away again when the text stops being a number.
  bool offer(char character) {
    if (text_.size() >= kLongestText) return false;
    text_.push_back(character);
    runtime_.print_string(std::string(1, character), 0);
    if (const std::optional<float> value = single_number_prefix_value(text_)) {
      target_ = *value;
      return true;
    }
    text_.pop_back();
    reprint_from_start();
    return false;
  }

  // Blanks up to the next multiple of eight characters, which a number refuses.
  void offer_tab_blanks() {
    const std::size_t blanks = kTabStop - text_.size() % kTabStop;
    for (std::size_t i = 0; i < blanks; ++i) {
      if (!offer(' ')) return;
    }
  }

  void remove_last() {
    if (text_.empty()) return;
    text_.pop_back();
    reprint_from_start();
    target_ = single_number_prefix_value(text_).value_or(0.0F);
  }

  void reprint_from_start() {
    {
      ImageWrite write(runtime_);
      runtime_.image_.pixels = page_copy_;
    }
    runtime_.text_.row = cursor_copy_->row;
    runtime_.text_.column = cursor_copy_->column;
    runtime_.text_.newline_pending = cursor_copy_->newline_pending;
    if (!text_.empty()) runtime_.print_string(text_, 0);
  }

  ScreenRuntime& runtime_;
  float& target_;
  std::string text_;
  std::vector<std::uint8_t> page_copy_;
  std::unique_ptr<TextCursor> cursor_copy_;
};

void ScreenRuntime::input_values(std::int32_t count, std::int32_t new_line_wanted) {
  if (error_pending()) return;
  void* const target = input_variable_pointers[1];
  if (count != 1 || target == nullptr || input_variable_types[1] != kSingleTypeCode) {
    raise_error(kIllegalFunctionCall);
    return;
  }
  auto& value = *static_cast<float*>(target);
  value = 0.0F;
  LineInput input(*this, value);
  if (!input.run()) return;  // stopped: no final new line
  if (new_line_wanted != 0) print_string("", 1);
}

}  // namespace screen
