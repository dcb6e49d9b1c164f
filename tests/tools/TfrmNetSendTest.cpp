#include "tools/TfrmNetSend.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "platform/fake/FakeServices.h"
#include "support/TempDir.h"
#include "tools/TfrmAliase.h"

namespace fenu {
namespace {

using Lines = std::vector<std::string>;

NetResource Named(const std::string& remoteName) {
  NetResource resource;
  resource.remoteName = remoteName;
  return resource;
}

// Acts on the alias window as the user would; without an action it is cancelled.
struct FakeNetSendDialogs : INetSendDialogs {
  std::function<bool(TfrmAliase&)> onAliase;
  bool ShowAliase(TfrmAliase& window) override {
    window.FormShow();
    return onAliase ? onAliase(window) : false;
  }
};

struct Window {
  test::TempDir dir;
  FakeServices fake;
  FakeNetSendDialogs dialogs;
  TfrmNetSend form{fake.services, dialogs, dir.Path()};

  // One provider with two workgroups; BUERO comes first and has three computers.
  void Network() {
    NetResource provider = Named("Microsoft Windows Network");
    provider.provider = "Microsoft Windows Network";
    fake.netEntries[""] = {provider};
    fake.netEntries["Microsoft Windows Network"] = {Named("WORKGROUP"), Named("BUERO")};
    fake.netEntries["BUERO"] = {Named("\\\\PC07"), Named("\\\\PC02"), Named("\\\\Empfang-PC")};
  }
  std::string Aliases() const { return dir.Read("Netsend.dat"); }
};

TEST(TfrmNetSend, ListsTheWorkgroupsAndTheComputersOfTheFirstWithTheirAliases) {
  Window w;
  w.Network();
  w.dir.Write("Netsend.dat", "[WORKGROUP]\r\nPC07=Falsch\r\n[buero]\r\npc07=Empfang\r\n");
  w.form.FormCreate();
  EXPECT_EQ(w.form.cbxDomains, (Lines{"BUERO", "WORKGROUP"}));
  EXPECT_EQ(w.form.DomainText(), "BUERO");
  EXPECT_EQ(w.form.NetUsers.Server, "BUERO");
  EXPECT_EQ(w.form.lbComputers, (Lines{"Empfang-PC", "PC02", "PC07 [Empfang]", "*"}));
  EXPECT_EQ(w.form.Edit1, "PC01");
  EXPECT_EQ(w.form.Label3, "Empfänger (0)");
  EXPECT_TRUE(w.fake.LogOf("MessageBox").empty());
  // The computers are asked for as connected servers below the workgroup; every enumeration closed.
  EXPECT_EQ(w.fake.LogOf("NetOpenEnum"),
            (Lines{"NetOpenEnum scope=2 type=1 usage=2 start=none -> 0",
                   "NetOpenEnum scope=2 type=1 usage=2 start=\"Microsoft Windows Network\" (scope=0 display=0 usage=0) -> 0",
                   "NetOpenEnum scope=2 type=1 usage=2 start=\"BUERO\" (scope=1 display=2 usage=2) -> 0"}));
  EXPECT_EQ(w.fake.LogOf("NetCloseEnum").size(), 3u);
  EXPECT_EQ(w.fake.openNetEnums, 0);
}

TEST(TfrmNetSend, NamesAreSortedWithoutDuplicatesAcrossProvidersAndCalls) {
  Window w;
  w.fake.netEntries[""] = {Named("Netz A"), Named("Netz B")};
  w.fake.netEntries["Netz A"] = {Named("Zeta"), Named("alpha"), Named("WORKGROUP")};
  w.fake.netEntries["Netz B"] = {Named("workgroup"), Named("Beta")};
  w.fake.netEntries["alpha"] = {Named("\\\\PC1"), Named("\\\\pc1"), Named("\\\\"), Named("x")};
  w.fake.netEntriesPerCall = 2;  // the providers come in one call, the names in several
  w.form.FormCreate();
  EXPECT_EQ(w.form.cbxDomains, (Lines{"alpha", "Beta", "WORKGROUP", "Zeta"}));
  EXPECT_EQ(w.form.lbComputers, (Lines{"PC1", "*"}));
  EXPECT_EQ(w.fake.openNetEnums, 0);
}

TEST(TfrmNetSend, WithoutProvidersBothListsStayEmptyAndTheOwnNameIsShown) {
  Window w;
  w.fake.computerName = "BUERO-07";
  w.form.FormCreate();
  EXPECT_TRUE(w.form.cbxDomains.empty());
  EXPECT_TRUE(w.form.lbComputers.empty());
  EXPECT_EQ(w.form.Edit1, "BUERO-07");
  EXPECT_TRUE(w.fake.LogOf("MessageBox").empty());
  EXPECT_EQ(w.fake.openNetEnums, 0);
}

TEST(TfrmNetSend, AnEnumerationErrorIsReportedWithTheSystemsTextAndCode) {
  struct Case {
    std::function<void(FakeServices&)> fail;
    std::string message;
  };
  const Case cases[] = {
      {[](FakeServices& f) { f.netOpenErrors[""] = kErrorNoNetwork; },
       "Das Netzwerk kann nicht durchsucht werden: Das Netzwerk ist nicht vorhanden oder wurde nicht gestartet. "
       "(Fehler 1222)"},
      {[](FakeServices& f) { f.netEnumErrors[""] = 5; }, "Das Netzwerk kann nicht durchsucht werden: Zugriff verweigert (Fehler 5)"},
      {[](FakeServices& f) { f.netEnumErrors["Microsoft Windows Network"] = 5; },
       "Das Netzwerk kann nicht durchsucht werden: Zugriff verweigert (Fehler 5)"},
      {[](FakeServices& f) { f.netOpenErrors["Microsoft Windows Network"] = 1208; },
       "Das Netzwerk kann nicht durchsucht werden: Systemfehler 1208 (Fehler 1208)"},
      {[](FakeServices& f) { f.netCloseError = 6; }, "Das Netzwerk kann nicht durchsucht werden: Systemfehler 6 (Fehler 6)"},
  };
  for (const Case& c : cases) {
    Window w;
    w.Network();
    w.fake.errorTexts = {{kErrorNoNetwork, "Das Netzwerk ist nicht vorhanden oder wurde nicht gestartet."},
                         {5, "Zugriff verweigert"}};
    c.fail(w.fake);
    w.form.FormCreate();
    EXPECT_EQ(w.fake.LogOf("MessageBox"), (Lines{"MessageBox Fehler \"" + c.message + "\" -> OK"}));
    EXPECT_TRUE(w.form.cbxDomains.empty());
    EXPECT_TRUE(w.form.lbComputers.empty());
    EXPECT_EQ(w.form.Edit1, "PC01");
    EXPECT_EQ(w.fake.openNetEnums, 0) << c.message;
  }
}

TEST(TfrmNetSend, AnUnreachableWorkgroupGivesOnlyTheEntryForAll) {
  Window w;
  w.Network();
  w.fake.netOpenErrors["BUERO"] = 53;
  w.form.FormCreate();
  EXPECT_EQ(w.form.lbComputers, (Lines{"*"}));
  w.fake.netOpenErrors.clear();
  w.fake.netEnumErrors["BUERO"] = 53;
  Window again;
  again.Network();
  again.fake.netEnumErrors["BUERO"] = 53;
  again.form.FormCreate();
  EXPECT_EQ(again.form.lbComputers, (Lines{"*"}));
  EXPECT_TRUE(again.fake.LogOf("MessageBox").empty());
  EXPECT_EQ(again.fake.openNetEnums, 0);
}

TEST(TfrmNetSend, RecipientsAreAddedOnceAndCounted) {
  Window w;
  w.Network();
  w.dir.Write("Netsend.dat", "[BUERO]\r\nPC07=Empfang\r\n");
  w.form.FormCreate();
  w.form.btnRecipientClick();  // nothing selected
  EXPECT_TRUE(w.form.lbrecipients.empty());
  w.form.lbComputersIndex = 2;
  w.form.btnRecipientClick();
  w.form.lbComputersDblClick();
  EXPECT_EQ(w.form.lbrecipients, (Lines{"PC07 [Empfang]"}));
  EXPECT_EQ(w.form.Label3, "Empfänger (1)");
  w.form.lbComputers.push_back("pc07 [EMPFANG]");  // the same text in other case
  w.form.lbComputersIndex = 4;
  w.form.btnRecipientClick();
  w.form.lbComputersIndex = 3;
  w.form.lbComputersDblClick();
  w.form.lbComputersIndex = 0;
  w.form.btnRecipientClick();
  EXPECT_EQ(w.form.lbrecipients, (Lines{"PC07 [Empfang]", "*", "Empfang-PC"}));
  EXPECT_EQ(w.form.Label3, "Empfänger (3)");

  w.form.btnDeleteClick();  // nothing selected
  EXPECT_EQ(w.form.Label3, "Empfänger (3)");
  w.form.lbrecipientsIndex = 2;
  w.form.btnDeleteClick();
  EXPECT_EQ(w.form.lbrecipients, (Lines{"PC07 [Empfang]", "*"}));
  EXPECT_EQ(w.form.lbrecipientsIndex, 1);
  EXPECT_EQ(w.form.Label3, "Empfänger (2)");
  w.form.btnDeleteAllClick();
  EXPECT_TRUE(w.form.lbrecipients.empty());
  EXPECT_EQ(w.form.Label3, "Empfänger (0)");
}

TEST(TfrmNetSend, SendingRunsTheMessengerOncePerRecipientHiddenAndUnquoted) {
  Window w;
  w.form.lbrecipients = {"PC07 [Empfang]", "*", "PC02"};
  w.form.mmMessage = "Hallo\r\nTest";
  w.form.btnSendClick();
  EXPECT_EQ(w.fake.log, (Lines{"Shell \"net.exe\" \" send PC07 Hallo\r\nTest\" versteckt",
                               "Shell \"net.exe\" \" send * Hallo\r\nTest\" versteckt",
                               "Shell \"net.exe\" \" send PC02 Hallo\r\nTest\" versteckt"}));
  EXPECT_EQ(w.form.lbrecipients.size(), 3u);
  EXPECT_EQ(w.form.mmMessage, "Hallo\r\nTest");

  const std::pair<std::string, std::string> lines[] = {
      {"PC07 [Empfang]", "PC07"}, {"*", "*"}, {"PC07", "PC07"}, {"PC07 [Emp [2]]", "PC07"}, {"[x]", ""}};
  for (const auto& [line, recipient] : lines) EXPECT_EQ(TfrmNetSend::Recipient(line), recipient) << line;
}

TEST(TfrmNetSend, AliasWindowSavesOnlyFilledAliasesOfItsWorkgroupAndTheListLosesTheEntryForAll) {
  Window w;
  w.Network();
  w.dir.Write("Netsend.dat", "[WORKGROUP]\r\nPC07=Anderswo\r\n[BUERO]\r\nPC07=Empfang\r\nALT=weg\r\n");
  w.form.FormCreate();
  w.dialogs.onAliase = [](TfrmAliase& a) {
    const StringGrid& g = a.StrGrid;
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.ColWidth(0), 140);
    EXPECT_EQ(g.Cell(0, 0), "Computername");
    EXPECT_EQ(g.Cell(1, 0), "Aliasname");
    EXPECT_EQ(g.Cell(0, 3), "PC07");
    EXPECT_EQ(g.Cell(1, 3), "Empfang");
    EXPECT_EQ(g.col, 1);
    a.StrGrid.SetCell(1, 3, "");  // the alias removed
    a.StrGrid.SetCell(1, 2, "Chef");
    return a.btnOkClick();
  };
  w.form.btnAliaseClick();
  EXPECT_EQ(w.Aliases(), "[WORKGROUP]\r\nPC07=Anderswo\r\n\r\n[BUERO]\r\nPC02=Chef\r\n");
  EXPECT_EQ(w.form.lbComputers, (Lines{"Empfang-PC", "PC02 [Chef]", "PC07"}));

