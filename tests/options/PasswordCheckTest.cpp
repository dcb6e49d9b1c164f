#include "options/PasswordCheck.h"

#include <gtest/gtest.h>

#include <deque>

#include "app/TfrmFenu.h"
#include "expansion/ScriptedPrompts.h"
#include "options/PasswordFile.h"
#include "options/TfrmOptions.h"
#include "platform/fake/FakeClock.h"
#include "store/TForm1.h"
#include "support/FakeForms.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

// The user at the password dialog: each answer is what is typed and whether OK ends it.
class ScriptedPrompt : public IPasswordPrompt {
 public:
  ScriptedPrompt(std::initializer_list<std::pair<std::string, bool>> answers) : answers_(answers) {}
  bool Ask(std::string& entered) override {
    ++asked;
    if (answers_.empty()) ADD_FAILURE() << "asked once more than the user answers";
    const auto [text, ok] = answers_.empty() ? std::pair<std::string, bool>{"", false} : answers_.front();
    if (!answers_.empty()) answers_.pop_front();
    entered = text;
    return ok;
  }
  int asked = 0;

 private:
  std::deque<std::pair<std::string, bool>> answers_;
};

// An AppDir whose settings point at the database Kunden.bdb in its folder "Daten".
struct App {
  test::TempDir dir;
  App() {
    dir.Write("fenu.ini", "[Main]\r\nCurrentDB=" + Database() + "\r\n");
    dir.Write("Daten/Kunden.bdb", "");
  }
  std::string Database() const { return dir.Path() + "Daten\\Kunden.bdb"; }
  void Protect(const std::string& bytes) const { dir.Write("Daten/Kunden.zug", bytes); }
};

TEST(CurrentDatabaseFile, FollowsCurrentDbWithItsDefaultAndPortableMode) {
  test::TempDir dir;
  EXPECT_EQ(CurrentDatabaseFile(dir.Path()), "Standard.adb");
  dir.Write("fenu.ini", "[Main]\r\nCurrentDB=D:\\Alt\\Kunden.bdb\r\n");
  EXPECT_EQ(CurrentDatabaseFile(dir.Path()), "D:\\Alt\\Kunden.bdb");
  for (const char* stick : {"1", "-1"}) {
    dir.Write("fenu.ini", std::string("[Main]\r\nCurrentDB=D:\\Alt\\Kunden.bdb\r\nStick=") + stick + "\r\n");
    EXPECT_EQ(CurrentDatabaseFile(dir.Path()), dir.Path() + "Daten\\Kunden.bdb");
  }
  dir.Write("fenu.ini", "[Main]\r\nStick=1\r\n");
  EXPECT_EQ(CurrentDatabaseFile(dir.Path()), dir.Path() + "Daten\\Standard.adb");
}

TEST(PasswordCheck, WithoutPasswordTheGateOpensWithoutAsking) {
  const std::string cases[] = {PasswordRecord(""), std::string(), std::string("\x05" "abc")};
  {
    App app;  // no password file at all
    ScriptedPrompt user{};
    EXPECT_TRUE(PasswordCheck(user, app.dir.Path()));
    EXPECT_EQ(user.asked, 0);
  }
  for (const std::string& bytes : cases) {
    App app;
    app.Protect(bytes);
    ScriptedPrompt user{};
    EXPECT_TRUE(PasswordCheck(user, app.dir.Path())) << bytes.size();
    EXPECT_EQ(user.asked, 0);
  }
}

TEST(PasswordCheck, AsksUntilTheExactPasswordOrCancel) {
  const struct {
    std::initializer_list<std::pair<std::string, bool>> answers;
    bool passes;
    int asked;
  } cases[] = {
      {{{"Geheim", true}}, true, 1},
      {{{"geheim", true}, {"", true}, {"Geheim ", true}, {"Geheim", true}}, true, 4},
      {{{"", false}}, false, 1},
      {{{"falsch", true}, {"falsch", false}}, false, 2},
      // Cancel refuses even with the right password in the field.
      {{{"Geheim", false}}, false, 1},
  };
  for (const auto& c : cases) {
    App app;
    app.Protect(PasswordRecord("Geheim"));
    ScriptedPrompt user(c.answers);
    EXPECT_EQ(PasswordCheck(user, app.dir.Path()), c.passes);
    EXPECT_EQ(user.asked, c.asked);
  }
}

TEST(PasswordCheck, TheOptionsWindowSetsAndRemovesWhatTheCheckAsksFor) {
  App app;
  FakeServices fake;
  bool sendkeys = false;
  TfrmOptions options(fake.services, app.dir.Path(), CurrentDatabaseFile(app.dir.Path()), sendkeys);
  options.FormShow();
  options.Edit1 = options.Edit2 = "Zwanzig-Zeichen-lang";  // 20 characters, 15 kept
  ASSERT_TRUE(options.Button1Click());
  options.FormClose();

  ScriptedPrompt user{{"Zwanzig-Zeichen-lang", true}, {"Zwanzig-Zeichen", true}};
  EXPECT_TRUE(PasswordCheck(user, app.dir.Path()));
  EXPECT_EQ(user.asked, 2);

  options.FormShow();
  options.FormClose();  // empty fields
  ScriptedPrompt nobody{};
  EXPECT_TRUE(PasswordCheck(nobody, app.dir.Path()));
}

