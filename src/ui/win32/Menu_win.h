#pragma once
// A window's menu bar built from its description (core/Mnemonics.h).
#include <windows.h>

#include <vector>

#include "core/Mnemonics.h"
#include "ui/win32/GdiObject_win.h"

namespace fenu::ui {

// A window destroys the menu bar it was given; until then the owner frees it.
Menu CreateMenuBar(const std::vector<MenuBarEntry>& menu);

}  // namespace fenu::ui
