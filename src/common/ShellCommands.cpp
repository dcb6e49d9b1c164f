#include "common/ShellCommands.h"

#include "core/Cp1252.h"

namespace fenu {
namespace {

std::string PercentEncode(std::string_view cp1252) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : Cp1252ToUtf8(cp1252)) {
    const auto u = static_cast<unsigned char>(c);
    const bool plain = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') ||
                       u == '-' || u == '_' || u == '.' || u == '~' || u == ':' || u == '!';
    if (plain) {
      out += c;
    } else {
      out += '%';
      out += kHex[u >> 4];
      out += kHex[u & 15];
    }
  }
  return out;
}

}  // namespace

std::string MailtoUrl(std::string_view address, std::string_view subject, std::string_view body) {
  return "mailto:" + std::string(address) + "?subject=" + PercentEncode(subject) + "&body=" + PercentEncode(body);
}

void SendSupportMail(IShellExec& shell) {
  shell.Execute(MailtoUrl(kSupportMailAddress, "quenlia:Fenu Anregungen", "Tragen Sie hier Ihre Anregungen ein!"),
                "", ShowState::Normal);
}

void OpenMakerWebPage(IShellExec& shell) { shell.Execute(kMakerWebPage, "", ShowState::Normal); }

void OpenDocument(IShellExec& shell, std::string_view path) { shell.Execute(path, "", ShowState::Normal); }

void StartExplorer(IShellExec& shell, std::string_view arguments) {
  shell.Execute("explorer.exe", arguments, ShowState::Maximized);
}

void RunNetSend(IShellExec& shell, std::string_view recipient, std::string_view message) {
  shell.Execute("net.exe", " send " + std::string(recipient) + " " + std::string(message), ShowState::Hidden);
}

}  // namespace fenu
