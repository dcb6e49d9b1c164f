#include "app/Hotkeys.h"

#include "common/HotkeySpec.h"

namespace fenu {

DeliveryOptions HotkeyRegistry::LoadHotkeys(const IniFile& settings) {
  UnregisterAll();
  const IniDocument doc = settings.Load();
  for (int slot = 1; slot <= 4; ++slot) {
    const HotkeySlot& info = kHotkeySlots[static_cast<std::size_t>(slot - 1)];
    RegisterSlot(slot, ShellHotkeyFirst(doc, info), ShellHotkeySecond(doc, info), info.atomName);
  }
  return DeliveryOptions{settings.ReadBool("Options", "Sendkeys", false),
                         settings.ReadBool("Options", "ClipboardHistory", false)};
}

void HotkeyRegistry::RegisterSlot(int slot, std::string_view first, std::string_view second,
                                  std::string_view atomName) {
  const HotkeyCode code = ConvertHotkey(first, second);
  const std::uint32_t id = service_.AddAtom(atomName);
  ids_.at(static_cast<std::size_t>(slot - 1)) = id;
  // A refusal (taken by another program, key 0) just leaves the hotkey inactive.
  service_.RegisterHotkey(id, code.modifiers, code.key);
}

void HotkeyRegistry::UnregisterAll() {
  for (std::uint32_t& id : ids_) {
    service_.UnregisterHotkey(id);
    service_.DeleteAtom(static_cast<std::uint16_t>(id));
    id = 0;  // so that a second call leaves the atom table alone
  }
}

int HotkeyRegistry::SlotOf(std::uint32_t id) const {
  for (std::size_t i = 0; i < ids_.size(); ++i)
    if (ids_[i] != 0 && ids_[i] == id) return static_cast<int>(i) + 1;
  return 0;
}

}  // namespace fenu
