#pragma once
// Delivering expanded text to the control that had the keyboard focus when the hotkey fired:
// through the clipboard and a synthetic Ctrl+V, or typed through the key-string interpreter.
#include <cstdint>
#include <string_view>

#include "platform/Keyboard.h"
#include "platform/Services.h"

namespace fenu {

inline constexpr std::uint8_t kVkV = 86;

// How text is delivered: the settings [Options] Sendkeys and ClipboardHistory.
struct DeliveryOptions {
  // Typed as a key string instead of pasted through the clipboard.
  bool sendkeys = false;
  // The pasted text may go into the system's clipboard history and cloud clipboard; by default
  // it is marked to stay out of both.
  bool clipboardHistory = false;
};

// One Ctrl+key chord into target: forces target to the foreground, then Ctrl down, key down,
// pending messages processed, Ctrl up, key up (Ctrl is released first), messages processed again.
void SendCtrlKey(WindowHandle target, std::uint8_t key, IFocus& focus, IKeyboard& keyboard);

// Delivers text to target. Without sendkeys the text replaces the clipboard's content (and stays
// there, kept out of the clipboard history unless clipboardHistory) and is pasted with Ctrl+V;
// when the clipboard cannot be had nothing is pasted, so that no older clipboard content lands in
// the target. With sendkeys the target becomes the
// foreground window by the plain call and the text is typed as a key string, with waiting; each
// CR LF line break is typed as one Enter. Before each message box of the run the keys sent so
// far are let arrive; after it the target comes to the front again before the run goes on. When
// the target cannot be had in front (also at the start) the rest of the text is not typed.
// True when the whole text went out.
bool Deliver(std::string_view text, WindowHandle target, const DeliveryOptions& options, Services& services,
             KeyboardServices& keys);

}  // namespace fenu
