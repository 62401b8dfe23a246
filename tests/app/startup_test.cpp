#include "app/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace app {
namespace {

TEST(WaitForNextSecond, StopsLookingOnceTheSecondChanges) {
  int looks = 0;
  int slept_ms = 0;
  const int made = wait_for_next_second([&] { return static_cast<std::time_t>(looks++ < 5 ? 100 : 101); },
                                        [&](int duration_ms) { slept_ms += duration_ms; });
  EXPECT_EQ(made, 6);
  EXPECT_EQ(looks, 6);
  EXPECT_EQ(slept_ms, 5);
}

TEST(WaitForNextSecond, GivesUpWhenTheClockNeverMoves) {
  int slept_ms = 0;
  wait_for_next_second([] { return static_cast<std::time_t>(7); }, [&](int duration_ms) { slept_ms += duration_ms; },
                       1100);
  EXPECT_EQ(slept_ms, 1100);
}

TEST(ExecutableFolder, IsTheFolderHoldingThisTestProgram) {
  const std::string folder = executable_folder();
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(folder) / "app_tests"));
}

}  // namespace
}  // namespace app
