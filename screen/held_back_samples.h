#pragma once
// Thins the samples of a quarter circle: a sample still within one pixel (in x and in y) of
// the last plotted one is held back and replaced by its successor; once a sample lies
// further away, the held one is plotted and the new one held. The first and the last sample
// are always plotted.
//
// Invariants:
// - last_ is the sample plotted most recently (meaningful once started_).
// - held_ is the latest sample not yet plotted (meaningful while has_held_).
#include <cmath>
#include <functional>
#include <utility>

namespace screen {

struct QuarterSample {
  double x = 0.0;  // whole pixels, x >= 0 on the quarter
  double y = 0.0;  // whole pixels, y <= 0 on the quarter
};

class HeldBackSamples {
 public:
  using Plot = std::function<void(QuarterSample)>;
  explicit HeldBackSamples(Plot plot) : plot_(std::move(plot)) {}

  void add(QuarterSample sample) {
    if (!started_) {
      started_ = true;
      plot_and_remember(sample);
      return;
    }
    const bool near_last = std::fabs(sample.x - last_.x) <= 1.0 && std::fabs(sample.y - last_.y) <= 1.0;
    if (!near_last && has_held_) plot_and_remember(held_);
    held_ = sample;
    has_held_ = true;
  }

  void finish() {
    if (has_held_) plot_and_remember(held_);
    has_held_ = false;
  }

 private:
  void plot_and_remember(QuarterSample sample) {
    plot_(sample);
    last_ = sample;
  }

  Plot plot_;
  bool started_ = false;
  bool has_held_ = false;
  QuarterSample last_;
  QuarterSample held_;
};

}  // namespace screen
