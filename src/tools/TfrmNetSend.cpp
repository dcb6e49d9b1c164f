#include "tools/TfrmNetSend.h"

#include <algorithm>

#include "common/Help.h"
#include "common/ShellCommands.h"
#include "core/Cp1252.h"
#include "tools/TfrmAliase.h"

namespace fenu {

TfrmNetSend::TfrmNetSend(Services& services, INetSendDialogs& dialogs, std::string appDir)
    : NetUsers(services.network, services.collation),
      services_(services),
      dialogs_(dialogs),
      appDir_(std::move(appDir)),
      aliases_(appDir_ + kNetAliasFileName) {}

std::string TfrmNetSend::DomainText() const {
  if (cbxDomainsIndex < 0 || cbxDomainsIndex >= static_cast<int>(cbxDomains.size())) return {};
  return cbxDomains[static_cast<std::size_t>(cbxDomainsIndex)];
}

void TfrmNetSend::FormCreate() {
  try {
    if (NetUsers.ListDomains()) {
      cbxDomains = NetUsers.Items;
      cbxDomainsIndex = cbxDomains.empty() ? -1 : 0;
      NetUsers.Server = DomainText();
      NetUsers.ListComputers();
      FillComputers();
      lbComputers.push_back(kAllComputers);
    }
  } catch (const NetEnumError& error) {
    services_.dialogs.MessageDlg(MsgKind::Error, "Das Netzwerk kann nicht durchsucht werden: " +
                                                     services_.network.ErrorText(error.Code()) + " (Fehler " +
                                                     std::to_string(error.Code()) + ")");
  }
  Edit1 = services_.network.ComputerName();
}

void TfrmNetSend::FillComputers() {
  lbComputers.clear();
  lbComputersIndex = -1;
  const std::vector<std::string> aliases = aliases_.Read(DomainText(), NetUsers.Items);
  for (std::size_t i = 0; i < NetUsers.Items.size(); ++i) lbComputers.push_back(ComputerEntry(NetUsers.Items[i], aliases[i]));
}

void TfrmNetSend::CountRecipients() { Label3 = "Empfänger (" + std::to_string(lbrecipients.size()) + ")"; }

void TfrmNetSend::btnRecipientClick() {
  if (lbComputersIndex < 0 || lbComputersIndex >= static_cast<int>(lbComputers.size())) return;
  const std::string& entry = lbComputers[static_cast<std::size_t>(lbComputersIndex)];
  const bool held = std::any_of(lbrecipients.begin(), lbrecipients.end(),
                                [&](const std::string& line) { return CompareNoCase(line, entry) == 0; });
  if (held) return;
  lbrecipients.push_back(entry);
  CountRecipients();
}

void TfrmNetSend::btnDeleteClick() {
  if (lbrecipientsIndex < 0 || lbrecipientsIndex >= static_cast<int>(lbrecipients.size())) return;
  lbrecipients.erase(lbrecipients.begin() + lbrecipientsIndex);
  // The selection stays at the same place, as a list box leaves it.
  lbrecipientsIndex = std::min(lbrecipientsIndex, static_cast<int>(lbrecipients.size()) - 1);
  CountRecipients();
}

void TfrmNetSend::btnDeleteAllClick() {
  lbrecipients.clear();
  lbrecipientsIndex = -1;
  CountRecipients();
}

std::string TfrmNetSend::Recipient(const std::string& line) {
  const std::size_t bracket = line.find('[');
  if (bracket == std::string::npos) return line;
  return line.substr(0, bracket == 0 ? 0 : bracket - 1);
}

void TfrmNetSend::btnSendClick() {
  for (const std::string& line : lbrecipients) RunNetSend(services_.shell, Recipient(line), mmMessage);
}

void TfrmNetSend::btnAliaseClick() {
  TfrmAliase window(services_, appDir_, aliases_, NetUsers.Items, DomainText());
  if (dialogs_.ShowAliase(window)) FillComputers();
}

void TfrmNetSend::FormHelp() { ShowHelpTopic(services_.help, appDir_, kHelpTopic); }

}  // namespace fenu
