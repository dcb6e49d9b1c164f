#pragma once
// The network message window: the workgroups and computers of the network, a list of recipients
// and a message sent to each of them through the messenger command "net.exe send".
#include <string>
#include <vector>

#include "data/NetAliases.h"
#include "platform/Services.h"
#include "tools/TNetUsers.h"

namespace fenu {

class TfrmAliase;

// The dialog that the network window opens.
class INetSendDialogs {
 public:
  virtual ~INetSendDialogs() = default;
  // True when the alias window closed with OK.
  virtual bool ShowAliase(TfrmAliase& window) = 0;
};

class TfrmNetSend {
 public:
  TfrmNetSend(Services& services, INetSendDialogs& dialogs, std::string appDir);

  static constexpr const char* kCaption = "Netzwerknachricht senden";
  static constexpr const char* kLabel1 = "Arbeitsgruppen/Domänen";
  static constexpr const char* kLabel2 = "Angeschlossene Computer";
  static constexpr const char* kLabel4 = "Nachricht";
  static constexpr const char* kLabel5 = "Mein Computer";
  static constexpr const char* kLabel6 = "Hinweis: Der Nachrichtendienst arbeitet nur mit Win2000/Win XP";
  static constexpr const char* kBtnRecipient = "Hinzufügen >>";
  static constexpr const char* kBtnAliase = "Aliase";
  static constexpr const char* kBtnDelete = "Entfernen";
  static constexpr const char* kBtnDeleteAll = "Alle entfernen";
  static constexpr const char* kBtnSend = "Nachricht senden";
  static constexpr const char* kBtnClose = "Schliessen";
  static constexpr const char* kAllComputers = "*";
  static constexpr const char* kHelpTopic = "netzwerk.htm";

  std::vector<std::string> cbxDomains;
  int cbxDomainsIndex = -1;
  std::vector<std::string> lbComputers;
  int lbComputersIndex = -1;
  std::vector<std::string> lbrecipients;
  int lbrecipientsIndex = -1;
  std::string Label3 = "Empfänger (0)";
  std::string mmMessage;  // lines separated by CR LF
  std::string Edit1;
  TNetUsers NetUsers;

  // The text of cbxDomains: the section of Netsend.dat that the aliases come from.
  std::string DomainText() const;

  // Lists the network; an enumeration error is reported with the system's text and code, and the
  // window still shows the own computer name.
  void FormCreate();
  void btnRecipientClick();
  void lbComputersDblClick() { btnRecipientClick(); }
  void btnDeleteClick();
  void btnDeleteAllClick();
  void btnSendClick();
  void btnAliaseClick();
  void FormHelp();

  // The messenger command's recipient in a recipient line: the computer name before its alias.
  static std::string Recipient(const std::string& line);

 private:
  void FillComputers();
  void CountRecipients();

  Services& services_;
  INetSendDialogs& dialogs_;
  std::string appDir_;
  NetAliases aliases_;
};

}  // namespace fenu
