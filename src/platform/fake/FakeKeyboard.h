#pragma once
// A recording keyboard, clipboard and foreground for tests. Every call becomes a line of the log:
// "down 16", "up 65", "down 37 ext", "unicode 8364", "toggle 144", "ProcessKeyboardMessages", "ProcessMessages",
// "SetClipboard \"...\"" (with " out of history" when so marked), "GetClipboard", "SetForeground 5", "LetInputArrive",
// "MessageBox SendKeys \"No Close\" -> OK". Characters map to keys as on a US layout.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Keyboard.h"

namespace fenu {

class FakeKeyboard : public IKeyboard, public IClipboard, public IForeground, public IPlainMessage {
 public:
  // Logs into a log of its own.
  FakeKeyboard() : log(ownLog_) {}
  // Logs into another log, e.g. FakeServices::log, so that one story holds every call in order.
  explicit FakeKeyboard(std::vector<std::string>& sharedLog) : log(sharedLog) {}
  FakeKeyboard(const FakeKeyboard&) = delete;
  FakeKeyboard& operator=(const FakeKeyboard&) = delete;

  KeyboardServices services{*this, *this, *this, *this};
  std::vector<std::string>& log;

  // Characters that map otherwise than on a US layout; nullopt: no key.
  std::map<char, std::optional<KeyStroke>> layout;
  // Num Lock in the thread's keyboard state.
  bool numLock = false;
  // The clipboard's text, how it was marked, and whether it refuses to be opened.
  std::string clipboard;
  ClipboardHistory clipboardHistory = ClipboardHistory::Allowed;
  bool clipboardLocked = false;
  // Windows that SetForeground cannot bring to the front (as a window that has gone).
  std::set<WindowHandle> foregroundRefused;

  // The key-event lines of the log only ("down ...", "up ...", "unicode ...", "toggle ...").
  std::vector<std::string> KeyEvents() const;

  void KeyEvent(std::uint8_t key, bool up, bool extended) override;
  std::optional<KeyStroke> CharToKey(char c) override;
  void TypeUnicode(std::uint16_t unit) override;
  bool NumLock() override;
  void SetNumLock(bool on) override;
  void ProcessKeyboardMessages() override;
  void ProcessMessages() override;
  using IClipboard::SetText;
  bool SetText(std::string_view text, ClipboardHistory history) override;
  std::string GetText() override;
  bool SetForeground(WindowHandle window) override;
  void LetInputArrive() override;
  void PlainMessage(std::string_view caption, std::string_view text) override;

 private:
  std::vector<std::string> ownLog_;
};

}  // namespace fenu
