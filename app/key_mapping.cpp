#include "app/key_mapping.h"

namespace app {

namespace {

// FreeGLUT's special key codes.
constexpr int kGlutF1 = 1;
constexpr int kGlutF12 = 12;
constexpr int kGlutLeft = 100;
constexpr int kGlutUp = 101;
constexpr int kGlutRight = 102;
constexpr int kGlutDown = 103;
constexpr int kGlutPageUp = 104;
constexpr int kGlutPageDown = 105;
constexpr int kGlutHome = 106;
constexpr int kGlutEnd = 107;
constexpr int kGlutInsert = 108;
constexpr int kGlutDelete = 0x6F;

constexpr unsigned char kEnter = 13;
constexpr unsigned char kDeleteCharacter = 127;

KeyEvent extended(std::uint8_t scan_code) { return {KeyMeaning::key, screen::KeyEntry{0, scan_code}}; }

}  // namespace

KeyEvent map_character_key(unsigned char character, int modifiers) {
  if (character == kEnter && (modifiers & kModifierAlt) != 0) return {KeyMeaning::cycle_display, {}};
  // X reports the Delete key as the character 127; the PC keyboard reports it as an extended key.
  if (character == kDeleteCharacter) return extended(scan::kDelete);
  return {KeyMeaning::key, screen::KeyEntry{character, 0}};
}

KeyEvent map_special_key(int key, int /*modifiers*/) {
  if (key >= kGlutF1 && key <= kGlutF12) {
    if (key <= 10) return extended(static_cast<std::uint8_t>(scan::kF1 + (key - kGlutF1)));
    return extended(key == 11 ? scan::kF11 : scan::kF12);
  }
  switch (key) {
    case kGlutLeft: return extended(scan::kLeft);
    case kGlutUp: return extended(scan::kUp);
    case kGlutRight: return extended(scan::kRight);
    case kGlutDown: return extended(scan::kDown);
    case kGlutPageUp: return extended(scan::kPageUp);
    case kGlutPageDown: return extended(scan::kPageDown);
    case kGlutHome: return extended(scan::kHome);
    case kGlutEnd: return extended(scan::kEnd);
    case kGlutInsert: return extended(scan::kInsert);
    case kGlutDelete: return extended(scan::kDelete);
    default: return {};  // Shift, Ctrl, Alt, Super, Num Lock, keypad Begin
  }
}

KeyEvent map_system_key(SystemKey key, bool ctrl_held) {
  if (key == SystemKey::break_key || ctrl_held) return {KeyMeaning::stop, {}};
  return {KeyMeaning::pause, {}};
}

}  // namespace app
