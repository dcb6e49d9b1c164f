#pragma once
// The real keyboard, clipboard and foreground behind platform/Keyboard.h.
#include <windows.h>

#include "platform/Keyboard.h"

namespace fenu::win32 {

class Win32Keyboard : public IKeyboard {
 public:
  void KeyEvent(std::uint8_t key, bool up, bool extended) override;
  std::optional<KeyStroke> CharToKey(char c) override;
  void TypeUnicode(std::uint16_t unit) override;
  bool NumLock() override;
  void SetNumLock(bool on) override;
  void ProcessKeyboardMessages() override;
  void ProcessMessages() override;

 private:
  void Send(std::uint8_t key, bool up, bool extended);
  HeldModifiers held_;
};

class Win32Clipboard : public IClipboard {
 public:
  Win32Clipboard() = default;
  Win32Clipboard(const Win32Clipboard&) = delete;
  Win32Clipboard& operator=(const Win32Clipboard&) = delete;
  ~Win32Clipboard() override;
  using IClipboard::SetText;
  bool SetText(std::string_view text, ClipboardHistory history) override;
  std::string GetText() override;

 private:
  bool Open();
  // A message-only window that owns what this program puts on the clipboard.
  HWND owner_ = nullptr;
};

class Win32Foreground : public IForeground {
 public:
  bool SetForeground(WindowHandle window) override;
  void LetInputArrive() override;
};

class Win32PlainMessage : public IPlainMessage {
 public:
  void PlainMessage(std::string_view caption, std::string_view text) override;
};

// All of them together, as the delivery takes them.
struct Win32KeyboardServices {
  Win32Keyboard keyboard;
  Win32Clipboard clipboard;
  Win32Foreground foreground;
  Win32PlainMessage messages;
  KeyboardServices services{keyboard, clipboard, foreground, messages};
};

}  // namespace fenu::win32
