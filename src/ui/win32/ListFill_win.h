#pragma once
// List boxes and combo boxes filled from the item lists of the logic classes.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace fenu::ui {

// Replaces what a list box or combo box holds by items, in order; with selected, selects that
// entry as well (-1: none).
void FillList(HWND control, const std::vector<std::string>& items, std::optional<int> selected = std::nullopt);

}  // namespace fenu::ui
