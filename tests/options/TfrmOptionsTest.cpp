#include "options/TfrmOptions.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/FileIo.h"
#include "options/PasswordFile.h"
#include "platform/fake/FakeServices.h"
#include "support/TempDir.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kMismatchBox =
    "MessageBox Fehler \"Passwort und Wiederholung stimmen nicht überein.\" -> OK";

// The options window over a database "Kunden.bdb" in a fresh AppDir, with the shell's flag.
struct Options {
  test::TempDir dir;
  FakeServices fake;
  bool sendkeys = false;
  TfrmOptions window{fake.services, dir.Path(), dir.File("Kunden.bdb"), sendkeys};

  std::string Zug() { return dir.Read("Kunden.zug"); }
  bool ZugExists() { return FileExists(dir.File("Kunden.zug")); }
  std::string Ini() { return dir.Read("fenu.ini"); }
  bool IniExists() { return FileExists(dir.File("fenu.ini")); }
};

TEST(TfrmOptions, ShowsTheShellsSendkeysValueAndEmptyPasswordFields) {
  for (bool on : {false, true}) {
    Options o;
    o.sendkeys = on;
    o.window.Edit1 = "alt";
    o.window.FormShow();
    EXPECT_EQ(o.window.ckbSendKeys, on);
    EXPECT_EQ(o.window.Edit1, "");
    EXPECT_EQ(o.window.Edit2, "");
  }
  Options o;
  EXPECT_EQ(o.window.PasswordFile(), o.dir.File("Kunden.zug"));
}

TEST(TfrmOptions, MismatchKeepsTheWindowOpenAndWritesNothing) {
  Options o;
  o.window.FormShow();
  o.window.ckbSendKeys = true;
  o.window.Edit1 = "Geheim";
  o.window.Edit2 = "geheim";
  EXPECT_FALSE(o.window.Button1Click());
  EXPECT_EQ(o.fake.log, Lines{kMismatchBox});
  EXPECT_FALSE(o.ZugExists());
  EXPECT_FALSE(o.IniExists());
  EXPECT_FALSE(o.sendkeys);

  // Closed through the close box now, the first field is what counts.
  o.window.FormClose();
  EXPECT_EQ(o.Zug(), PasswordRecord("Geheim"));
  EXPECT_EQ(o.fake.log, Lines{kMismatchBox});
}

TEST(TfrmOptions, MatchingFieldsCloseAndStoreThePasswordCutToFifteen) {
  Options o;
  o.window.FormShow();
  o.window.Edit1 = o.window.Edit2 = "12345678901234567890";
  EXPECT_TRUE(o.window.Button1Click());
  o.window.FormClose();
  EXPECT_EQ(o.Zug(), PasswordRecord("123456789012345"));
  EXPECT_EQ(ReadPasswordFile(o.dir.File("Kunden.zug")), std::string("123456789012345"));
  EXPECT_TRUE(o.fake.log.empty());
}

TEST(TfrmOptions, EveryCloseWritesSendkeysAndUpdatesTheShell) {
  Options o;
  o.dir.Write("fenu.ini", "[Options]\r\nSendkeys=1\r\n[Main]\r\nTaskbar=-1\r\n");
  o.sendkeys = true;
  o.window.FormShow();
  o.window.ckbSendKeys = false;
  o.window.FormClose();
  EXPECT_FALSE(o.sendkeys);
  EXPECT_EQ(o.Ini(), "[Options]\r\nSendkeys=0\r\n[Main]\r\nTaskbar=-1\r\n");

  o.window.FormShow();
  EXPECT_FALSE(o.window.ckbSendKeys);
  o.window.ckbSendKeys = true;
  o.window.FormClose();
  EXPECT_TRUE(o.sendkeys);
  EXPECT_EQ(o.Ini(), "[Options]\r\nSendkeys=-1\r\n[Main]\r\nTaskbar=-1\r\n");
}

