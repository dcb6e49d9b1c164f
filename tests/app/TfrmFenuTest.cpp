#include "app/TfrmFenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

#include "core/Errors.h"
#include "support/FakeForms.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

struct Shell {
  test::TempDir dir;
  FakeServices fake;
  test::FakeForms forms{fake};
  TfrmFenu shell{fake.services, forms, dir.Path()};

  Shell() { shell.SetWindow(42); }
  void Settings(const std::string& content) { dir.Write("fenu.ini", content); }
  std::string SettingsFile() { return dir.Read("fenu.ini"); }
};

const char* kConfigured =
    "[Main]\r\nTaskbar=-1\r\n[ShowMessage]\r\nRightClick=0\r\n[Options]\r\nSendkeys=1\r\n"
    "[HotKeys]\r\nHotkeyB1=[Gross-Strg]\r\nHotkeyB2=F5\r\nHotkeyP1=Funktionstaste\r\nHotkeyP2=F12\r\n"
    "HotkeyL1=[Strg-Alt]\r\nHotkeyL2=N0\r\nHotkeyFF1=[Strg-Alt]\r\nHotkeyFF2=1\r\n";

TEST(TfrmFenu, FreshStartRegistersDefaultsThenShowsFirstStartWindowAndReminder) {
  Shell s;
  s.shell.FormCreate();
  EXPECT_EQ(s.fake.log, (Lines{"AddAtom H1", "RegisterHotkey 0 44", "AddAtom H2", "RegisterHotkey 0 19",
                               "AddAtom H3", "RegisterHotkey 2 97", "AddAtom H4", "RegisterHotkey 2 96",
                               "Show TfrmTaskbar", "Show TfrmIniMessage \"Zur Erinnerung\""}));
  EXPECT_FALSE(s.shell.Sendkeys());
  // Closing the first-start window unticked writes what it writes; the reminder writes nothing.
  EXPECT_EQ(s.SettingsFile(), "[Main]\r\nTaskbar=0\r\n");
}

TEST(TfrmFenu, ConfiguredStartShowsNothingAndTakesItsHotkeysAndSendkeys) {
  Shell s;
  s.Settings(kConfigured);
  s.shell.FormCreate();
  EXPECT_EQ(s.fake.LogOf("RegisterHotkey"),
            (Lines{"RegisterHotkey 6 116", "RegisterHotkey 0 123", "RegisterHotkey 3 96", "RegisterHotkey 3 49"}));
  EXPECT_TRUE(s.fake.LogOf("Show").empty());
  EXPECT_TRUE(s.shell.Sendkeys());
}

TEST(TfrmFenu, TakesClipboardHistoryFromTheOptionsBesideSendkeys) {
  for (const auto& [line, history] : std::vector<std::pair<std::string, bool>>{
           {"", false}, {"ClipboardHistory=1\r\n", true}, {"ClipboardHistory=-1\r\n", true},
           {"ClipboardHistory=0\r\n", false}, {"ClipboardHistory=ja\r\n", false}}) {
    Shell s;
    s.Settings("[Main]\r\nTaskbar=-1\r\n[ShowMessage]\r\nRightClick=0\r\n[Options]\r\nSendkeys=1\r\n" + line);
    s.shell.FormCreate();
    EXPECT_EQ(s.shell.Delivery().clipboardHistory, history) << line;
    EXPECT_TRUE(s.shell.Delivery().sendkeys) << line;
  }
}

TEST(TfrmFenu, OnlyTaskbarZeroOrMissingShowsTheFirstStartWindow) {
  for (const auto& [line, shown] : std::vector<std::pair<std::string, bool>>{
           {"", true}, {"Taskbar=0\r\n", true}, {"Taskbar=-1\r\n", false}, {"Taskbar=1\r\n", false},
           {"Taskbar=x\r\n", false}, {"Taskbar= 0 \r\n", true}}) {
    Shell s;
    s.Settings("[Main]\r\n" + line + "[ShowMessage]\r\nRightClick=0\r\n");
    s.shell.FormCreate();
    EXPECT_EQ(s.fake.LogOf("Show TfrmTaskbar").size(), shown ? 1u : 0u) << line;
  }
}

