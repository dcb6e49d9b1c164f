#pragma once
// The key-string interpreter: types a text into the window with the keyboard focus. Most
// characters are typed as themselves through the keyboard layout (as Unicode where it has no key
// for them); a few form a small command language:
//   +  ^  %     hold Shift, Ctrl or Alt for the next key         "+a" types A, "^c" is Ctrl+C
//   ( )         hold the modifiers for a whole group              "+(ab)c" types ABc
//   ~           Enter
//   {NAME}      a named key ({TAB}, {LEFT}, {F5}, ...) or one character ({a} types A)
//   {NAME n}    the key n times (n modulo 65536)                 "{LEFT 3}"
//   {{} {}}     an opening and a closing brace
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/Keyboard.h"
#include "platform/Services.h"

namespace fenu {

// Caption of the interpreter's plain message boxes.
inline constexpr const char* kSendKeysCaption = "SendKeys";

// How a run ended.
enum class KeyStringEnd {
  Done,            // the whole text was processed
  Empty,           // there was nothing to type
  NoClose,         // a "{" without "}": "No Close" was shown, the run stopped there
  BadRepeatCount,  // a repeat count that is no number: an error box was shown, the run stopped
  KeysAstray,      // after a box the keys' window could not be had back: the run stopped there
};

// The window that the keys of a run are meant for, as the run's message boxes concern it: a box
// takes the keyboard, and when it closes the focus returns to one of the own windows.
class IKeyTarget {
 public:
  virtual ~IKeyTarget() = default;
  // Before a box: the keys sent so far reach the window before the box takes the keyboard.
  virtual void BeforeMessage() = 0;
  // After a box, before the run goes on: the window in front again. False when it cannot be
  // had, which ends the run (KeysAstray) before a further key goes elsewhere.
  virtual bool AfterMessage() = 0;
};

// Runs a key string. With wait on, the keyboard messages waiting in the own thread's queue are
// dispatched after every key event. Modifiers that the text leaves held (after "No Close" or in
// a group that is never closed) are released before the run returns. A character the layout has
// no key for is typed as Unicode; one that cannot be typed at all (a control character without a
// key, a byte that cp1252 leaves undefined) shows "Invalid KeyName", an unknown name "Invalid Key
// Name" (plain boxes, caption "SendKeys"); both are skipped and the run goes on. Around every box the run calls target, when given.
KeyStringEnd RunKeyString(std::string_view text, bool wait, IKeyboard& keyboard, IPlainMessage& messages,
                          IDialogs& dialogs, IKeyTarget* target = nullptr);

// True when the whole text was processed; false for an empty text and for a run that stopped.
bool SendKeyString(std::string_view text, bool wait, IKeyboard& keyboard, IPlainMessage& messages,
                   IDialogs& dialogs, IKeyTarget* target = nullptr);

// The virtual key of a key name in upper case ("BKSP", "LEFT", "F12", ...), or nothing.
std::optional<std::uint8_t> KeyNameToKey(std::string_view name);

// Keys sent with the extended-key flag: Page Up to Down (33-40), Insert (45), Delete (46).
bool IsExtendedKey(std::uint8_t key);

}  // namespace fenu
