// F1 in each window opens the help page about that window.
#include <gtest/gtest.h>

#include <string>

#include "common/Help.h"
#include "app/TfrmIniMessage.h"
#include "app/TfrmTaskbar.h"
#include "insert/TfrmListe.h"
#include "insert/TfrmMiniAuswahl.h"
#include "options/TPasswordDlg.h"
#include "options/TfrmOptions.h"
#include "platform/fake/FakeServices.h"
#include "store/TForm1.h"
#include "tools/TfrmHotkey.h"
#include "variables/TfrmStringListe.h"
#include "variables/TfrmVariables.h"

namespace fenu {
namespace {

TEST(HelpContexts, EachWindowOpensThePageAboutIt) {
  const struct {
    const char* window;
    int context;
    std::string topic;
  } cases[] = {
      {"TForm1", TForm1::kHelpContext, "verwaltung.htm"},
      {"TfrmListe", TfrmListe::kHelpContext, "auswahl.htm"},
      {"TfrmMiniAuswahl", TfrmMiniAuswahl::kHelpContext, "kuerzel.htm"},
      {"TfrmHotkey", TfrmHotkey::kHelpContext, "hotkey.htm"},
      {"TfrmVariables", TfrmVariables::kHelpContext, "variablen.htm"},
      {"TfrmStringListe", TfrmStringListe::kHelpContext, "stringliste.htm"},
      {"TfrmOptions", TfrmOptions::kHelpContext, "optionen.htm"},
      {"TPasswordDlg", TPasswordDlg::kHelpContext, "optionen.htm"},
      {"TfrmTaskbar", TfrmTaskbar::kHelpContext, "index.htm"},
      {"TfrmIniMessage", TfrmIniMessage::kHelpContext, "index.htm"},
  };
  for (const auto& c : cases) EXPECT_EQ(HelpTopicForContext(c.context), c.topic) << c.window;
}

TEST(HelpContexts, TheListEditorsHiddenHelpButtonAndF1OpenItsPage) {
  FakeServices fake;
  TfrmStringListe editor(fake.services, {"Herr", "Frau"}, "C:\\Fenu\\");
  editor.btnHilfeClick();
  EXPECT_EQ(fake.log, (std::vector<std::string>{"Help C:\\Fenu\\Hilfe\\Fenu.chm::/stringliste.htm"}));
}

}  // namespace
}  // namespace fenu