TEST(TfrmFenu, TickedBoxesAreRememberedAndTheWindowsStayAway) {
  Shell s;
  s.forms.onTaskbar = [](TfrmTaskbar& w) { w.CheckBox1 = true; };
  s.forms.onIniMessage = [](TfrmIniMessage& w) { w.CheckBox1 = true; };
  s.shell.FormCreate();
  EXPECT_EQ(s.SettingsFile(), "[Main]\r\nTaskbar=-1\r\n\r\n[ShowMessage]\r\nRightClick=0\r\n");

  Shell again;
  again.Settings(s.SettingsFile());
  again.shell.FormCreate();
  EXPECT_TRUE(again.fake.LogOf("Show").empty());
}

TEST(TfrmFenu, AReadOnlySettingsFileDoesNotStopStartUp) {
  Shell s;
  s.Settings("[Main]\r\n");
  ::chmod(s.dir.File("fenu.ini").c_str(), 0444);
  s.forms.onTaskbar = [](TfrmTaskbar& w) { w.CheckBox1 = true; };
  s.forms.onIniMessage = [](TfrmIniMessage& w) { w.CheckBox1 = true; };
  EXPECT_NO_THROW(s.shell.FormCreate());
  EXPECT_EQ(s.SettingsFile(), "[Main]\r\n");
}

TEST(TfrmFenu, BrokenHotkeySpecEndsStartUpWithAnError) {
  Shell s;
  s.Settings("[HotKeys]\r\nHotkeyB2=Fx\r\n");
  EXPECT_THROW(s.shell.FormCreate(), ConversionError);
}

TEST(TfrmFenu, SecondCopyIsTurnedAwayWithItsMessage) {
  FakeServices fake;
  EXPECT_TRUE(AcquireSingleInstance(fake, fake));
  fake.mutexExists = true;
  EXPECT_FALSE(AcquireSingleInstance(fake, fake));
  EXPECT_EQ(fake.log, (Lines{"Mutex quenliaFenu", "Mutex quenliaFenu",
                             "MessageBox quenlia:FENU \"Anwendung läuft bereits!!!!!\" -> OK"}));
}

TEST(TfrmFenu, HotkeyCapturesTargetBringsShellForwardAndOpensItsWindow) {
  Shell s;
  s.Settings(kConfigured);
  s.shell.FormCreate();
  s.fake.log.clear();
  s.fake.focusedControl = 777;
  s.shell.OnHotkeyDispatch = [&](const TfrmFenu::HotkeyDispatch& d) {
    s.fake.log.push_back("Dispatch " + std::to_string(d.slot) + " " + std::to_string(d.target));
  };
  const Lines expected[] = {
      {"CaptureTarget -> 777", "ForceForeground 42", "Dispatch 1 777", "Show TfrmListe 777"},
      {"CaptureTarget -> 777", "ForceForeground 42", "Dispatch 2 777", "Show TfrmMiniAuswahl 777"},
      {"CaptureTarget -> 777", "ForceForeground 42", "Dispatch 3 777", "Show TfrmVerwaltung 0"},
      {"CaptureTarget -> 777", "ForceForeground 42", "Dispatch 4 777", "Show TfrmFavFolder 0"}};
  for (int slot = 1; slot <= 4; ++slot) {
    s.fake.log.clear();
    const auto dispatch = s.shell.HotkeyMessage(s.shell.Hotkeys().Identifier(slot));
    EXPECT_EQ(dispatch.slot, slot);
    EXPECT_EQ(s.fake.log, expected[slot - 1]);
  }
  s.fake.log.clear();
  EXPECT_EQ(s.shell.HotkeyMessage(1).slot, 0);
  EXPECT_EQ(s.fake.log, (Lines{"CaptureTarget -> 777", "ForceForeground 42", "Dispatch 0 777"}));
}

