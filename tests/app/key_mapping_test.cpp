#include "app/key_mapping.h"

#include <gtest/gtest.h>

namespace app {
namespace {

struct CharacterCase {
  const char* name;
  unsigned char character;
  int modifiers;
  KeyMeaning meaning;
  std::uint8_t expected_character;
  std::uint8_t expected_scan;
};

class CharacterKeys : public testing::TestWithParam<CharacterCase> {};

TEST_P(CharacterKeys, MapToTheirCharacterOrRequest) {
  const CharacterCase& c = GetParam();
  const KeyEvent event = map_character_key(c.character, c.modifiers);
  EXPECT_EQ(event.meaning, c.meaning);
  if (c.meaning == KeyMeaning::key) {
    EXPECT_EQ(event.entry.character, c.expected_character);
    EXPECT_EQ(event.entry.scan_code, c.expected_scan);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keyboard, CharacterKeys,
    testing::Values(CharacterCase{"letter", 'a', 0, KeyMeaning::key, 97, 0},
                    CharacterCase{"shifted_letter", 'A', kModifierShift, KeyMeaning::key, 65, 0},
                    CharacterCase{"plus", '+', 0, KeyMeaning::key, 43, 0},
                    CharacterCase{"minus", '-', 0, KeyMeaning::key, 45, 0},
                    CharacterCase{"enter", 13, 0, KeyMeaning::key, 13, 0},
                    CharacterCase{"shift_enter", 13, kModifierShift, KeyMeaning::key, 13, 0},
                    CharacterCase{"escape", 27, 0, KeyMeaning::key, 27, 0},
                    CharacterCase{"backspace", 8, 0, KeyMeaning::key, 8, 0},
                    CharacterCase{"ctrl_c", 3, kModifierCtrl, KeyMeaning::key, 3, 0},
                    CharacterCase{"alt_letter", 'x', kModifierAlt, KeyMeaning::key, 120, 0},
                    CharacterCase{"delete_is_extended", 127, 0, KeyMeaning::key, 0, 0x53},
                    CharacterCase{"alt_enter_cycles", 13, kModifierAlt, KeyMeaning::cycle_display, 0, 0},
                    CharacterCase{"ctrl_alt_enter_cycles", 13, kModifierAlt | kModifierCtrl,
                                  KeyMeaning::cycle_display, 0, 0}),
    [](const testing::TestParamInfo<CharacterCase>& info) { return std::string(info.param.name); });

struct SpecialCase {
  const char* name;
  int glut_key;
  KeyMeaning meaning;
  std::uint8_t expected_scan;
};

class SpecialKeys : public testing::TestWithParam<SpecialCase> {};

TEST_P(SpecialKeys, MapToCharacterZeroAndScanCodeOrNothing) {
  const SpecialCase& c = GetParam();
  for (const int modifiers : {0, kModifierShift, kModifierCtrl}) {
    const KeyEvent event = map_special_key(c.glut_key, modifiers);
    EXPECT_EQ(event.meaning, c.meaning) << "modifiers " << modifiers;
    if (c.meaning == KeyMeaning::key) {
      EXPECT_EQ(event.entry.character, 0);
      EXPECT_EQ(event.entry.scan_code, c.expected_scan);
    }
  }
}

// FreeGLUT codes: F1..F12 are 1..12, arrows 100..103, Page Up/Down 104/105, Home 106,
// End 107, Insert 108, Num Lock 0x6D, Begin 0x6E, Delete 0x6F, Shift/Ctrl/Alt 112..117,
// Super 0x76/0x77. Scan codes: the PC keyboard's.
INSTANTIATE_TEST_SUITE_P(
    Keyboard, SpecialKeys,
    testing::Values(SpecialCase{"f1", 1, KeyMeaning::key, 0x3B}, SpecialCase{"f2", 2, KeyMeaning::key, 0x3C},
                    SpecialCase{"f10", 10, KeyMeaning::key, 0x44}, SpecialCase{"f11", 11, KeyMeaning::key, 0x85},
                    SpecialCase{"f12", 12, KeyMeaning::key, 0x86}, SpecialCase{"left", 100, KeyMeaning::key, 0x4B},
                    SpecialCase{"up", 101, KeyMeaning::key, 0x48}, SpecialCase{"right", 102, KeyMeaning::key, 0x4D},
                    SpecialCase{"down", 103, KeyMeaning::key, 0x50},
                    SpecialCase{"page_up", 104, KeyMeaning::key, 0x49},
                    SpecialCase{"page_down", 105, KeyMeaning::key, 0x51},
                    SpecialCase{"home", 106, KeyMeaning::key, 0x47}, SpecialCase{"end", 107, KeyMeaning::key, 0x4F},
                    SpecialCase{"insert", 108, KeyMeaning::key, 0x52},
                    SpecialCase{"delete", 0x6F, KeyMeaning::key, 0x53},
                    SpecialCase{"num_lock", 0x6D, KeyMeaning::nothing, 0},
                    SpecialCase{"begin", 0x6E, KeyMeaning::nothing, 0},
                    SpecialCase{"shift_left", 112, KeyMeaning::nothing, 0},
                    SpecialCase{"shift_right", 113, KeyMeaning::nothing, 0},
                    SpecialCase{"ctrl_left", 114, KeyMeaning::nothing, 0},
                    SpecialCase{"ctrl_right", 115, KeyMeaning::nothing, 0},
                    SpecialCase{"alt_left", 116, KeyMeaning::nothing, 0},
                    SpecialCase{"alt_right", 117, KeyMeaning::nothing, 0},
                    SpecialCase{"super_left", 0x76, KeyMeaning::nothing, 0},
                    SpecialCase{"unknown_zero", 0, KeyMeaning::nothing, 0},
                    SpecialCase{"unknown_thirteen", 13, KeyMeaning::nothing, 0}),
    [](const testing::TestParamInfo<SpecialCase>& info) { return std::string(info.param.name); });

TEST(SystemKeys, PauseSuspendsAndWithCtrlOrAsBreakEndsTheRun) {
  EXPECT_EQ(map_system_key(SystemKey::pause, false).meaning, KeyMeaning::pause);
  EXPECT_EQ(map_system_key(SystemKey::pause, true).meaning, KeyMeaning::stop);
  EXPECT_EQ(map_system_key(SystemKey::break_key, true).meaning, KeyMeaning::stop);
  EXPECT_EQ(map_system_key(SystemKey::break_key, false).meaning, KeyMeaning::stop);
}

}  // namespace
}  // namespace app
