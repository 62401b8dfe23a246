#pragma once
// Message boxes as small X dialogs of the program's own, drawn with the code page 437 glyphs
// (no X font needed). Each box opens its own connection, so any thread may show one; it is
// transient for the program's window, kept above it and centred over it. Without a display
// (or a visual it can draw on) the box falls back to the error stream.
#include <atomic>

#include "app/box_presenter.h"

namespace app {

class XBoxPresenter : public BoxPresenter {
 public:
  // The program's window, once it exists (0 before).
  void set_owner_window(unsigned long window) { owner_window_.store(window); }

  screen::BoxAnswer show(const BoxRequest& request, const std::function<bool()>& cancelled) override;

 private:
  std::atomic<unsigned long> owner_window_{0};
  StderrBoxPresenter fallback_;
};

}  // namespace app
