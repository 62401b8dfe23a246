// The key ring (16 entries, so at most 15 keys wait) and the key read built on it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screen/headless_platform.h"
#include "screen/key_ring.h"
#include "screen/runtime.h"

namespace {

screen::KeyEntry key(char character) { return {static_cast<std::uint8_t>(character), 0}; }

std::string take_all(screen::KeyRing& ring) {
  std::string taken;
  while (const auto entry = ring.take()) taken.push_back(static_cast<char>(entry->character));
  return taken;
}

TEST(KeyRing, FifteenKeysWaitAndASixteenthIsDropped) {
  screen::KeyRing ring;
  const std::string typed = "abcdefghijklmno";
  for (const char c : typed) EXPECT_TRUE(ring.push(key(c))) << c;
  EXPECT_FALSE(ring.push(key('p')));
  EXPECT_EQ(ring.waiting(), 15U);
  EXPECT_EQ(take_all(ring), typed);
  EXPECT_TRUE(ring.empty());
  EXPECT_FALSE(ring.take().has_value());
}

// Starting at every offset, the ring wraps from its last entry to its first and still holds
// exactly 15 keys in order.
TEST(KeyRing, WrapsAroundFromEveryStartingOffset) {
  for (int offset = 0; offset < 16; ++offset) {
    screen::KeyRing ring;
    for (int i = 0; i < offset; ++i) {
      ASSERT_TRUE(ring.push(key('x')));
      ASSERT_TRUE(ring.take().has_value());
    }
    const std::string typed = "ABCDEFGHIJKLMNO";
    for (const char c : typed) EXPECT_TRUE(ring.push(key(c))) << offset;
    EXPECT_FALSE(ring.push(key('P'))) << offset;
    EXPECT_EQ(ring.waiting(), 15U) << offset;
    EXPECT_EQ(take_all(ring), typed) << offset;
  }
}

TEST(KeyRing, TakingMakesRoomAgain) {
  screen::KeyRing ring;
  for (int i = 0; i < 15; ++i) ASSERT_TRUE(ring.push(key('a')));
  ASSERT_TRUE(ring.take().has_value());
  EXPECT_TRUE(ring.push(key('z')));
  EXPECT_FALSE(ring.push(key('y')));
  EXPECT_EQ(take_all(ring), std::string(14, 'a') + "z");
}

TEST(KeyRing, KeepsCharacterAndScanCode) {
  screen::KeyRing ring;
  ASSERT_TRUE(ring.push({0, 0x48}));
  const auto entry = ring.take();
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ(entry->character, 0);
  EXPECT_EQ(entry->scan_code, 0x48);
}

struct KeyRead {
  screen::KeyEntry entry;
  std::string expected;
};

class ReadKeyString : public testing::TestWithParam<KeyRead> {};

TEST_P(ReadKeyString, GivesOneCharacterOrCharacterZeroAndTheScanCode) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  rt.keys.push(GetParam().entry);
  EXPECT_EQ(rt.read_key_string(), GetParam().expected);
  EXPECT_TRUE(rt.keys.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, ReadKeyString,
                         testing::Values(KeyRead{{'+', 0}, "+"}, KeyRead{{'-', 0x4A}, "-"}, KeyRead{{13, 0x1C}, "\r"},
                                         KeyRead{{27, 1}, "\x1b"}, KeyRead{{0xE0, 0x48}, "\xE0"},
                                         KeyRead{{0, 0x48}, std::string{'\0', '\x48'}},
                                         KeyRead{{0, 0x3B}, std::string{'\0', '\x3B'}},
                                         KeyRead{{0, 0}, std::string(1, '\0')}));

TEST(ReadKeyString, EmptyWhenNoKeyWaits) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  EXPECT_EQ(rt.read_key_string(), "");
}

TEST(ReadKeyString, TakesTheOldestKeyFirst) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  rt.keys.push(key('1'));
  rt.keys.push(key('2'));
  EXPECT_EQ(rt.read_key_string(), "1");
  EXPECT_EQ(rt.read_key_string(), "2");
  EXPECT_EQ(rt.read_key_string(), "");
}

// The yield comes first: a key that arrives while the program thread yields is taken.
TEST(ReadKeyString, YieldsWithAZeroSleepBeforeLooking) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  std::vector<std::int32_t> sleeps;
  platform.on_sleep = [&](std::int32_t duration_ms, screen::Wait) {
    sleeps.push_back(duration_ms);
    rt.keys.push(key('k'));
  };
  EXPECT_EQ(rt.read_key_string(), "k");
  EXPECT_EQ(sleeps, std::vector<std::int32_t>{0});
}

TEST(ReadKeyString, EmptyAtOnceWhileAnErrorIsPending) {
  screen::HeadlessPlatform platform;
  screen::ScreenRuntime rt(platform);
  rt.keys.push(key('+'));
  rt.raise_error(screen::kIllegalFunctionCall);
  EXPECT_EQ(rt.read_key_string(), "");
  EXPECT_EQ(rt.keys.waiting(), 1U);
  EXPECT_EQ(platform.sleep_calls, 0);
}

}  // namespace