TEST(PasswordCheck, PortableModeReadsThePasswordBesideTheDatabaseInDaten) {
  test::TempDir dir;
  dir.Write("fenu.ini", "[Main]\r\nCurrentDB=D:\\Alt\\Kunden.bdb\r\nStick=1\r\n");
  dir.Write("Daten/Kunden.bdb", "");
  FakeServices fake;
  bool sendkeys = false;
  TfrmOptions options(fake.services, dir.Path(), CurrentDatabaseFile(dir.Path()), sendkeys);
  options.FormShow();
  options.Edit1 = options.Edit2 = "Stick";
  options.FormClose();
  EXPECT_EQ(dir.Read("Daten/Kunden.zug"), PasswordRecord("Stick"));

  ScriptedPrompt user{{"stick", true}, {"Stick", true}};
  EXPECT_TRUE(PasswordCheck(user, dir.Path()));
  EXPECT_EQ(user.asked, 2);
}

// The shell: guard, then the gate, then the management window.
struct Shell {
  test::TempDir dir;
  FakeServices fake;
  test::FakeForms forms{fake};
  TfrmFenu shell{fake.services, forms, dir.Path()};
  Shell() {
    dir.Write("fenu.ini", "[Main]\r\nStick=1\r\n");
    dir.Write("Daten/Standard.adb", "");
    dir.Write("Daten/Standard.zug", PasswordRecord("Geheim"));
  }
};

TEST(PasswordCheck, AMissingDatabaseIsGuardedByThePasswordOfTheDummyThatOpensInstead) {
  test::TempDir dir;
  dir.Write("fenu.ini", "[Main]\r\nCurrentDB=D:\\Alt\\Kunden.bdb\r\n");  // the folder was moved
  {
    ScriptedPrompt nobody{};  // no dummy database yet: the new one has no password
    EXPECT_TRUE(PasswordCheck(nobody, dir.Path()));
  }
  dir.Write("Daten/DBDummy.bdb", "");
  dir.Write("Daten/DBDummy.zug", PasswordRecord("Dummy"));
  ScriptedPrompt user{{"Kunden", true}, {"Dummy", true}};
  EXPECT_TRUE(PasswordCheck(user, dir.Path()));
  EXPECT_EQ(user.asked, 2);
}

TEST(PasswordGate, TheManagementWindowOpensOnlyBehindTheRightPassword) {
  Shell s;
  s.forms.passwordAnswers = {{"falsch", true}, {"Geheim", true}};
  s.shell.mnuBVerwaltungClick();
  EXPECT_EQ(s.fake.log, (Lines{"Show TPasswordDlg \"falsch\" -> OK", "Show TPasswordDlg \"Geheim\" -> OK",
                               "Show TForm1"}));

  s.fake.log.clear();
  s.forms.passwordAnswers = {{"", false}};
  s.shell.mnuBVerwaltungClick();
  EXPECT_EQ(s.fake.log, Lines{"Show TPasswordDlg \"\" -> Abbrechen"});
  EXPECT_FALSE(s.shell.IsOpen(MainWindow::Form1));
}

TEST(PasswordGate, ADamagedDatabaseBehindTheGateIsNamedAndTheShellGoesOn) {
  struct NoDialogs : IForm1Dialogs {
    ScriptedPrompts prompts;
    FakeClock clock;
    void ShowInfo(TfrmInfo&) override {}
    void ShowOptions(const std::string&) override {}
    bool ShowVariables(TfrmVariables&) override { return false; }
    void ShowMemo(const std::string&) override {}
    IPrompts& Prompts() override { return prompts; }
    IClock& Clock() override { return clock; }
    ILocale& Locale() override { return clock; }
  } dialogs;
  Shell s;  // Daten\Standard.adb is an empty file
  const auto before = s.dir.Files();
  bool opened = true;
  s.forms.onManagement = [&](bool&) {  // as the real opener does it
    TForm1 window(s.fake.services, dialogs, s.dir.Path());
    opened = window.FormCreate();
  };
  s.forms.passwordAnswers = {{"Geheim", true}};
  s.shell.mnuBVerwaltungClick();
  EXPECT_FALSE(opened);
  EXPECT_EQ(s.fake.log, (Lines{"Show TPasswordDlg \"Geheim\" -> OK", "Show TForm1",
                               "MessageBox Fehler \"Die Datenbank \"" + s.dir.Path() +
                                   "Daten\\Standard.adb\" konnte nicht gelesen werden: unerwartetes Ende der Daten bei "
                                   "Byte 0.\r\nDie Datei wurde nicht verändert.\" -> OK"}));
  EXPECT_FALSE(s.shell.IsOpen(MainWindow::Form1));
  EXPECT_EQ(s.dir.Files(), before);
}

TEST(PasswordGate, AskingHappensBehindTheGuard) {
  Shell s;
  // A main window is open: the guard speaks and no password is asked for.
  s.forms.onMainWindow = [&](MainWindow kind, WindowHandle) {
    if (kind == MainWindow::Calendar) s.shell.mnuBVerwaltungClick();
  };
  s.shell.mnuCalendar4Click();
  EXPECT_EQ(s.fake.log,
            (Lines{"Show TfrmCalendar 0",
                   "MessageBox Information \"Es können nicht mehrere Fenster von quenlia:FENU gleichzeitig geöffnet "
                   "werden!\" -> OK"}));

  // While the password dialog is up, the management window counts as open.
  Shell t;
  struct Probe : test::FakeForms {
    using FakeForms::FakeForms;
    TfrmFenu* shell = nullptr;
    bool openWhileAsking = false;
    bool AskPassword(std::string& entered) override {
      openWhileAsking = shell->IsOpen(MainWindow::Form1);
      entered = "Geheim";
      return true;
    }
  } probe(t.fake);
  TfrmFenu shell(t.fake.services, probe, t.dir.Path());
  probe.shell = &shell;
  shell.mnuBVerwaltungClick();
  EXPECT_TRUE(probe.openWhileAsking);
  EXPECT_FALSE(shell.IsOpen(MainWindow::Form1));
}

}  // namespace
}  // namespace fenu
