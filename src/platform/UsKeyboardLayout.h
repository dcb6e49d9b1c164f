#pragma once
// The keys of a US keyboard layout, for places that need a fixed layout: the test fake and
// fenu-cli. On Windows the user's own layout answers (platform/win32/Keyboard_win.cpp).
#include <optional>

#include "platform/Keyboard.h"

namespace fenu {

// The key and shift state that type a cp1252 character on a US layout, as the layout's own
// tables give them: letters, digits and the punctuation of the main block (never the numeric
// keypad), blank, Tab, Backspace, Escape, CR as Enter and LF as Ctrl+Enter. Nothing for every
// other character, among them all of cp1252's letters and signs above 127.
std::optional<KeyStroke> UsKeyboardLayout(char c);

}  // namespace fenu
