#include "insert/KeyString.h"

#include <gtest/gtest.h>

#include "core/Cp1252.h"
#include "platform/UsKeyboardLayout.h"
#include "platform/fake/FakeKeyboard.h"
#include "platform/fake/FakeServices.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

// One run without waiting, on a US layout: its key events, its message boxes and its result.
struct Typed {
  Lines events;
  Lines messages;
  bool result;
};

Typed TypeKeys(std::string_view text) {
  FakeServices fake;
  FakeKeyboard keys(fake.log);
  const bool result = SendKeyString(text, false, keys, keys, fake);
  return {keys.KeyEvents(), fake.LogOf("MessageBox"), result};
}

// The events of tapping a key n times.
Lines Taps(const std::string& key, int n = 1) {
  Lines lines;
  for (int i = 0; i < n; ++i) {
    lines.push_back("down " + key);
    lines.push_back("up " + key);
  }
  return lines;
}

Lines Join(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Lines Shifted(const std::string& key) { return Join({{"down 16"}, Taps(key), {"up 16"}}); }

TEST(SendKeyString, TypesCommandsNamesAndCharacters) {
  struct Case {
    const char* text;
    Lines events;
  };
  const Case cases[] = {
      {"a", Taps("65")},
      {"A", Shifted("65")},
      {"+a", Shifted("65")},
      {"^c", Join({{"down 17"}, Taps("67"), {"up 17"}})},
      {"%f", Join({{"down 18"}, Taps("70"), {"up 18"}})},
      // Modifiers go up in the order Shift, Ctrl, Alt, whatever order they went down in.
      {"%^+x", Join({{"down 18", "down 17", "down 16"}, Taps("88"), {"up 16", "up 17", "up 18"}})},
      // A command modifier holds for the next key only; a group holds it to the group's end.
      {"+ab", Join({Shifted("65"), Taps("66")})},
      {"+(ab)c", Join({{"down 16"}, Taps("65"), Taps("66"), {"up 16"}, Taps("67")})},
      // A shifted character inside a group must not drop the group's Shift.
      {"+(Ab)", Join({{"down 16"}, Taps("65"), Taps("66"), {"up 16"}})},
      {"+(a{LEFT})", Join({{"down 16"}, Taps("65"), Taps("37 ext"), {"up 16"}})},
      {"~", Taps("13")},
      {"+~", Shifted("13")},
      {"{TAB}", Taps("9")},
      {"{ENTER}", Taps("13")},
      {"{a}", Shifted("65")},  // upper-cased before it is mapped
      {"{0}", Taps("48")},
      {"{a 3}", Join({{"down 16"}, Taps("65", 3), {"up 16"}})},
      {"{LEFT 3}", Taps("37 ext", 3)},
      {"{left 3}", Taps("37 ext", 3)},
      {"{LEFT 0}", {}},
      {"{LEFT  2}", Taps("37 ext", 2)},       // blanks before the count are skipped
      {"{LEFT 65538}", Taps("37 ext", 2)},    // counts are taken modulo 65536
      {"+{RIGHT 2}", Join({{"down 16"}, Taps("39 ext", 2), {"up 16"}})},
      {"^{DEL}", Join({{"down 17"}, Taps("46 ext"), {"up 17"}})},
      {"{BKSP}{BS}{BACKSPACE}", Join({Taps("8"), Taps("8"), Taps("8")})},
      {"{{}", Shifted("219")},
      {"{}}", Shifted("221")},
      {"{{xa", Join({Shifted("219"), Taps("65")})},   // the character after "{{" is skipped unread
      {"{ABC}}", Shifted("221")},                     // a name before "}}" is dropped
      // Command characters as themselves, in braces.
      {"{+}{^}{%}{~}{(}{)}", Join({Shifted("187"), Shifted("54"), Shifted("53"), Shifted("192"), Shifted("57"),
                                   Shifted("48")})},
      // Line breaks go through the layout: CR is Enter, LF is Ctrl+Enter on a US layout.
      {"x\r\n", Join({Taps("88"), Taps("13"), {"down 17"}, Taps("13"), {"up 17"}})},
      // "%" is Alt for the blank, and the parentheses only group: nothing of them is typed.
      {"50% (net)",
       Join({Taps("53"), Taps("48"), {"down 18"}, Taps("32"), {"up 18"}, Taps("78"), Taps("69"), Taps("84")})},
      // Num Lock changes the thread's keyboard state instead of sending events.
      {"+{NUMLOCK}", {"down 16", "toggle 144", "up 16"}},
  };
  for (const Case& c : cases) {
    const Typed typed = TypeKeys(c.text);
    EXPECT_EQ(typed.events, c.events) << c.text;
    EXPECT_EQ(typed.messages, Lines{}) << c.text;
    EXPECT_TRUE(typed.result) << c.text;
  }
}

TEST(SendKeyString, RecognisesEveryKeyNameAndFlagsTheExtendedKeys) {
  struct Name {
    const char* name;
    const char* event;
  };
  const Name names[] = {
      {"BKSP", "8"},      {"BS", "8"},         {"BACKSPACE", "8"}, {"BREAK", "3"},       {"CAPSLOCK", "20"},
      {"CLEAR", "12"},    {"DEL", "46 ext"},   {"DELETE", "46 ext"}, {"DOWN", "40 ext"}, {"END", "35 ext"},
      {"ENTER", "13"},    {"ESC", "27"},       {"ESCAPE", "27"},   {"F1", "112"},        {"F2", "113"},
      {"F3", "114"},      {"F4", "115"},       {"F5", "116"},      {"F6", "117"},        {"F7", "118"},
      {"F8", "119"},      {"F9", "120"},       {"F10", "121"},     {"F11", "122"},       {"F12", "123"},
      {"F13", "124"},     {"F14", "125"},      {"F15", "126"},     {"F16", "127"},       {"HELP", "47"},
      {"HOME", "36 ext"}, {"INS", "45 ext"},   {"LEFT", "37 ext"}, {"PGDN", "34 ext"},   {"PGUP", "33 ext"},
      {"PRTSC", "42"},    {"RIGHT", "39 ext"}, {"SCROLLLOCK", "145"}, {"TAB", "9"},      {"UP", "38 ext"},
  };
  for (const Name& n : names) {
    EXPECT_EQ(TypeKeys("{" + std::string(n.name) + "}").events, Taps(n.event)) << n.name;
    EXPECT_EQ(TypeKeys("{" + LowerCase(n.name) + "}").events, Taps(n.event)) << n.name;
  }
  EXPECT_EQ(KeyNameToKey("NUMLOCK"), std::optional<std::uint8_t>(144));
  for (const char* unknown : {"", "F17", "F0", "LEFTARROW", "RETURN", "SPACE", "left"})
    EXPECT_EQ(KeyNameToKey(unknown), std::nullopt) << unknown;
}

TEST(SendKeyString, SkipsWhatItCannotTypeWithItsMessagesAndGoesOn) {
  struct Case {
    const char* text;
    Lines events;
    Lines messages;
  };
  const Lines invalidKeyName{"MessageBox SendKeys \"Invalid KeyName\" -> OK"};
  const Lines invalidName{"MessageBox SendKeys \"Invalid Key Name\" -> OK"};
  const Case cases[] = {
      // Nothing types a control character without a key or a byte that cp1252 leaves undefined.
      {"a\x81" "b", Join({Taps("65"), Taps("66")}), invalidKeyName},
      {"\x01", {}, invalidKeyName},
      {"\x7F\x9D", {}, Join({invalidKeyName, invalidKeyName})},
      // The skipped character does not use up the command modifier.
      {"+\x8D" "a", Shifted("65"), invalidKeyName},
      {"{XYZ}a", Taps("65"), invalidName},
      {"{}", {}, invalidName},
      {"{F17 2}", {}, invalidName},
      {"+{XYZ}a", Shifted("65"), invalidName},
      // One character that nothing types: nothing typed, nothing said.
      {"{\x8F}a", Taps("65"), {}},
  };
  for (const Case& c : cases) {
    const Typed typed = TypeKeys(c.text);
    EXPECT_EQ(typed.events, c.events) << c.text;
    EXPECT_EQ(typed.messages, c.messages) << c.text;
    EXPECT_TRUE(typed.result) << c.text;
  }
}

TEST(SendKeyString, StopsAtAnUnclosedBraceAfterTypingWhatCameBefore) {
  const Typed typed = TypeKeys("ab{ABC");
  EXPECT_EQ(typed.events, Join({Taps("65"), Taps("66")}));
  EXPECT_EQ(typed.messages, Lines{"MessageBox SendKeys \"No Close\" -> OK"});
  EXPECT_FALSE(typed.result);

  EXPECT_FALSE(TypeKeys("{").result);
  EXPECT_FALSE(TypeKeys("x{LEFT 3").result);
  EXPECT_FALSE(TypeKeys("").result);
  EXPECT_EQ(TypeKeys("").events, Lines{});
}

TEST(SendKeyString, ReleasesModifiersThatTheTextLeavesHeld) {
  struct Case {
    const char* text;
    Lines events;
    bool result;
  };
  const Case cases[] = {
      {"+^{ABC", {"down 16", "down 17", "up 16", "up 17"}, false},  // stopped at "No Close"
      {"%(ab", Join({{"down 18"}, Taps("65"), Taps("66"), {"up 18"}}), true},  // group never closed
      {"(+a", Join({{"down 16"}, Taps("65"), {"up 16"}}), true},
      {"ab^", Join({Taps("65"), Taps("66"), {"down 17", "up 17"}}), true},  // nothing left to modify
      {"+\x90", {"down 16", "up 16"}, true},
  };
  for (const Case& c : cases) {
    const Typed typed = TypeKeys(c.text);
    EXPECT_EQ(typed.events, c.events) << c.text;
    EXPECT_EQ(typed.result, c.result) << c.text;
  }
}

TEST(SendKeyString, ARepeatCountThatIsNoNumberStopsTheRunWithAnErrorNamingTheGroup) {
  struct Case {
    const char* text;
    Lines events;
    const char* group;
  };
  const Case cases[] = {
      {"{LEFT x}abc", {}, "{LEFT x}"},
      {"ab{left x}c", Join({Taps("65"), Taps("66")}), "{left x}"},
      {"+(a{END 3x}b)", Join({{"down 16"}, Taps("65"), {"up 16"}}), "{END 3x}"},
      {"{LEFT }", {}, "{LEFT }"},
      {"{XYZ q}", {}, "{XYZ q}"},   // the count is read before the name is looked up
      // A negative count would wrap round to tens of thousands of key presses.
      {"{BKSP -1}", {}, "{BKSP -1}"},
  };
  for (const Case& c : cases) {
    const Typed typed = TypeKeys(c.text);
    EXPECT_EQ(typed.events, c.events) << c.text;
    EXPECT_EQ(typed.messages,
              Lines{std::string("MessageBox Fehler \"Ungültige Wiederholungszahl in \"") + c.group + "\"\" -> OK"})
        << c.text;
    EXPECT_FALSE(typed.result) << c.text;
  }
}

TEST(RunKeyString, TellsHowTheRunEnded) {
  FakeServices fake;
  FakeKeyboard keys;
  EXPECT_EQ(RunKeyString("a{LEFT}", false, keys, keys, fake), KeyStringEnd::Done);
  EXPECT_EQ(RunKeyString("", false, keys, keys, fake), KeyStringEnd::Empty);
  EXPECT_EQ(RunKeyString("a{LEFT", false, keys, keys, fake), KeyStringEnd::NoClose);
  EXPECT_EQ(RunKeyString("a{LEFT x}", false, keys, keys, fake), KeyStringEnd::BadRepeatCount);
}

// Records the calls around the run's boxes into the story; answers AfterMessage with regained.
struct RecordingKeyTarget : IKeyTarget {
  explicit RecordingKeyTarget(Lines& log) : log(log) {}
  void BeforeMessage() override { log.push_back("BeforeMessage"); }
  bool AfterMessage() override {
    log.push_back(regained ? "AfterMessage" : "AfterMessage lost");
    return regained;
  }
  Lines& log;
  bool regained = true;
};

TEST(RunKeyString, EveryBoxIsBracketedForTheKeysWindowAndALostWindowEndsTheRun) {
  const std::string keyName = "MessageBox SendKeys \"Invalid KeyName\" -> OK";
  const std::string keyName2 = "MessageBox SendKeys \"Invalid Key Name\" -> OK";
  const std::string noClose = "MessageBox SendKeys \"No Close\" -> OK";
  const std::string badCount = "MessageBox Fehler \"Ungültige Wiederholungszahl in \"{LEFT x}\"\" -> OK";
  struct Case {
    const char* text;
    bool regained;
    Lines story;
    KeyStringEnd end;
  };
  const Case cases[] = {
      // Won back: the run goes on after the box.
      {"a\x81" "b", true, Join({Taps("65"), {"BeforeMessage", keyName, "AfterMessage"}, Taps("66")}), KeyStringEnd::Done},
      {"{XYZ}b", true, Join({{"BeforeMessage", keyName2, "AfterMessage"}, Taps("66")}), KeyStringEnd::Done},
      // Lost: not one key more; a held modifier still goes up.
      {"a\x81" "b\r", false, Join({Taps("65"), {"BeforeMessage", keyName, "AfterMessage lost"}}), KeyStringEnd::KeysAstray},
      {"+\x81" "a", false, {"down 16", "BeforeMessage", keyName, "AfterMessage lost", "up 16"}, KeyStringEnd::KeysAstray},
      {"{XYZ}b", false, {"BeforeMessage", keyName2, "AfterMessage lost"}, KeyStringEnd::KeysAstray},
      // The run ends at these boxes anyway; the keys' window is back for the release.
      {"+{ABC", true, {"down 16", "BeforeMessage", noClose, "AfterMessage", "up 16"}, KeyStringEnd::NoClose},
      {"+{LEFT x}", true, {"down 16", "BeforeMessage", badCount, "AfterMessage", "up 16"},
       KeyStringEnd::BadRepeatCount},
      // No box, no calls.
      {"{\x81}b", false, Taps("66"), KeyStringEnd::Done},
  };
  for (const Case& c : cases) {
    FakeServices fake;
    FakeKeyboard keys(fake.log);
    RecordingKeyTarget target(fake.log);
    target.regained = c.regained;
    EXPECT_EQ(RunKeyString(c.text, false, keys, keys, fake, &target), c.end) << c.text;
    EXPECT_EQ(fake.log, c.story) << c.text;
  }
}

TEST(SendKeyString, NumLockTogglesTheThreadsKeyboardStateOncePerRepetition) {
  FakeServices fake;
  FakeKeyboard keys;
  EXPECT_TRUE(SendKeyString("{NUMLOCK}", true, keys, keys, fake));
  EXPECT_TRUE(keys.numLock);
  EXPECT_TRUE(SendKeyString("{numlock}", true, keys, keys, fake));
  EXPECT_FALSE(keys.numLock);
  EXPECT_TRUE(SendKeyString("{NUMLOCK 3}", true, keys, keys, fake));
  EXPECT_TRUE(keys.numLock);
  // No key events, and so nothing to wait for.
  EXPECT_EQ(keys.log, Lines(5, "toggle 144"));
}

TEST(SendKeyString, WaitingDispatchesTheKeyboardMessagesAfterEveryEvent) {
  FakeServices fake;
  FakeKeyboard keys;
  EXPECT_TRUE(SendKeyString("+a", true, keys, keys, fake));
  EXPECT_EQ(keys.log, (Lines{"down 16", "ProcessKeyboardMessages", "down 65", "ProcessKeyboardMessages", "up 65",
                             "ProcessKeyboardMessages", "up 16", "ProcessKeyboardMessages"}));
}

TEST(SendKeyString, PressesTheModifiersOfALayoutsShiftStateInOrder) {
  // A layout that needs Ctrl+Alt (AltGr) or all three modifiers for a character.
  FakeServices fake;
  FakeKeyboard keys{fake.log};
  keys.layout['@'] = KeyStroke{81, kShiftStateCtrl | kShiftStateAlt};
  keys.layout['#'] = KeyStroke{50, kShiftStateShift | kShiftStateCtrl | kShiftStateAlt};
  EXPECT_TRUE(SendKeyString("@#", false, keys, keys, fake));
  EXPECT_EQ(keys.KeyEvents(), Join({{"down 17", "down 18"}, Taps("81"), {"up 17", "up 18"},
                                    {"down 16", "down 17", "down 18"}, Taps("50"), {"up 16", "up 17", "up 18"}}));
}

TEST(SendKeyString, TypesACharacterTheLayoutHasNoKeyForAsUnicode) {
  struct Case {
    const char* text;
    Lines events;
  };
  const Case cases[] = {
      // cp1252's letters and signs above 127, among them those of 0x80-0x9F that are no Latin-1.
      {"é€„…“ß", {"unicode 233", "unicode 8364", "unicode 8222", "unicode 8230", "unicode 8220", "unicode 223"}},
      {"a\xA0" "b", Join({Taps("65"), {"unicode 160"}, Taps("66")})},
      // A command modifier is used up by it as by any character.
      {"+äa", Join({{"down 16", "unicode 228", "up 16"}, Taps("65")})},
      {"(+éa)", Join({{"down 16", "unicode 233"}, Taps("65"), {"up 16"}})},
      // In braces: upper case and a repeat count, as for a character with a key.
      {"{ä}{€ 3}{§ 0}", {"unicode 196", "unicode 8364", "unicode 8364", "unicode 8364"}},
  };
  for (const Case& c : cases) {
    const Typed typed = TypeKeys(c.text);
    EXPECT_EQ(typed.events, c.events) << c.text;
    EXPECT_EQ(typed.messages, Lines{}) << c.text;
    EXPECT_TRUE(typed.result) << c.text;
  }

  // Also a plain character on a layout that lacks it; with waiting, after each one.
  FakeServices fake;
  FakeKeyboard keys;
  keys.layout['a'] = std::nullopt;
  EXPECT_TRUE(SendKeyString("ab", true, keys, keys, fake));
  EXPECT_EQ(keys.log, (Lines{"unicode 97", "ProcessKeyboardMessages", "down 66", "ProcessKeyboardMessages", "up 66",
                             "ProcessKeyboardMessages"}));
}

TEST(UsKeyboardLayout, MapsTheMainBlockAndNothingElse) {
  struct Case {
    char c;
    std::optional<KeyStroke> stroke;
  };
  const Case cases[] = {
      {'a', KeyStroke{65, 0}},   {'z', KeyStroke{90, 0}},   {'A', KeyStroke{65, 1}},   {'Z', KeyStroke{90, 1}},
      {'0', KeyStroke{48, 0}},   {'9', KeyStroke{57, 0}},   {')', KeyStroke{48, 1}},   {'!', KeyStroke{49, 1}},
      {'@', KeyStroke{50, 1}},   {'^', KeyStroke{54, 1}},   {'%', KeyStroke{53, 1}},   {'(', KeyStroke{57, 1}},
      {'+', KeyStroke{187, 1}},  {'=', KeyStroke{187, 0}},  {'-', KeyStroke{189, 0}},  {'*', KeyStroke{56, 1}},
      {'/', KeyStroke{191, 0}},  {'.', KeyStroke{190, 0}},  {',', KeyStroke{188, 0}},  {'~', KeyStroke{192, 1}},
      {'{', KeyStroke{219, 1}},  {'}', KeyStroke{221, 1}},  {'[', KeyStroke{219, 0}},  {'\\', KeyStroke{220, 0}},
      {'"', KeyStroke{222, 1}},  {':', KeyStroke{186, 1}},  {' ', KeyStroke{32, 0}},   {'\t', KeyStroke{9, 0}},
      {'\r', KeyStroke{13, 0}},  {'\n', KeyStroke{13, 2}},  {'\b', KeyStroke{8, 0}},
      {'\0', std::nullopt},      {'\x7F', std::nullopt},    {'\x01', std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(UsKeyboardLayout(c.c), c.stroke) << int(c.c);
  // Nothing above 127: umlauts, ß, €, §, accented letters.
  for (int c = 128; c < 256; ++c) EXPECT_EQ(UsKeyboardLayout(static_cast<char>(c)), std::nullopt) << c;
  // Every printable ASCII character has a key.
  for (int c = 32; c < 127; ++c) EXPECT_NE(UsKeyboardLayout(static_cast<char>(c)), std::nullopt) << c;
}

}  // namespace
}  // namespace fenu
