#include "platform/UsKeyboardLayout.h"

#include <array>
#include <cstdint>

namespace fenu {
namespace {

struct LayoutEntry {
  char plain;
  char shifted;
  std::uint8_t key;
};

// Keys of the main block that carry two characters.
constexpr std::array<LayoutEntry, 21> kPairs = {{
    {'0', ')', 0x30}, {'1', '!', 0x31}, {'2', '@', 0x32}, {'3', '#', 0x33}, {'4', '$', 0x34},
    {'5', '%', 0x35}, {'6', '^', 0x36}, {'7', '&', 0x37}, {'8', '*', 0x38}, {'9', '(', 0x39},
    {';', ':', 0xBA},  // VK_OEM_1
    {'=', '+', 0xBB},  // VK_OEM_PLUS
    {',', '<', 0xBC},  // VK_OEM_COMMA
    {'-', '_', 0xBD},  // VK_OEM_MINUS
    {'.', '>', 0xBE},  // VK_OEM_PERIOD
    {'/', '?', 0xBF},  // VK_OEM_2
    {'`', '~', 0xC0},  // VK_OEM_3
    {'[', '{', 0xDB},  // VK_OEM_4
    {'\\', '|', 0xDC}, // VK_OEM_5
    {']', '}', 0xDD},  // VK_OEM_6
    {'\'', '"', 0xDE}, // VK_OEM_7
}};

}  // namespace

std::optional<KeyStroke> UsKeyboardLayout(char c) {
  if (c >= 'a' && c <= 'z') return KeyStroke{static_cast<std::uint8_t>(c - 'a' + 'A'), 0};
  if (c >= 'A' && c <= 'Z') return KeyStroke{static_cast<std::uint8_t>(c), kShiftStateShift};
  for (const LayoutEntry& entry : kPairs) {
    if (c == entry.plain) return KeyStroke{entry.key, 0};
    if (c == entry.shifted) return KeyStroke{entry.key, kShiftStateShift};
  }
  switch (c) {
    case ' ': return KeyStroke{0x20, 0};
    case '\t': return KeyStroke{0x09, 0};
    case '\b': return KeyStroke{0x08, 0};
    case '\x1B': return KeyStroke{0x1B, 0};
    case '\r': return KeyStroke{kVkReturn, 0};
    case '\n': return KeyStroke{kVkReturn, kShiftStateCtrl};
    default: return std::nullopt;
  }
}

}  // namespace fenu
