#pragma once
// Sizes that show a control's text whole, measured in the control's own font at the window's DPI,
// and a check that finds the controls of a window whose text is cut.
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace fenu::ui {

// The smallest width at which a control shows its whole caption on one line: a push button
// with comfortable margins, a check box or radio button with its box, a group box with its
// frame, a label as it is, a drop-down list with its widest entry beside the arrow. Other
// controls answer their present width.
int FitWidth(HWND control);

// The width of a column that holds the controls one above the other: the largest FitWidth, and
// at least minWidth.
int ColumnWidth(std::initializer_list<HWND> controls, int minWidth = 0);

// The width a row of controls needs, each at its FitWidth but at least minWidth, gap apart.
int RowWidth(std::initializer_list<HWND> controls, int gap, int minWidth = 0);
// Places a row of controls from x to the right, each at least as wide as RowWidth gives it, in
// equal widths as far as width allows (0: each at its own). Answers the row's right edge.
int PlaceRow(std::initializer_list<HWND> controls, int x, int y, int width, int height, int gap, int minWidth = 0);

// The column widths of a list view, at least as wide as their headers.
void FitListViewHeaders(HWND listView);

// For a window laid out once at fixed places: every label that wraps its text onto more lines than
// it has room for grows downwards; what lies below it moves down, what reaches past its bottom
// (a frame around it, a list beside it) grows, and so does the window. A font or DPI with wider
// letters then costs height instead of text.
void MakeRoomForTexts(HWND window);

// One line for each visible control of window whose text is cut: its id, text and the sizes.
std::vector<std::wstring> CutTexts(HWND window);

}  // namespace fenu::ui
