#include <gtest/gtest.h>

#include <set>

#include "platform/Keyboard.h"

namespace fenu {
namespace {

using Keys = std::vector<std::uint8_t>;

TEST(HeldModifiers, NamesTheHeldModifiersTheSystemReportsUpInOrder) {
  HeldModifiers held;
  std::set<std::uint8_t> down;  // what the system reports pressed
  const auto isDown = [&](std::uint8_t key) { return down.count(key) > 0; };
  EXPECT_EQ(held.Lost(isDown), Keys{});  // nothing held, nothing lost

  // Alt, Ctrl and Shift held (in that order), other keys in between change nothing.
  for (std::uint8_t key : {kVkMenu, kVkControl, kVkShift, std::uint8_t{65}}) held.Note(key, false);
  down = {kVkShift, kVkControl, kVkMenu};
  EXPECT_EQ(held.Lost(isDown), Keys{});

  // The system lets go of all: they come back Shift first, as the interpreter presses them.
  down.clear();
  EXPECT_EQ(held.Lost(isDown), (Keys{kVkShift, kVkControl, kVkMenu}));

  // A modifier released by the run itself is not lost; a key up of another key changes nothing.
  held.Note(kVkControl, true);
  held.Note(65, true);
  down = {kVkMenu};
  EXPECT_EQ(held.Lost(isDown), Keys{kVkShift});
}

}  // namespace
}  // namespace fenu