// Closing with an empty first field removes a password that is set, but only after asking.
TEST(TfrmOptions, RemovingASetPasswordIsAskedAndNeinKeepsTheFileAsItWas) {
  const std::string ask =
      "MessageBox Bestätigung \"Das Datenbank-Passwort wird entfernt. Fortfahren?\" -> ";
  // A record as another writer may leave it: bytes after the password and a tail of its own,
  // and more than 28 bytes.
  std::string written = PasswordRecord("Geheim");
  written.replace(13, 9, "Rest\xff\x01xyz");
  written.replace(22, 6, "ENDE!!");
  written += "\r\n";
  const std::optional<std::string> none;
  struct Case {
    const char* name;
    std::optional<std::string> before;  // the password file, none: missing
    std::string edit1, edit2;
    std::optional<MsgResult> answer;    // the question's answer, none: not asked
    std::optional<std::string> after;   // none: the file as it was
  };
  const Case cases[] = {
      {"set", none, "Geheim", "Geheim", {}, PasswordRecord("Geheim")},
      {"kept by typing it again", written, "Geheim", "Geheim", {}, PasswordRecord("Geheim")},
      {"changed", written, "Neu", "Neu", {}, PasswordRecord("Neu")},
      {"removed with Ja", written, "", "", MsgResult::Yes, PasswordRecord("")},
      {"kept with Nein", written, "", "", MsgResult::No, none},
      // The close box skips the comparison: the first field counts, so this asks as well.
      {"close box, Nein", written, "", "Geheim", MsgResult::No, none},
      // Nothing to lose: no question.
      {"none set, no file", none, "", "", {}, PasswordRecord("")},
      {"none set, empty record", PasswordRecord(""), "", "", {}, PasswordRecord("")},
  };
  for (const Case& c : cases) {
    Options o;
    o.dir.Write("fenu.ini", "[Options]\r\nSendkeys=0\r\n");
    if (c.before) o.dir.Write("Kunden.zug", *c.before);
    if (c.answer) o.fake.messageAnswers = {*c.answer};
    o.window.FormShow();
    o.window.ckbSendKeys = true;
    o.window.Edit1 = c.edit1;
    o.window.Edit2 = c.edit2;
    o.window.FormClose();
    EXPECT_EQ(o.fake.log, c.answer ? Lines{ask + (*c.answer == MsgResult::Yes ? "Ja" : "Nein")} : Lines{}) << c.name;
    EXPECT_EQ(o.Zug(), c.after ? *c.after : *c.before) << c.name;
    // The delivery mode is stored whatever the answer.
    EXPECT_TRUE(o.sendkeys) << c.name;
    EXPECT_EQ(o.Ini(), "[Options]\r\nSendkeys=-1\r\n") << c.name;
  }
}

// A file that cannot be written is reported and the window closes normally: the management
// window behind it keeps its unsaved edits instead of the program ending.
TEST(TfrmOptions, UnwritableFilesAreReportedAndTheWindowStillCloses) {
  {
    Options o;
    o.dir.Write("Kunden.zug", PasswordRecord("alt"));
    ::chmod(o.dir.File("Kunden.zug").c_str(), 0444);
    o.window.FormShow();
    o.window.ckbSendKeys = true;
    o.window.Edit1 = o.window.Edit2 = "neu";
    ASSERT_TRUE(o.window.Button1Click());
    EXPECT_NO_THROW(o.window.FormClose());
    EXPECT_EQ(o.fake.log,
              Lines{"MessageBox Fehler \"nach " + o.dir.File("Kunden.zug") + " kann nicht geschrieben werden\" -> OK"});
    EXPECT_EQ(o.Zug(), PasswordRecord("alt"));
    EXPECT_TRUE(o.sendkeys);
    EXPECT_EQ(o.Ini(), "[Options]\r\nSendkeys=-1\r\n");
  }
  {
    // The database's folder is gone; the settings file is read-only.
    test::TempDir dir;
    FakeServices fake;
    bool sendkeys = true;
    dir.Write("fenu.ini", "[Options]\r\nSendkeys=-1\r\n");
    ::chmod(dir.File("fenu.ini").c_str(), 0444);
    const std::string database = dir.File("weg\\Kunden.bdb");
    TfrmOptions window(fake.services, dir.Path(), database, sendkeys);
    window.FormShow();
    window.ckbSendKeys = false;
    EXPECT_NO_THROW(window.FormClose());
    const auto box = [](const std::string& path) {
      return "MessageBox Fehler \"nach " + path + " kann nicht geschrieben werden\" -> OK";
    };
    EXPECT_EQ(fake.log, (Lines{box(dir.File("fenu.ini")), box(dir.File("weg\\Kunden.zug"))}));
    EXPECT_FALSE(sendkeys);  // the shell follows the window even when the file cannot
  }
}

}  // namespace
}  // namespace fenu
