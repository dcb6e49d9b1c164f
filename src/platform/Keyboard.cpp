#include "platform/Keyboard.h"

namespace fenu {

void HeldModifiers::Note(std::uint8_t key, bool up) {
  if (key >= kVkShift && key <= kVkMenu) held_[key - kVkShift] = !up;
}

std::string KeyEventText(std::uint8_t key, bool up, bool extended) {
  return std::string(up ? "up " : "down ") + std::to_string(key) + (extended ? " ext" : "");
}

std::string UnicodeText(std::uint16_t unit) { return "unicode " + std::to_string(unit); }

}  // namespace fenu
