#pragma once
// Typing into other applications: synthetic key events, the keyboard layout, the clipboard and
// the foreground window. Win32 implementations in platform/win32/Keyboard_win.cpp, a recording
// fake in platform/fake/FakeKeyboard.h.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Services.h"

namespace fenu {

// Bits of a shift state, as the layout's character-to-key mapping returns them.
inline constexpr unsigned kShiftStateShift = 1;
inline constexpr unsigned kShiftStateCtrl = 2;
inline constexpr unsigned kShiftStateAlt = 4;

// Virtual keys the typing code names.
inline constexpr std::uint8_t kVkReturn = 13;
inline constexpr std::uint8_t kVkShift = 16;
inline constexpr std::uint8_t kVkControl = 17;
inline constexpr std::uint8_t kVkMenu = 18;  // Alt
inline constexpr std::uint8_t kVkNumLock = 144;

// A key on the keyboard together with the modifiers that must be held to type a character.
struct KeyStroke {
  std::uint8_t key = 0;    // virtual-key code
  std::uint8_t shift = 0;  // kShiftState* bits
  bool operator==(const KeyStroke&) const = default;
};

class IKeyboard {
 public:
  virtual ~IKeyboard() = default;
  // Synthesises one key-down or key-up event for a virtual key, with the key's hardware scan
  // code and, when asked, the extended-key flag.
  virtual void KeyEvent(std::uint8_t key, bool up, bool extended) = 0;
  // The key and shift state that type a cp1252 character on the current keyboard layout, or
  // nothing when the layout has no key for it.
  virtual std::optional<KeyStroke> CharToKey(char c) = 0;
  // Types one UTF-16 code unit as a character whatever the keyboard layout, as a key-down and
  // a key-up event of the platform's Unicode packet: for characters the layout has no key for.
  virtual void TypeUnicode(std::uint16_t unit) = 0;
  // Num Lock in the own thread's keyboard state.
  virtual bool NumLock() = 0;
  virtual void SetNumLock(bool on) = 0;
  // Translates and dispatches the keyboard messages waiting in the own thread's queue.
  virtual void ProcessKeyboardMessages() = 0;
  // Lets the own thread process every pending message.
  virtual void ProcessMessages() = 0;
};

// Whether text that the program puts on the clipboard may go into the system's clipboard history
// and its cloud clipboard. Excluded text is marked for both to leave it out; every program still
// pastes it as usual.
enum class ClipboardHistory { Allowed, Excluded };

class IClipboard {
 public:
  virtual ~IClipboard() = default;
  // Replaces the clipboard's content with plain text; false when the clipboard cannot be had.
  virtual bool SetText(std::string_view text, ClipboardHistory history) = 0;
  // The same for text the user copies, which the history may keep.
  bool SetText(std::string_view text) { return SetText(text, ClipboardHistory::Allowed); }
  // The clipboard's text, empty when it holds none.
  virtual std::string GetText() = 0;
};

class IForeground {
 public:
  virtual ~IForeground() = default;
  // Makes window the foreground window with the system's plain call: no restore of a minimised
  // window, no way around the foreground lock. When the foreground changed, waits (bounded) until
  // the window has taken the activation.
  virtual bool SetForeground(WindowHandle window) = 0;
  // Gives the foreground window a moment to take the keys sent to it so far, before one of the
  // own windows takes the foreground and the keys not yet taken would go astray.
  virtual void LetInputArrive() = 0;
};

class IPlainMessage {
 public:
  virtual ~IPlainMessage() = default;
  // A message box without owner window, with its own caption and an OK button.
  virtual void PlainMessage(std::string_view caption, std::string_view text) = 0;
};

// What typing and delivering text reach besides the common services, by reference.
struct KeyboardServices {
  IKeyboard& keyboard;
  IClipboard& clipboard;
  IForeground& foreground;
  IPlainMessage& messages;
};

// The modifier keys (Shift, Ctrl, Alt) that a run of key events holds down. The system may let go
// of one in between: under Wine, when a window that has just come to the front handles the window
// system's focus change, it sets the modifiers to the state of the physical keyboard. Such a
// modifier is pressed again before the next key, which it belongs to.
class HeldModifiers {
 public:
  // Takes note of a key event; keys other than the modifiers leave the state alone.
  void Note(std::uint8_t key, bool up);
  // The held modifiers that the system reports up (isDown false), in the order Shift, Ctrl, Alt.
  template <class IsDown>
  std::vector<std::uint8_t> Lost(IsDown isDown) const {
    std::vector<std::uint8_t> lost;
    for (std::uint8_t key : {kVkShift, kVkControl, kVkMenu})
      if (held_[key - kVkShift] && !isDown(key)) lost.push_back(key);
    return lost;
  }

 private:
  bool held_[3] = {false, false, false};
};

// A key event as one line of text: "down 16", "up 65", "down 37 ext".
std::string KeyEventText(std::uint8_t key, bool up, bool extended);
// A character typed as Unicode as one line of text: "unicode 8364".
std::string UnicodeText(std::uint16_t unit);

}  // namespace fenu
