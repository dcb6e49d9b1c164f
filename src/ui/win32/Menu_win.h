#pragma once
// A window's menu bar built from its description (core/Mnemonics.h).
#include <windows.h>

#include <vector>

#include "core/Mnemonics.h"

namespace fenu::ui {

// The caller owns the menu (a window destroys the menu bar it was given).
HMENU CreateMenuBar(const std::vector<MenuBarEntry>& menu);

}  // namespace fenu::ui
