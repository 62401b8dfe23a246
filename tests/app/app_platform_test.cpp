#include "app/app_platform.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace app {
namespace {

struct RecordingPresenter : BoxPresenter {
  screen::BoxAnswer show(const BoxRequest& request, const std::function<bool()>& cancelled) override {
    requests.push_back(request);
    cancelled_at_show.push_back(cancelled());
    return answer;
  }
  std::vector<BoxRequest> requests;
  std::vector<bool> cancelled_at_show;
  screen::BoxAnswer answer = screen::BoxAnswer::yes;
};

class AppPlatformTest : public testing::Test {
 protected:
  RecordingPresenter presenter;
  AppPlatform platform{presenter};
};

TEST_F(AppPlatformTest, TheTitleWaitsForTheWindowsThreadAndOnlyTheNewestCounts) {
  EXPECT_EQ(platform.take_pending_title(), std::nullopt);
  std::thread program([this] {
    platform.window_title_changed("first");
    platform.window_title_changed("SCHEMES");
  });
  program.join();
  EXPECT_EQ(platform.take_pending_title(), "SCHEMES");
  EXPECT_EQ(platform.take_pending_title(), std::nullopt);
}

TEST_F(AppPlatformTest, BoxesCarryTheirButtonsCaptionAndText) {
  presenter.answer = screen::BoxAnswer::no;
  EXPECT_EQ(platform.error_box("Unhandled Error #5", "Line: 3\nIllegal function call\nContinue?"),
            screen::BoxAnswer::no);
  platform.critical_box("Critical Error #4", "Out of memory");
  platform.alert_box("gluBuild2DMipmaps failed");
  ASSERT_EQ(presenter.requests.size(), 3U);
  EXPECT_EQ(presenter.requests[0].buttons, BoxButtons::yes_no);
  EXPECT_EQ(presenter.requests[0].caption, "Unhandled Error #5");
  EXPECT_EQ(presenter.requests[0].text, "Line: 3\nIllegal function call\nContinue?");
  EXPECT_EQ(presenter.requests[1].buttons, BoxButtons::ok);
  EXPECT_EQ(presenter.requests[1].caption, "Critical Error #4");
  EXPECT_EQ(presenter.requests[2].buttons, BoxButtons::ok);
  EXPECT_EQ(presenter.requests[2].caption, "Alert");
  EXPECT_EQ(presenter.requests[2].text, "gluBuild2DMipmaps failed");
}

TEST_F(AppPlatformTest, ABoxIsCancelledOnceTheRunIsEnding) {
  screen::SharedWords words;
  platform.watch(words);
  platform.alert_box("a");
  words.stop_flag.store(1);
  platform.alert_box("b");
  EXPECT_EQ(presenter.cancelled_at_show, (std::vector<bool>{false, true}));
}

TEST_F(AppPlatformTest, TheClockNeverGoesBackAndStartsNearZero) {
  platform.start_clock();
  const std::int64_t first = platform.clock_ms();
  EXPECT_GE(first, 0);
  platform.sleep_ms(0, screen::Wait::key_read);
  platform.sleep_ms(2, screen::Wait::delay);
  EXPECT_GE(platform.clock_ms(), first + 2);
}

TEST(StderrBoxPresenter, AnswersNoToYesNoAndOkOtherwise) {
  StderrBoxPresenter presenter;
  const auto never = [] { return false; };
  EXPECT_EQ(presenter.show({BoxButtons::yes_no, "Unhandled Error #9", "Line: 1\nSubscript out of range\nContinue?"},
                           never),
            screen::BoxAnswer::no);
  testing::internal::CaptureStderr();
  presenter.show({BoxButtons::ok, "Critical Error #4", "Out of memory"}, never);
  const std::string written = testing::internal::GetCapturedStderr();
  EXPECT_NE(written.find("Critical Error #4: Out of memory"), std::string::npos) << written;
}

}  // namespace
}  // namespace app
