#include "model/DpiScale.h"

#include <cstdint>

namespace fenu {

int ScaleDpi(int value, int fromDpi, int toDpi) {
  if (fromDpi <= 0) return value;
  const std::int64_t product = static_cast<std::int64_t>(value) * toDpi;
  const std::int64_t half = fromDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / fromDpi : (product - half) / fromDpi);
}

LayoutRect ScaleRect(const LayoutRect& rect, int fromDpi, int toDpi) {
  return {ScaleDpi(rect.left, fromDpi, toDpi), ScaleDpi(rect.top, fromDpi, toDpi),
          ScaleDpi(rect.right, fromDpi, toDpi), ScaleDpi(rect.bottom, fromDpi, toDpi)};
}

int ParseDpi(std::string_view text) {
  if (text.empty() || text.size() > 3) return 0;
  int dpi = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return 0;
    dpi = dpi * 10 + (c - '0');
  }
  return dpi >= kMinDpi && dpi <= kMaxDpi ? dpi : 0;
}

}  // namespace fenu
