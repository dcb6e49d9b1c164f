#pragma once
// The mnemonic check of a window's menu bar: every title and entry carries one, and no two entries
// of one drop-down share theirs. Answers the titles, for the window's controls to be checked
// against (Alt and a letter reaches a control before the menu bar).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Mnemonics.h"

namespace fenu::test {

inline std::vector<std::string> CheckedMenuTitles(const std::vector<MenuBarEntry>& menuBar) {
  std::vector<std::string> titles;
  for (const MenuBarEntry& title : menuBar) {
    EXPECT_NE(MnemonicOf(title.caption), '\0') << title.caption;
    titles.push_back(title.caption);
    std::vector<std::string> entries;
    for (const MenuEntry& entry : title.entries) {
      if (entry.command == 0) continue;
      EXPECT_NE(MnemonicOf(entry.caption), '\0') << entry.caption;
      entries.push_back(entry.caption);
    }
    EXPECT_EQ(RepeatedMnemonics(entries), "") << title.caption;
  }
  return titles;
}

}  // namespace fenu::test
