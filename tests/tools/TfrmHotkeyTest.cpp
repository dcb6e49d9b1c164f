#include "tools/TfrmHotkey.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/fake/FakeServices.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

int IndexOf(const std::vector<std::string>& items, const std::string& item) {
  const auto it = std::find(items.begin(), items.end(), item);
  return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

struct Window {
  test::TempDir dir;
  FakeServices fake;
  TfrmHotkey form{fake.services, dir.Path()};

  void First(int slot, const std::string& item) { form.FirstPartChange(slot, IndexOf(form.cbx[2 * slot].items, item)); }
  void Second(int slot, const std::string& item) {
    form.SecondPartChange(slot, IndexOf(form.cbx[2 * slot + 1].items, item));
  }
  std::string Shown(int box) const { return form.cbx[box].Text(); }
};

const char* kMessageMissing = "MessageBox Fehler \"Geben Sie noch den 2. Teil des HotKeys an!\" -> OK";
const char* kMessageTwice = "MessageBox Fehler \"Ein HotKey ist doppelt vergeben!\" -> OK";

TEST(TfrmHotkey, ListsHoldTheirFixedItems) {
  EXPECT_EQ(TfrmHotkey::FirstPartItems().size(), 8u);
  const auto& full = TfrmHotkey::FullKeyList();
  ASSERT_EQ(full.size(), 59u);
  EXPECT_EQ(full[0], "A");
  EXPECT_EQ(full[26], "1");
  EXPECT_EQ(full[35], "0");
  EXPECT_EQ(full[36], "F1");
  EXPECT_EQ(full[57], "N0");
  EXPECT_EQ(full[58], "");
  EXPECT_EQ(TfrmHotkey::FunctionKeyList(), (Lines{"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10",
                                                  "F11", "F12", ""}));
}

TEST(TfrmHotkey, WithoutHotkeySectionShowsWindowDefaultsAndOkWritesExactlyThem) {
  Window w;
  w.form.FormShow();
  EXPECT_EQ((Lines{w.Shown(0), w.Shown(1), w.Shown(2), w.Shown(3), w.Shown(4), w.Shown(5), w.Shown(6), w.Shown(7)}),
            (Lines{"[Druck]", "", "[Pause]", "", "[Strg-Alt]", "N0", "[Strg-Alt]", "1"}));
  EXPECT_FALSE(w.form.cbx[1].enabled);
  EXPECT_FALSE(w.form.cbx[3].enabled);
  EXPECT_TRUE(w.form.cbx[5].enabled);
  ASSERT_TRUE(w.form.btnOkClick());
  EXPECT_EQ(w.dir.Read("fenu.ini"),
            "[HotKeys]\r\nHotkeyB1=[Druck]\r\nHotkeyB2=\r\nHotkeyP1=[Pause]\r\nHotkeyP2=\r\n"
            "HotkeyL1=[Strg-Alt]\r\nHotkeyL2=N0\r\nHotkeyFF1=[Strg-Alt]\r\nHotkeyFF2=1\r\n");
  EXPECT_TRUE(w.fake.log.empty());
}

TEST(TfrmHotkey, StoredValuesAreFoundWithoutRegardToCaseAndUnknownOnesLeaveNoSelection) {
  Window w;
  w.dir.Write("fenu.ini", "[HotKeys]\r\nHotkeyB1=[strg]\r\nHotkeyB2=q\r\nHotkeyP1=Druck\r\nHotkeyP2=\r\n");
  w.form.FormShow();
  EXPECT_EQ(w.Shown(0), "[Strg]");
  EXPECT_EQ(w.Shown(1), "Q");
  EXPECT_TRUE(w.form.cbx[1].enabled);
  EXPECT_EQ(w.form.cbx[2].itemIndex, -1);  // the shell's bare word is no item of the list
  EXPECT_FALSE(w.form.cbx[3].enabled);
}

TEST(TfrmHotkey, PauseEmptiesAndDisablesTheSecondPart) {
  Window w;
  w.dir.Write("fenu.ini", "[HotKeys]\r\nHotkeyP1=[Strg]\r\nHotkeyP2=P\r\n");
  w.form.FormShow();
  w.First(0, "[Strg]");
  w.Second(0, "B");
  EXPECT_TRUE(w.form.cbx[1].enabled);
  w.First(0, "[Pause]");
  EXPECT_FALSE(w.form.cbx[1].enabled);
  EXPECT_EQ(w.form.cbx[1].itemIndex, 58);
  EXPECT_EQ(w.Shown(1), "");
  ASSERT_TRUE(w.form.btnOkClick());
  EXPECT_NE(w.dir.Read("fenu.ini").find("HotkeyB1=[Pause]\r\nHotkeyB2=\r\n"), std::string::npos);
}

TEST(TfrmHotkey, PauseTwiceIsADuplicate) {
  Window w;
  w.form.FormShow();
  w.First(0, "[Pause]");
  EXPECT_FALSE(w.form.btnOkClick());
  EXPECT_EQ(w.fake.log, (Lines{kMessageTwice}));
  EXPECT_EQ(w.dir.Read("fenu.ini"), "");
}

TEST(TfrmHotkey, FunctionKeyOffersOnlyFunctionKeysAndOpeningTheListDropsTheChoice) {
  Window w;
  w.form.FormShow();
  w.First(2, "Funktionstaste");
  w.form.SecondPartDropDown(2);
  EXPECT_EQ(w.form.cbx[5].items, TfrmHotkey::FunctionKeyList());
  EXPECT_EQ(w.Shown(5), "");
  w.Second(2, "F7");
  w.First(2, "[Strg]");
  w.form.SecondPartDropDown(2);
  EXPECT_EQ(w.form.cbx[5].items.size(), 59u);
  // Closed without a pick: the box stays empty and OK asks for it.
  EXPECT_FALSE(w.form.btnOkClick());
  EXPECT_EQ(w.form.focusRequest, 5);
}

TEST(TfrmHotkey, MissingSecondPartsAreEachReportedAndNothingIsWritten) {
  Window w;
  w.form.FormShow();
  w.First(0, "[Strg]");
  w.form.SecondPartDropDown(0);
  w.First(3, "[Gross-Alt]");
  w.form.SecondPartDropDown(3);
  EXPECT_FALSE(w.form.btnOkClick());
  EXPECT_EQ(w.fake.log, (Lines{kMessageMissing, kMessageMissing}));
  EXPECT_EQ(w.form.focusRequest, 7);
  EXPECT_EQ(w.dir.Read("fenu.ini"), "");
  EXPECT_EQ(w.Shown(0), "[Strg]");  // choices stay as they were
}

TEST(TfrmHotkey, HelpOpensItsTopic) {
  Window w;
  w.form.btnHilfeClick();
  EXPECT_EQ(w.fake.log, (Lines{"Help " + w.dir.Path() + "Hilfe\\Fenu.chm::/hotkey.htm"}));
}

TEST(TfrmHotkey, SameKeyWithDifferentModifiersIsAccepted) {
  Window w;
  w.form.FormShow();
  w.First(2, "[Strg]");
  w.Second(2, "A");
  w.First(3, "[Strg-Alt]");
  w.Second(3, "A");
  EXPECT_TRUE(w.form.btnOkClick());
  EXPECT_NE(w.dir.Read("fenu.ini").find("HotkeyL1=[Strg]\r\nHotkeyL2=A\r\nHotkeyFF1=[Strg-Alt]\r\nHotkeyFF2=A\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace fenu
