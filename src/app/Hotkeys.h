#pragma once
// The four global hotkeys: registered from the settings file under the atoms "H1" to "H4",
// re-registered as a whole, and told apart when the system reports one.
#include <array>
#include <cstdint>
#include <string_view>

#include "core/IniFile.h"
#include "insert/Delivery.h"
#include "platform/Services.h"

namespace fenu {

class HotkeyRegistry {
 public:
  explicit HotkeyRegistry(IHotkeyService& service) : service_(service) {}

  // Unregisters all, registers the four slots from [HotKeys] and returns the delivery options,
  // [Options] Sendkeys and ClipboardHistory. A spec that does not convert throws ConversionError.
  DeliveryOptions LoadHotkeys(const IniFile& settings);
  void RegisterSlot(int slot, std::string_view first, std::string_view second, std::string_view atomName);
  void UnregisterAll();

  // 1 to 4 for an identifier of a slot, 0 for anything else.
  int SlotOf(std::uint32_t id) const;
  std::uint32_t Identifier(int slot) const { return ids_.at(static_cast<std::size_t>(slot - 1)); }

 private:
  IHotkeyService& service_;
  std::array<std::uint32_t, 4> ids_{};
};

}  // namespace fenu
