#include "insert/Delivery.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeKeyboard.h"
#include "platform/fake/FakeServices.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

const DeliveryOptions kPaste{};
const DeliveryOptions kType{.sendkeys = true};

// The services and the keyboard tell one story in one log.
struct Delivery : ::testing::Test {
  FakeServices fake;
  FakeKeyboard keys{fake.log};
};

TEST_F(Delivery, ByClipboardFillsItForcesTheTargetForwardAndPastesWithCtrlV) {
  keys.clipboard = "vorher";
  EXPECT_TRUE(Deliver("Mit freundlichen Grüßen\r\n", 42, kPaste, fake.services, keys.services));
  EXPECT_EQ(fake.log, (Lines{"SetClipboard \"Mit freundlichen Grüßen\r\n\" out of history", "ForceForeground 42", "down 17", "down 86",
                             "ProcessMessages", "up 17", "up 86", "ProcessMessages"}));
  // The text stays on the clipboard; the former content is gone.
  EXPECT_EQ(keys.clipboard, "Mit freundlichen Grüßen\r\n");
}

TEST_F(Delivery, ByClipboardKeepsTheTextOutOfTheClipboardHistoryUnlessTheSettingLetsItIn) {
  EXPECT_TRUE(Deliver("Konto 1234\r\n", 42, kPaste, fake.services, keys.services));
  EXPECT_EQ(keys.clipboardHistory, ClipboardHistory::Excluded);

  const DeliveryOptions intoHistory{.clipboardHistory = true};
  EXPECT_TRUE(Deliver("Konto 1234\r\n", 42, intoHistory, fake.services, keys.services));
  EXPECT_EQ(keys.clipboardHistory, ClipboardHistory::Allowed);
  EXPECT_EQ(fake.LogOf("SetClipboard"),
            (Lines{"SetClipboard \"Konto 1234\r\n\" out of history", "SetClipboard \"Konto 1234\r\n\""}));
  EXPECT_EQ(keys.KeyEvents(), (Lines{"down 17", "down 86", "up 17", "up 86", "down 17", "down 86", "up 17", "up 86"}));

  // Typed delivery leaves the clipboard alone whatever the setting.
  fake.log.clear();
  EXPECT_TRUE(Deliver("x", 42, DeliveryOptions{.sendkeys = true, .clipboardHistory = true}, fake.services,
                      keys.services));
  EXPECT_EQ(fake.LogOf("SetClipboard"), Lines{});
}

TEST_F(Delivery, ByClipboardWithoutTargetStillFillsTheClipboard) {
  EXPECT_TRUE(Deliver("x\r\n", 0, kPaste, fake.services, keys.services));
  EXPECT_EQ(keys.clipboard, "x\r\n");
  EXPECT_EQ(fake.LogOf("ForceForeground"), Lines{"ForceForeground 0"});
}

TEST_F(Delivery, ByClipboardPastesNothingWhenTheClipboardCannotBeHad) {
  // A paste now would put the clipboard's old content into the target.
  keys.clipboardLocked = true;
  EXPECT_FALSE(Deliver("neu", 42, kPaste, fake.services, keys.services));
  EXPECT_EQ(fake.log, Lines{"SetClipboard \"neu\" out of history refused"});
}

TEST_F(Delivery, BySendkeysBringsTheTargetForwardPlainlyAndTypesWithWaiting) {
  keys.clipboard = "bleibt";
  EXPECT_TRUE(Deliver("a~", 42, kType, fake.services, keys.services));
  EXPECT_EQ(fake.log, (Lines{"SetForeground 42", "down 65", "ProcessKeyboardMessages", "up 65",
                             "ProcessKeyboardMessages", "down 13", "ProcessKeyboardMessages", "up 13",
                             "ProcessKeyboardMessages"}));
  EXPECT_EQ(keys.clipboard, "bleibt");
}

TEST_F(Delivery, BySendkeysTypesEachLineBreakAsOneEnter) {
  // On a US layout LF alone is Ctrl+Enter; after CR it is not typed at all.
  EXPECT_TRUE(Deliver("x\r\ny\r\n\n", 7, kType, fake.services, keys.services));
  EXPECT_EQ(keys.KeyEvents(), (Lines{"down 88", "up 88", "down 13", "up 13", "down 89", "up 89", "down 13", "up 13",
                                     "down 17", "down 13", "up 13", "up 17"}));
}