TEST(TfrmFenu, GuardKeepsToOneMainWindowAndReleasesItAfterwards) {
  Shell s;
  s.Settings(kConfigured);
  s.shell.FormCreate();
  s.fake.log.clear();
  // While the calendar is open, a hotkey and every menu item meet the guard.
  s.forms.onMainWindow = [&](MainWindow kind, WindowHandle) {
    if (kind != MainWindow::Calendar) return;
    EXPECT_TRUE(s.shell.IsOpen(MainWindow::Calendar));
    s.shell.HotkeyMessage(s.shell.Hotkeys().Identifier(1));
    s.shell.mnuBVerwaltungClick();
    s.shell.mnuHotKeysClick();
    s.shell.mnuFafoClick();
  };
  s.shell.mnuCalendar4Click();
  const std::string guard =
      "MessageBox Information \"Es können nicht mehrere Fenster von quenlia:FENU gleichzeitig geöffnet werden!\" -> OK";
  EXPECT_EQ(s.fake.LogOf("MessageBox"), (Lines{guard, guard, guard, guard}));
  EXPECT_EQ(s.fake.LogOf("Show"), (Lines{"Show TfrmCalendar 0"}));
  EXPECT_FALSE(s.shell.IsOpen(MainWindow::Calendar));

  // A window that fails still gives its place back.
  s.forms.onMainWindow = [](MainWindow, WindowHandle) { throw FileError("kaputt"); };
  EXPECT_THROW(s.shell.mnuArchivVerwaltungClick(), FileError);
  EXPECT_FALSE(s.shell.IsOpen(MainWindow::Verwaltung));
  s.forms.onMainWindow = nullptr;
  s.fake.log.clear();
  s.shell.mnuArchivVerwaltungClick();
  EXPECT_EQ(s.fake.log, (Lines{"Show TfrmVerwaltung 0"}));

  // A store that cannot be read is told about, and the program goes on with its place free.
  s.forms.onMainWindow = [](MainWindow, WindowHandle) { throw DamagedFileError("Die Datenbank \"x.bdb\" ..."); };
  s.fake.log.clear();
  s.shell.HotkeyMessage(s.shell.Hotkeys().Identifier(1));
  EXPECT_EQ(s.fake.LogOf("MessageBox"), (Lines{"MessageBox Fehler \"Die Datenbank \"x.bdb\" ...\" -> OK"}));
  EXPECT_FALSE(s.shell.IsOpen(MainWindow::Liste));
}

TEST(TfrmFenu, HotkeyWindowOkReregistersAtOnceAndCancelChangesNothing) {
  Shell s;
  s.shell.FormCreate();
  const std::uint32_t slot1 = s.shell.Hotkeys().Identifier(1);
  ASSERT_EQ(s.fake.registered.at(slot1).key, 44u);

  // Cancel: even a settings file changed meanwhile leaves the registered hotkeys alone.
  s.forms.onHotkey = [&](TfrmHotkey&) {
    s.Settings("[HotKeys]\r\nHotkeyB1=[Strg]\r\nHotkeyB2=A\r\n");
    return false;
  };
  s.shell.mnuHotKeysClick();
  EXPECT_EQ(s.fake.registered.at(slot1).key, 44u);

  // OK after choosing [Gross-Strg] + F5: the old combination is gone, the new one live.
  s.forms.onHotkey = [](TfrmHotkey& w) {
    w.FirstPartChange(0, 5);
    const auto& keys = TfrmHotkey::FullKeyList();
    w.SecondPartChange(0, static_cast<int>(std::find(keys.begin(), keys.end(), "F5") - keys.begin()));
    return w.btnOkClick();
  };
  s.shell.mnuHotKeysClick();
  const std::uint32_t newSlot1 = s.shell.Hotkeys().Identifier(1);
  EXPECT_EQ(s.fake.registered.at(newSlot1).modifiers, 6u);
  EXPECT_EQ(s.fake.registered.at(newSlot1).key, 116u);
  for (const auto& [id, reg] : s.fake.registered) EXPECT_NE(reg.key, 44u);
  EXPECT_EQ(s.fake.registered.size(), 4u);
  // Re-registering balanced the atom table: one reference per slot.
  for (const auto& [atom, refs] : s.fake.atomRefs) EXPECT_EQ(refs, 1) << atom;
  s.shell.FormDestroy();
  EXPECT_TRUE(s.fake.registered.empty());
  for (const auto& [atom, refs] : s.fake.atomRefs) EXPECT_EQ(refs, 0) << atom;
}

}  // namespace
}  // namespace fenu

namespace fenu {
namespace {

TEST(TfrmFenu, NetworkMessagesOpenBesideAnyMainWindowWithoutTheGuard) {
  Shell s;
  s.Settings(kConfigured);
  s.shell.FormCreate();
  s.fake.log.clear();
  s.forms.onMainWindow = [&](MainWindow, WindowHandle) { s.shell.mnuNNSClick(); };
  s.shell.mnuCalendar4Click();
  EXPECT_EQ(s.fake.log, (Lines{"Show TfrmCalendar 0", "Show TfrmNetSend"}));
}

}  // namespace
}  // namespace fenu
