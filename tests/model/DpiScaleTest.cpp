#include "model/DpiScale.h"

#include <gtest/gtest.h>

namespace fenu {
namespace {

TEST(DpiScale, ScalesAndRoundsAsMulDiv) {
  const struct {
    int value, from, to, expected;
  } cases[] = {
      {10, 96, 144, 15},  {7, 96, 144, 11},   {-7, 96, 144, -11}, {1, 96, 144, 2},  {0, 96, 144, 0},
      {13, 96, 120, 16},  {5, 144, 96, 3},    {3, 144, 96, 2},    {-3, 144, 96, -2}, {22, 96, 96, 22},
      {264, 96, 480, 1320}, {2000000, 96, 480, 10000000},  // no overflow on the way
      {100, 0, 144, 100},  // no DPI to scale from
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScaleDpi(c.value, c.from, c.to), c.expected) << c.value << " from " << c.from << " to " << c.to;
}

TEST(DpiScale, AWindowMovedToAHigherDpiAndBackIsLaidOutAsBefore) {
  const int pairs[][2] = {{96, 120}, {96, 144}, {96, 192}, {120, 144}, {72, 96}};
  for (const auto& [low, high] : pairs) {
    for (int value = -300; value <= 2000; ++value)
      ASSERT_EQ(ScaleDpi(ScaleDpi(value, low, high), high, low), value) << value << " via " << high;
  }
}

TEST(DpiScale, ControlsThatTouchOrLineUpStillDo) {
  // A label and the spin button right after it, a field under the label; one starts left of
  // its parent (a strip scrolled a little).
  const LayoutRect label{12, 14, 56, 30}, spin{56, 9, 73, 34}, field{12, 30, 56, 53}, off{-5, 0, 7, 3};
  for (int dpi : {120, 144, 168, 192}) {
    const LayoutRect l = ScaleRect(label, 96, dpi), s = ScaleRect(spin, 96, dpi), f = ScaleRect(field, 96, dpi);
    EXPECT_EQ(l.right, s.left) << dpi;
    EXPECT_EQ(l.bottom, f.top) << dpi;
    EXPECT_EQ(l.left, f.left) << dpi;
    EXPECT_EQ(ScaleRect(l, dpi, 96), label) << dpi;
    EXPECT_EQ(ScaleRect(ScaleRect(off, 96, dpi), dpi, 96), off) << dpi;
  }
  EXPECT_EQ(ScaleRect(off, 96, 144), (LayoutRect{-8, 0, 11, 5}));
}

TEST(DpiScale, TheOverrideTakesAWholeNumberInItsRangeOnly) {
  const struct {
    const char* text;
    int dpi;
  } cases[] = {
      {"144", 144}, {"72", 72}, {"480", 480}, {"96", 96},
      {"71", 0},    {"481", 0}, {"0", 0},     {"", 0},    {"abc", 0}, {" 144", 0},
      {"144 ", 0},  {"+144", 0}, {"-96", 0},  {"144x", 0}, {"96.0", 0}, {"99999999999", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDpi(c.text), c.dpi) << '"' << c.text << '"';
}

}  // namespace
}  // namespace fenu
