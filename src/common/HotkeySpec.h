#pragma once
// A hotkey is stored as two German texts: a first part naming modifiers or a special key, and a
// second part naming the key ("[Gross-Strg]" + "F5"). This turns them into what the system's
// hotkey service takes.
#include <array>
#include <string>
#include <string_view>

#include "core/IniFile.h"

namespace fenu {

inline constexpr unsigned kModAlt = 1;
inline constexpr unsigned kModCtrl = 2;
inline constexpr unsigned kModShift = 4;

struct HotkeyCode {
  unsigned modifiers = 0;
  unsigned key = 0;  // virtual-key code; 0 registers nothing usable
  bool operator==(const HotkeyCode&) const = default;
};

// Throws ConversionError for a second part that has the "F" or "N" form without a number.
HotkeyCode ConvertHotkey(std::string_view first, std::string_view second);

struct HotkeySlot {
  const char* firstKey;     // key in [HotKeys]
  const char* secondKey;
  const char* shellFirst;   // defaults when the shell registers the slot
  const char* shellSecond;
  const char* windowFirst;  // defaults shown by the hotkey window
  const char* windowSecond;
  const char* atomName;
};

inline constexpr std::array<HotkeySlot, 4> kHotkeySlots = {{
    {"HotkeyB1", "HotkeyB2", "Druck", "", "[Druck]", "", "H1"},
    {"HotkeyP1", "HotkeyP2", "Pause", "", "[Pause]", "", "H2"},
    {"HotkeyL1", "HotkeyL2", "Strg", "N1", "[Strg-Alt]", "N0", "H3"},
    {"HotkeyFF1", "HotkeyFF2", "Strg", "N0", "[Strg-Alt]", "1", "H4"},
}};

inline constexpr const char* kHotkeySection = "HotKeys";

// How a window shows a hotkey: "HotKey: " and the first part, then " + " and the second part when
// there is one.
std::string HotkeyLabel(std::string_view first, std::string_view second);

// A slot's two parts as the shell registers them: the settings' [HotKeys] values, or the shell's
// defaults; and the label of them.
std::string ShellHotkeyFirst(const IniDocument& settings, const HotkeySlot& slot);
std::string ShellHotkeySecond(const IniDocument& settings, const HotkeySlot& slot);
std::string ShellHotkeyLabel(const IniDocument& settings, const HotkeySlot& slot);

}  // namespace fenu
