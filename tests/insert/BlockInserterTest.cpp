#include "insert/BlockInserter.h"

#include <gtest/gtest.h>

#include "expansion/ScriptedPrompts.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeKeyboard.h"
#include "platform/fake/FakeServices.h"

namespace fenu {
namespace {

struct Insertion {
  FakeServices fake;
  FakeKeyboard keyboard;
  ScriptedPrompts prompts;
  FakeClock clock;
  DeliveryOptions options;
  ExpansionEngine engine{prompts, clock, clock, fake};
  ExpandAndDeliver inserter{fake.services, keyboard.services, engine, options};
};

TEST(ExpandAndDeliver, ExpandsThenPastesWithEveryLineEndedByCrLf) {
  Insertion s;
  s.prompts.answers = {std::string("Anna")};
  s.inserter.Insert("Hallo <<AnwenderText|Name?|>>\r\nZeile\r\n", "C:\\db\\Bausteine\\", 42);
  EXPECT_EQ(s.keyboard.clipboard, "Hallo Anna\r\nZeile\r\n");
  EXPECT_EQ(s.keyboard.KeyEvents(), (std::vector<std::string>{"down 17", "down 86", "up 17", "up 86"}));
}

TEST(ExpandAndDeliver, ABrokenMarkerDeliversNothing) {
  Insertion s;
  s.inserter.Insert("<<DatumNormal|x>>\r\n", "C:\\db\\Bausteine\\", 42);
  EXPECT_EQ(s.keyboard.clipboard, "");
  EXPECT_TRUE(s.keyboard.KeyEvents().empty());
}

}  // namespace
}  // namespace fenu
