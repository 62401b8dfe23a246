#include <cstdio>

#include "app/box_presenter.h"

namespace app {

screen::BoxAnswer StderrBoxPresenter::show(const BoxRequest& request, const std::function<bool()>& /*cancelled*/) {
  std::string text = request.text;
  for (char& c : text) {
    if (c == '\n') c = ' ';
  }
  const bool yes_no = request.buttons == BoxButtons::yes_no;
  std::fprintf(stderr, "winding_schemes: %s: %s%s\n", request.caption.c_str(), text.c_str(),
               yes_no ? " (no display for the box: answered No)" : "");
  std::fflush(stderr);
  return screen::BoxAnswer::no;
}

}  // namespace app
