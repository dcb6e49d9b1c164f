#pragma once
// Windows are laid out in 96-DPI pixels and carried to the DPI of their screen: when they are
// created, and again when they move to a screen of another DPI. This is the arithmetic of it.
#include <string_view>

namespace fenu {

inline constexpr int kLayoutDpi = 96;
// The DPI a window may be asked to run at (FENU_DPI).
inline constexpr int kMinDpi = 72;
inline constexpr int kMaxDpi = 480;

// value at fromDpi carried to toDpi, rounded half away from zero as the system's MulDiv does. A
// fromDpi that is not positive leaves the value as it is.
int ScaleDpi(int value, int fromDpi, int toDpi);

struct LayoutRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const LayoutRect&) const = default;
};

// A control's place in its parent carried to another DPI, each edge on its own: controls that
// touched or lined up still do, and a place carried to a higher DPI and back is the one it was.
LayoutRect ScaleRect(const LayoutRect& rect, int fromDpi, int toDpi);

// The DPI that an override asks for: a whole number from kMinDpi to kMaxDpi, written as digits
// only; anything else is 0 (no override).
int ParseDpi(std::string_view text);

}  // namespace fenu
