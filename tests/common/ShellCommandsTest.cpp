#include "common/ShellCommands.h"

#include <gtest/gtest.h>

#include "common/Help.h"
#include "platform/fake/FakeServices.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

TEST(ShellCommands, EachRequestReachesTheShellWithItsTargetArgumentsAndWindowState) {
  FakeServices fake;
  SendSupportMail(fake);
  OpenMakerWebPage(fake);
  OpenDocument(fake, "C:\\Daten\\Archiv\\0112261530123.txt");
  StartExplorer(fake, "/e,C:\\Projekte");
  RunNetSend(fake, "PC-17", "Bin gleich zurück");
  EXPECT_EQ(fake.log,
            (Lines{"Shell \"mailto:support@quenlia.de?subject=quenlia:Fenu%20Anregungen&body=Tragen%20Sie%20hier%20"
                   "Ihre%20Anregungen%20ein!\" \"\" normal",
                   "Shell \"https://www.quenlia.de\" \"\" normal",
                   "Shell \"C:\\Daten\\Archiv\\0112261530123.txt\" \"\" normal",
                   "Shell \"explorer.exe\" \"/e,C:\\Projekte\" maximiert",
                   "Shell \"net.exe\" \" send PC-17 Bin gleich zurück\" versteckt"}));
  // Umlauts in a mail travel as UTF-8.
  EXPECT_EQ(MailtoUrl("a@b.de", "Grüße", "x&y"), "mailto:a@b.de?subject=Gr%C3%BC%C3%9Fe&body=x%26y");
}

TEST(Help, ContextNumbersOpenTheirTopicsAndUnknownOnesTheOverview) {
  FakeServices fake;
  for (int context : {11, 2, 9, 3, 3500, 5, 6, 12, 1, 0, 77}) ShowHelpContext(fake, "C:\\Fenu\\", context);
  EXPECT_EQ(fake.log, (Lines{"Help C:\\Fenu\\Hilfe\\Fenu.chm::/auswahl.htm", "Help C:\\Fenu\\Hilfe\\Fenu.chm::/hotkey.htm",
                             "Help C:\\Fenu\\Hilfe\\Fenu.chm::/verwaltung.htm",
                             "Help C:\\Fenu\\Hilfe\\Fenu.chm::/variablen.htm",
                             "Help C:\\Fenu\\Hilfe\\Fenu.chm::/stringliste.htm",
                             "Help C:\\Fenu\\Hilfe\\Fenu.chm::/archiv.htm",
                             "Help C:\\Fenu\\Hilfe\\Fenu.chm::/optionen.htm",
                             "Help C:\\Fenu\\Hilfe\\Fenu.chm::/kuerzel.htm",
                             "Help C:\\Fenu\\Hilfe\\Fenu.chm::/index.htm", "Help C:\\Fenu\\Hilfe\\Fenu.chm::/index.htm",
                             "Help C:\\Fenu\\Hilfe\\Fenu.chm::/index.htm"}));
}

}  // namespace
}  // namespace fenu
