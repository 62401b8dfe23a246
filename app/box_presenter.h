#pragma once
// Shows a message box and waits for its answer. The windowed program shows a dialog of its
// own; without a display the answer is written to the error stream and a safe one chosen.
#include <functional>
#include <string>

#include "screen/platform.h"

namespace app {

enum class BoxButtons { yes_no, ok };

struct BoxRequest {
  BoxButtons buttons = BoxButtons::ok;
  std::string caption;
  std::string text;
};

class BoxPresenter {
 public:
  virtual ~BoxPresenter() = default;
  // Blocks the calling thread until the box is answered, or until cancelled() turns true
  // (the run is ending), which answers No (or OK).
  virtual screen::BoxAnswer show(const BoxRequest& request, const std::function<bool()>& cancelled) = 0;
};

// No display: the box goes to stderr; Yes/No is answered No (the run then ends cleanly).
class StderrBoxPresenter : public BoxPresenter {
 public:
  screen::BoxAnswer show(const BoxRequest& request, const std::function<bool()>& cancelled) override;
};

}  // namespace app
