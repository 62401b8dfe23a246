#include "app/key_router.h"

#include <gtest/gtest.h>

#include "runtime_fixture.h"

namespace app {
namespace {

class KeyRouterTest : public testing::Test, protected HeadlessRuntime {
 protected:
  KeyEvent key(unsigned char c) { return map_character_key(c, 0); }
  RunRequests requests;
  KeyRouter router{runtime, requests};
};

TEST_F(KeyRouterTest, KeysReachTheRingInOrderAsKeyStrings) {
  EXPECT_FALSE(router.handle(key('+')));
  router.handle(map_special_key(101, 0));
  EXPECT_EQ(runtime.read_key_string(), "+");
  EXPECT_EQ(runtime.read_key_string(), std::string({'\0', '\x48'}));
  EXPECT_EQ(runtime.read_key_string(), "");
}

TEST_F(KeyRouterTest, AModifierAloneQueuesNothing) {
  router.handle(map_special_key(112, 0));
  EXPECT_TRUE(runtime.keys.empty());
}

TEST_F(KeyRouterTest, AKeyArrivingAtAFullRingIsDropped) {
  for (int i = 0; i < 16; ++i) router.handle(key(static_cast<unsigned char>('a' + i)));
  EXPECT_EQ(runtime.keys.waiting(), 15U);
  std::string taken;
  for (std::string k = runtime.read_key_string(); !k.empty(); k = runtime.read_key_string()) taken += k;
  EXPECT_EQ(taken, "abcdefghijklmno");
}

TEST_F(KeyRouterTest, PauseSuspendsAndTheNextKeyResumesAndIsDiscarded) {
  router.handle(map_system_key(SystemKey::pause, false));
  EXPECT_EQ(runtime.words.suspend_flag.load(), 1);
  EXPECT_EQ(runtime.words.event_flag.load(), 1);

  router.handle(map_special_key(114, 0));  // Ctrl alone: still suspended
  EXPECT_EQ(runtime.words.suspend_flag.load(), 1);

  router.handle(key('x'));
  EXPECT_EQ(runtime.words.suspend_flag.load(), 0);
  EXPECT_TRUE(runtime.keys.empty());

  router.handle(key('y'));
  EXPECT_EQ(runtime.read_key_string(), "y");
}

TEST_F(KeyRouterTest, PauseWhileSuspendedResumes) {
  router.handle(map_system_key(SystemKey::pause, false));
  router.handle(map_system_key(SystemKey::pause, false));
  EXPECT_EQ(runtime.words.suspend_flag.load(), 0);
  EXPECT_TRUE(runtime.keys.empty());
}

TEST_F(KeyRouterTest, CtrlBreakAsksToEndTheRunAndQueuesNothing) {
  router.handle(map_system_key(SystemKey::pause, true));
  EXPECT_TRUE(requests.end_run.load());
  EXPECT_TRUE(runtime.keys.empty());
  EXPECT_EQ(runtime.words.suspend_flag.load(), 0);
}

TEST_F(KeyRouterTest, AltEnterCyclesTheDisplayAndQueuesNothing) {
  EXPECT_TRUE(router.handle(map_character_key(13, kModifierAlt)));
  EXPECT_TRUE(runtime.keys.empty());
  EXPECT_FALSE(requests.end_run.load());
}

}  // namespace
}  // namespace app
