#pragma once
// Keeps the window's aspect when the user resizes it: a size whose aspect differs from the
// last size the runtime itself gave the window is corrected to the screen's aspect.
//
// Invariants:
// - last_set_ is the last size the runtime gave the window (640 x 400 at first), never empty.
// - A reported size equal in aspect to last_set_ is accepted as it is, so a corrected size
//   coming back from the window system is never corrected again.
// - The correction keeps the side the user changed more (relatively) and derives the other.
#include <optional>

#include "app/picture_placement.h"

namespace app {

class AspectKeeper {
 public:
  explicit AspectKeeper(Size initial) : last_set_(initial), last_reported_(initial) {}

  // The runtime gives the window this size itself.
  void runtime_set(Size size);
  // The window reports its client size; returns the size to give it instead, if any.
  // Without correction (another resize mode, full screen) the size is only recorded.
  std::optional<Size> reported(Size client, Size screen, bool correct);

  Size last_set() const { return last_set_; }

 private:
  Size last_set_;
  Size last_reported_;
};

}  // namespace app
