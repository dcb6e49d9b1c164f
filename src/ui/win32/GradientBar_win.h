#pragma once
// The decorative heading strip across the top of most windows: a blue gradient with white bold
// text. It has no behaviour.
#include <windows.h>

namespace fenu::ui {

inline constexpr const wchar_t* kGradientBarClass = L"TGradientBar";
void RegisterGradientBarClass();

}  // namespace fenu::ui
