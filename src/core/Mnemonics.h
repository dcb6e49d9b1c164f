#pragma once
// Mnemonics: the letter after a single "&" in a caption, which Alt and that letter reach. Menus are
// described as data so that their mnemonics can be checked where they are defined.
#include <string>
#include <string_view>
#include <vector>

namespace fenu {

// The mnemonic of a caption in upper case (cp1252), or '\0' when it has none; "&&" is a plain "&".
char MnemonicOf(std::string_view caption);

// The mnemonics that more than one of the captions carries, each once, in upper case.
std::string RepeatedMnemonics(const std::vector<std::string>& captions);

// One entry of a drop-down menu: its command and caption ("&" before the mnemonic, a tab before
// the shortcut shown); command 0 is a separator.
struct MenuEntry {
  int command;
  const char* caption;
};

// A title of the menu bar with its drop-down entries, or (no entries) a command of its own.
struct MenuBarEntry {
  const char* caption;
  int command;
  std::vector<MenuEntry> entries;
};

}  // namespace fenu
