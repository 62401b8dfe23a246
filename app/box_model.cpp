#include "app/box_model.h"

#include <algorithm>

#include "screen/font.h"

namespace app {

namespace {

constexpr std::int32_t kMargin = 16;
constexpr std::int32_t kCaptionHeight = 20;
constexpr std::int32_t kButtonWidth = 72;
constexpr std::int32_t kButtonHeight = 26;
constexpr std::int32_t kButtonGap = 16;
constexpr std::int32_t kMinimumWidth = 240;
constexpr std::size_t kLongestLine = 96;

constexpr std::uint32_t kBody = 0xC0C0C0;
constexpr std::uint32_t kCaptionStrip = 0x0000AA;
constexpr std::uint32_t kCaptionText = 0xFFFFFF;
constexpr std::uint32_t kText = 0x000000;
constexpr std::uint32_t kButtonFace = 0xE0E0E0;
constexpr std::uint32_t kButtonPressed = 0xA0A0A0;
constexpr std::uint32_t kButtonBorder = 0x404040;
constexpr std::uint32_t kFocusBorder = 0x000000;

std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (const char c : text) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
      continue;
    }
    if (line.size() == kLongestLine) {
      lines.push_back(line);
      line.clear();
    }
    line.push_back(c);
  }
  lines.push_back(line);
  return lines;
}

std::int32_t text_width(const std::string& text) {
  return static_cast<std::int32_t>(std::min(text.size(), kLongestLine)) * screen::kGlyphWidth;
}

class Canvas {
 public:
  Canvas(Size size, std::uint32_t colour)
      : size_(size), pixels_(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height), colour) {}

  void fill(Rect rect, std::uint32_t colour) {
    const std::int32_t x0 = std::max(rect.x, 0);
    const std::int32_t y0 = std::max(rect.y, 0);
    const std::int32_t x1 = std::min(rect.x + rect.width, size_.width);
    const std::int32_t y1 = std::min(rect.y + rect.height, size_.height);
    for (std::int32_t y = y0; y < y1; ++y) {
      for (std::int32_t x = x0; x < x1; ++x) at(x, y) = colour;
    }
  }

  void frame(Rect rect, std::int32_t thickness, std::uint32_t colour) {
    fill({rect.x, rect.y, rect.width, thickness}, colour);
    fill({rect.x, rect.y + rect.height - thickness, rect.width, thickness}, colour);
    fill({rect.x, rect.y, thickness, rect.height}, colour);
    fill({rect.x + rect.width - thickness, rect.y, thickness, rect.height}, colour);
  }

  void text(std::int32_t left, std::int32_t top, const std::string& text, std::uint32_t colour) {
    std::int32_t x = left;
    for (const char c : text) {
      const auto& glyph = screen::kCodePage437Glyphs[static_cast<unsigned char>(c)];
      for (std::int32_t dy = 0; dy < screen::kGlyphHeight; ++dy) {
        for (std::int32_t dx = 0; dx < screen::kGlyphWidth; ++dx) {
          const bool lit = (glyph[static_cast<std::size_t>(dy)] & (0x80U >> dx)) != 0;
          const std::int32_t px = x + dx;
          const std::int32_t py = top + dy;
          if (lit && px >= 0 && py >= 0 && px < size_.width && py < size_.height) at(px, py) = colour;
        }
      }
      x += screen::kGlyphWidth;
    }
  }

  std::vector<std::uint32_t> take() { return std::move(pixels_); }

 private:
  std::uint32_t& at(std::int32_t x, std::int32_t y) {
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.width) + static_cast<std::size_t>(x)];
  }

  Size size_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace

