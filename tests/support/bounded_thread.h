#pragma once
// A thread of a test's own that the test waits for with a bound of its own.
//
// Invariants:
// - The thread is detached at once: one that stays blocked fails its test within the bound and
//   never holds up the end of the test binary (nothing joins it).
// - A blocked thread outlives its test, so its body must own what it uses: capture a
//   shared_ptr to the objects, never references to the test's locals or fixture.
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace test_support {

// Long enough for any handshake on a loaded machine, short enough to fail within seconds.
inline constexpr std::chrono::seconds kThreadBound{3};

// A one-time signal between threads, awaited with a bound.
class Signal {
 public:
  void raise() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      raised_ = true;
    }
    raised_cv_.notify_all();
  }
  // True once raised; waits at most `bound` for that.
  bool arrives_within(std::chrono::milliseconds bound = kThreadBound) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return raised_cv_.wait_for(lock, bound, [this] { return raised_; });
  }

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable raised_cv_;
  bool raised_ = false;
};

class BoundedThread {
 public:
  explicit BoundedThread(std::function<void()> body) : ended_(std::make_shared<Signal>()) {
    std::thread([ended = ended_, body = std::move(body)] {
      body();
      ended->raise();
    }).detach();
  }

  // True once the body has returned; waits at most `bound` for that.
  bool ends_within(std::chrono::milliseconds bound = kThreadBound) const { return ended_->arrives_within(bound); }

 private:
  std::shared_ptr<Signal> ended_;
};

}  // namespace test_support
