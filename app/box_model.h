#pragma once
// The message box's content, layout, keyboard and mouse handling and its pixels, apart from
// any window system: a caption strip, the text lines and a row of buttons (Yes and No, or OK).
//
// Invariants:
// - focus_ is always the index of a button; Yes (or OK) has the focus at first.
// - pressed_ is a button index only between a press and a release of the mouse button.
// - The size depends only on the caption, the text and the buttons.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/box_presenter.h"
#include "app/picture_placement.h"

namespace app {

enum class BoxKey { activate, cancel, next, previous, yes_letter, no_letter, other };

struct BoxButton {
  std::string label;
  screen::BoxAnswer answer = screen::BoxAnswer::yes;
  Rect rect;
};

class BoxModel {
 public:
  explicit BoxModel(const BoxRequest& request);

  Size size() const { return size_; }
  const std::vector<BoxButton>& buttons() const { return buttons_; }
  const std::vector<std::string>& lines() const { return lines_; }
  std::size_t focus() const { return focus_; }

  // A key press; the answer when it decides the box.
  std::optional<screen::BoxAnswer> key(BoxKey key);
  // The mouse button pressed and released at a point; a click decides the box when press
  // and release both fall on the same button.
  void mouse_down(std::int32_t x, std::int32_t y);
  std::optional<screen::BoxAnswer> mouse_up(std::int32_t x, std::int32_t y);
  // The window's close button: decides only a box with OK alone.
  std::optional<screen::BoxAnswer> close();

  // The box's pixels, 0x00RRGGBB, row by row.
  std::vector<std::uint32_t> render() const;

 private:
  std::optional<std::size_t> button_at(std::int32_t x, std::int32_t y) const;

  BoxButtons kind_;
  std::string caption_;
  std::vector<std::string> lines_;
  std::vector<BoxButton> buttons_;
  Size size_;
  std::size_t focus_ = 0;
  std::optional<std::size_t> pressed_;
};

}  // namespace app