TEST_F(Delivery, BySendkeysInterpretsCommandCharactersAndStopsAtAFaultyCount) {
  EXPECT_TRUE(Deliver("50%", 7, kType, fake.services, keys.services));
  EXPECT_EQ(keys.KeyEvents(), (Lines{"down 53", "up 53", "down 48", "up 48", "down 18", "up 18"}));

  fake.log.clear();
  EXPECT_FALSE(Deliver("a{TAB x}b", 7, kType, fake.services, keys.services));
  EXPECT_EQ(keys.KeyEvents(), (Lines{"down 65", "up 65"}));
  EXPECT_EQ(fake.LogOf("MessageBox"),
            Lines{"MessageBox Fehler \"Ungültige Wiederholungszahl in \"{TAB x}\"\" -> OK"});
  EXPECT_EQ(fake.LogOf("SetClipboard"), Lines{});
}

// The story without the waits after every key event.
Lines WithoutWaits(const Lines& log) {
  Lines lines;
  for (const std::string& line : log)
    if (line != "ProcessKeyboardMessages") lines.push_back(line);
  return lines;
}

// A box of the interpreter takes the keyboard, and when it closes the focus is back in the own
// window that chose the block, where the rest of the text would be typed as an abbreviation
// and its line break would press "Einfügen".
TEST_F(Delivery, BySendkeysBringsTheTargetBackAfterABoxBeforeTheNextKey) {
  // A byte that cp1252 leaves undefined: nothing can type it.
  EXPECT_TRUE(Deliver("a\x81\r\nc\r\n", 42, kType, fake.services, keys.services));
  EXPECT_EQ(WithoutWaits(fake.log),
            (Lines{"SetForeground 42", "down 65", "up 65", "LetInputArrive",
                   "MessageBox SendKeys \"Invalid KeyName\" -> OK", "SetForeground 42", "down 13", "up 13",
                   "down 67", "up 67", "down 13", "up 13"}));

  // Every box, also an error box that ends the run.
  fake.log.clear();
  EXPECT_FALSE(Deliver("{XYZ}+{LEFT x}", 42, kType, fake.services, keys.services));
  EXPECT_EQ(WithoutWaits(fake.log),
            (Lines{"SetForeground 42", "LetInputArrive", "MessageBox SendKeys \"Invalid Key Name\" -> OK",
                   "SetForeground 42", "down 16", "LetInputArrive",
                   "MessageBox Fehler \"Ungültige Wiederholungszahl in \"{LEFT x}\"\" -> OK", "SetForeground 42",
                   "up 16"}));
}

TEST_F(Delivery, BySendkeysTypesNothingMoreWhenTheTargetCannotBeHadInFront) {
  // At the start (no control captured, or it has gone): not one key.
  keys.foregroundRefused = {0, 42};
  EXPECT_FALSE(Deliver("abc\r\n", 0, kType, fake.services, keys.services));
  EXPECT_FALSE(Deliver("abc\r\n", 42, kType, fake.services, keys.services));
  EXPECT_EQ(fake.log, (Lines{"SetForeground 0 refused", "SetForeground 42 refused"}));
  EXPECT_EQ(keys.KeyEvents(), Lines{});

  // Gone while the box was open: the rest stays untyped.
  struct GoneAfterTheBox : FakeKeyboard {
    using FakeKeyboard::FakeKeyboard;
    void PlainMessage(std::string_view caption, std::string_view text) override {
      FakeKeyboard::PlainMessage(caption, text);
      foregroundRefused.insert(42);
    }
  };
  fake.log.clear();
  GoneAfterTheBox closing(fake.log);
  EXPECT_FALSE(Deliver("a\x81" "b\r\n", 42, kType, fake.services, closing.services));
  EXPECT_EQ(WithoutWaits(fake.log), (Lines{"SetForeground 42", "down 65", "up 65", "LetInputArrive",
                                           "MessageBox SendKeys \"Invalid KeyName\" -> OK",
                                           "SetForeground 42 refused"}));
}

TEST(SendCtrlKey, ForcesTheTargetForwardAndReleasesCtrlFirst) {
  FakeServices fake;
  FakeKeyboard keys{fake.log};
  SendCtrlKey(5, kVkV, fake, keys);
  SendCtrlKey(5, 45, fake, keys);  // Ctrl+Insert: an extended key keeps its flag
  EXPECT_EQ(fake.log, (Lines{"ForceForeground 5", "down 17", "down 86", "ProcessMessages", "up 17", "up 86",
                             "ProcessMessages", "ForceForeground 5", "down 17", "down 45 ext", "ProcessMessages",
                             "up 17", "up 45 ext", "ProcessMessages"}));
}

}  // namespace
}  // namespace fenu
