#pragma once
// What a key press from the window means to the runtime: a key for the key ring (an
// ordinary character, or character 0 with a PC scan code for an extended key), a request
// that is not a key (Pause, Ctrl+Break, Alt+Enter), or nothing (a modifier or lock key alone).
// The codes are FreeGLUT's: characters of the keyboard callback, GLUT_KEY_* of the special
// callback, GLUT_ACTIVE_* modifier bits.
#include <cstdint>

#include "screen/key_ring.h"

namespace app {

enum class KeyMeaning { nothing, key, pause, stop, cycle_display };

struct KeyEvent {
  KeyMeaning meaning = KeyMeaning::nothing;
  screen::KeyEntry entry{};  // valid when meaning is key
};

// GLUT_ACTIVE_SHIFT, GLUT_ACTIVE_CTRL, GLUT_ACTIVE_ALT.
inline constexpr int kModifierShift = 1;
inline constexpr int kModifierCtrl = 2;
inline constexpr int kModifierAlt = 4;

// PC scan codes of the extended keys.
namespace scan {
inline constexpr std::uint8_t kF1 = 0x3B;   // F1 to F10 follow in order
inline constexpr std::uint8_t kF11 = 0x85;
inline constexpr std::uint8_t kF12 = 0x86;
inline constexpr std::uint8_t kHome = 0x47;
inline constexpr std::uint8_t kUp = 0x48;
inline constexpr std::uint8_t kPageUp = 0x49;
inline constexpr std::uint8_t kLeft = 0x4B;
inline constexpr std::uint8_t kRight = 0x4D;
inline constexpr std::uint8_t kEnd = 0x4F;
inline constexpr std::uint8_t kDown = 0x50;
inline constexpr std::uint8_t kPageDown = 0x51;
inline constexpr std::uint8_t kInsert = 0x52;
inline constexpr std::uint8_t kDelete = 0x53;
}  // namespace scan

// A key of the keyboard callback: its character and the modifiers held.
KeyEvent map_character_key(unsigned char character, int modifiers);
// A key of the special callback (GLUT_KEY_*).
KeyEvent map_special_key(int key, int modifiers);

// The keys that FreeGLUT does not report, taken from the X server.
enum class SystemKey { pause, break_key };
KeyEvent map_system_key(SystemKey key, bool ctrl_held);

}  // namespace app