BoxModel::BoxModel(const BoxRequest& request)
    : kind_(request.buttons), caption_(request.caption), lines_(split_lines(request.text)) {
  if (kind_ == BoxButtons::yes_no) {
    buttons_ = {{"Yes", screen::BoxAnswer::yes, {}}, {"No", screen::BoxAnswer::no, {}}};
  } else {
    buttons_ = {{"OK", screen::BoxAnswer::yes, {}}};
  }
  std::int32_t content_width = text_width(caption_) + 8;
  for (const std::string& line : lines_) content_width = std::max(content_width, text_width(line));
  const auto button_count = static_cast<std::int32_t>(buttons_.size());
  const std::int32_t buttons_width = button_count * kButtonWidth + (button_count - 1) * kButtonGap;
  content_width = std::max({content_width, buttons_width, kMinimumWidth});

  const auto text_height = static_cast<std::int32_t>(lines_.size()) * screen::kGlyphHeight;
  size_.width = content_width + 2 * kMargin;
  size_.height = kCaptionHeight + kMargin + text_height + kMargin + kButtonHeight + kMargin;

  std::int32_t x = (size_.width - buttons_width) / 2;
  const std::int32_t y = size_.height - kMargin - kButtonHeight;
  for (BoxButton& button : buttons_) {
    button.rect = {x, y, kButtonWidth, kButtonHeight};
    x += kButtonWidth + kButtonGap;
  }
}

std::optional<screen::BoxAnswer> BoxModel::key(BoxKey key) {
  const bool yes_no = kind_ == BoxButtons::yes_no;
  switch (key) {
    case BoxKey::activate: return buttons_[focus_].answer;
    case BoxKey::cancel: return yes_no ? screen::BoxAnswer::no : screen::BoxAnswer::yes;
    case BoxKey::yes_letter:
      if (yes_no) return screen::BoxAnswer::yes;
      return std::nullopt;
    case BoxKey::no_letter:
      if (yes_no) return screen::BoxAnswer::no;
      return std::nullopt;
    case BoxKey::next: focus_ = (focus_ + 1) % buttons_.size(); return std::nullopt;
    case BoxKey::previous: focus_ = (focus_ + buttons_.size() - 1) % buttons_.size(); return std::nullopt;
    case BoxKey::other: return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::size_t> BoxModel::button_at(std::int32_t x, std::int32_t y) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const Rect& r = buttons_[i].rect;
    if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height) return i;
  }
  return std::nullopt;
}

void BoxModel::mouse_down(std::int32_t x, std::int32_t y) {
  pressed_ = button_at(x, y);
  if (pressed_) focus_ = *pressed_;
}

std::optional<screen::BoxAnswer> BoxModel::mouse_up(std::int32_t x, std::int32_t y) {
  const std::optional<std::size_t> pressed = pressed_;
  pressed_.reset();
  if (pressed && button_at(x, y) == pressed) return buttons_[*pressed].answer;
  return std::nullopt;
}

std::optional<screen::BoxAnswer> BoxModel::close() {
  if (kind_ == BoxButtons::ok) return screen::BoxAnswer::yes;
  return std::nullopt;
}

std::vector<std::uint32_t> BoxModel::render() const {
  Canvas canvas(size_, kBody);
  canvas.fill({0, 0, size_.width, kCaptionHeight}, kCaptionStrip);
  canvas.text(6, (kCaptionHeight - screen::kGlyphHeight) / 2, caption_, kCaptionText);
  std::int32_t y = kCaptionHeight + kMargin;
  for (const std::string& line : lines_) {
    canvas.text(kMargin, y, line, kText);
    y += screen::kGlyphHeight;
  }
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const BoxButton& button = buttons_[i];
    canvas.fill(button.rect, pressed_ == i ? kButtonPressed : kButtonFace);
    canvas.frame(button.rect, i == focus_ ? 2 : 1, i == focus_ ? kFocusBorder : kButtonBorder);
    const std::int32_t label_x = button.rect.x + (button.rect.width - text_width(button.label)) / 2;
    const std::int32_t label_y = button.rect.y + (button.rect.height - screen::kGlyphHeight) / 2;
    canvas.text(label_x, label_y, button.label, kText);
  }
  return canvas.take();
}

}  // namespace app