  // Cancelled: nothing written, the list as it was.
  w.dialogs.onAliase = [](TfrmAliase& a) {
    a.StrGrid.SetCell(1, 1, "Nie");
    return false;
  };
  w.form.btnAliaseClick();
  EXPECT_EQ(w.Aliases(), "[WORKGROUP]\r\nPC07=Anderswo\r\n\r\n[BUERO]\r\nPC02=Chef\r\n");
  EXPECT_EQ(w.form.lbComputers, (Lines{"Empfang-PC", "PC02 [Chef]", "PC07"}));
}

TEST(TfrmNetSend, AnAliasFileThatCannotBeWrittenIsReportedAndTheWindowStaysOpen) {
  Window w;
  w.Network();
  w.dir.Write("Netsend.dat", "[BUERO]\r\nPC07=Empfang\r\n");
  ::chmod(w.dir.File("Netsend.dat").c_str(), 0444);
  w.form.FormCreate();
  bool saved = true;
  w.dialogs.onAliase = [&](TfrmAliase& a) {
    a.StrGrid.SetCell(1, 1, "Neu");
    saved = a.btnOkClick();
    return saved;
  };
  w.form.btnAliaseClick();
  EXPECT_FALSE(saved);
  const std::string path = w.dir.Path() + "Netsend.dat";
  EXPECT_EQ(w.fake.LogOf("MessageBox"),
            (Lines{"MessageBox Fehler \"Die Aliase können nicht gespeichert werden: nach " + path +
                   " kann nicht geschrieben werden. Die bisherige Datei bleibt unverändert.\" -> OK"}));
  EXPECT_EQ(w.Aliases(), "[BUERO]\r\nPC07=Empfang\r\n");
  EXPECT_EQ(w.form.lbComputers, (Lines{"Empfang-PC", "PC02", "PC07 [Empfang]", "*"}));
}

TEST(TfrmNetSend, AliasWindowWithoutNetworkAndItsKeys) {
  Window w;
  w.form.FormCreate();
  w.dialogs.onAliase = [](TfrmAliase& a) {
    EXPECT_EQ(a.StrGrid.RowCount(), 1);
    // Computer names cannot be typed over and Delete does nothing; the alias column takes keys.
    a.StrGrid.SetCurrent(0, 0);
    EXPECT_FALSE(a.StrGridKeyPress('x'));
    a.StrGrid.SetCurrent(1, 0);
    EXPECT_TRUE(a.StrGridKeyPress('x'));
    EXPECT_FALSE(a.StrGridKeyDown(TfrmAliase::kDeleteKey));
    EXPECT_TRUE(a.StrGridKeyDown(0x41));
    return a.btnOkClick();
  };
  w.form.btnAliaseClick();
  EXPECT_TRUE(w.form.lbComputers.empty());
  EXPECT_TRUE(w.fake.LogOf("MessageBox").empty());
}

TEST(TfrmNetSend, HelpOpensTheNetworkPageFromBothWindows) {
  Window w;
  w.form.FormHelp();
  w.dialogs.onAliase = [](TfrmAliase& a) {
    a.FormHelp();
    return false;
  };
  w.form.btnAliaseClick();
  const std::string help = "Help " + w.dir.Path() + "Hilfe\\Fenu.chm::/netzwerk.htm";
  EXPECT_EQ(w.fake.log, (Lines{help, help}));
}

}  // namespace
}  // namespace fenu
