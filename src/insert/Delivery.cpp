#include "insert/Delivery.h"

#include <string>

#include "insert/KeyString.h"

namespace fenu {
namespace {

// A line break of the delivered text is one Enter. Typed through the layout, the LF of a CR LF
// pair would be a second key (Ctrl+Enter on Windows' layouts: a page break in a word processor,
// "send" in a mail program), so it is left out.
std::string OneKeyPerLineBreak(std::string_view text) {
  std::string typed;
  typed.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\n' && i > 0 && text[i - 1] == '\r')) typed += text[i];
  return typed;
}

// The captured control as the interpreter's boxes concern it. Behind a box the window that chose
// the block is open, where typed characters and Enter would choose again, so the keys go on only
// once the target is in front again.
class DeliveryTarget : public IKeyTarget {
 public:
  DeliveryTarget(WindowHandle target, IForeground& foreground) : target_(target), foreground_(foreground) {}
  void BeforeMessage() override { foreground_.LetInputArrive(); }
  bool AfterMessage() override { return foreground_.SetForeground(target_); }

 private:
  WindowHandle target_;
  IForeground& foreground_;
};

}  // namespace

void SendCtrlKey(WindowHandle target, std::uint8_t key, IFocus& focus, IKeyboard& keyboard) {
  focus.ForceForeground(target);
  keyboard.KeyEvent(kVkControl, false, false);
  keyboard.KeyEvent(key, false, IsExtendedKey(key));
  keyboard.ProcessMessages();
  keyboard.KeyEvent(kVkControl, true, false);
  keyboard.KeyEvent(key, true, IsExtendedKey(key));
  keyboard.ProcessMessages();
}

bool Deliver(std::string_view text, WindowHandle target, const DeliveryOptions& options, Services& services,
             KeyboardServices& keys) {
  if (!options.sendkeys) {
    const ClipboardHistory history =
        options.clipboardHistory ? ClipboardHistory::Allowed : ClipboardHistory::Excluded;
    if (!keys.clipboard.SetText(text, history)) return false;
    SendCtrlKey(target, kVkV, services.focus, keys.keyboard);
    return true;
  }
  // Without the target in front the keys would go to the own window: nothing is typed then.
  if (!keys.foreground.SetForeground(target)) return false;
  DeliveryTarget keysWindow(target, keys.foreground);
  return SendKeyString(OneKeyPerLineBreak(text), true, keys.keyboard, keys.messages, services.dialogs, &keysWindow);
}

}  // namespace fenu
