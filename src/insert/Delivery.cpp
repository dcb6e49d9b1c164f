#include "insert/Delivery.h"

#include "insert/KeyString.h"

namespace fenu {

void SendCtrlKey(WindowHandle target, std::uint8_t key, IFocus& focus, IKeyboard& keyboard) {
  focus.ForceForeground(target);
  keyboard.KeyEvent(kVkControl, false, false);
  keyboard.KeyEvent(key, false, IsExtendedKey(key));
  keyboard.ProcessMessages();
  keyboard.KeyEvent(kVkControl, true, false);
  keyboard.KeyEvent(key, true, IsExtendedKey(key));
  keyboard.ProcessMessages();
}

bool Deliver(std::string_view text, WindowHandle target, bool sendkeys, Services& services,
             KeyboardServices& keys) {
  if (!sendkeys) {
    if (!keys.clipboard.SetText(text)) return false;
    SendCtrlKey(target, kVkV, services.focus, keys.keyboard);
    return true;
  }
  keys.foreground.SetForeground(target);
  return SendKeyString(text, true, keys.keyboard, keys.messages, services.dialogs);
}

}  // namespace fenu
