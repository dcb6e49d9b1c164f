#pragma once
// A thin vertical bar that the user drags to share a window's width between two sides. While it
// is dragged it sends kSplitterMoved to its parent with the bar's x in the parent's client area.
#include <windows.h>

namespace fenu::ui {

inline constexpr const wchar_t* kSplitterClass = L"TSplitter";
inline constexpr UINT kSplitterMoved = WM_APP + 31;
void RegisterSplitterClass();

}  // namespace fenu::ui
