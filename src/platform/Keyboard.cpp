#include "platform/Keyboard.h"

namespace fenu {

std::string KeyEventText(std::uint8_t key, bool up, bool extended) {
  return std::string(up ? "up " : "down ") + std::to_string(key) + (extended ? " ext" : "");
}

}  // namespace fenu
