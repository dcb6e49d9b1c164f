#pragma once
// Requests to the platform shell that several windows make: mail, web page, documents, the file
// explorer and the network message command.
#include <string>
#include <string_view>

#include "platform/Services.h"

namespace fenu {

inline constexpr const char* kSupportMailAddress = "support@quenlia.de";
inline constexpr const char* kMakerWebPage = "https://www.quenlia.de";

// A mailto: address with subject and body, percent-encoded as UTF-8.
std::string MailtoUrl(std::string_view address, std::string_view subject, std::string_view body);

void SendSupportMail(IShellExec& shell);
void OpenMakerWebPage(IShellExec& shell);
// Opens a document with the application associated with its file type.
void OpenDocument(IShellExec& shell, std::string_view path);
void StartExplorer(IShellExec& shell, std::string_view arguments);
void RunNetSend(IShellExec& shell, std::string_view recipient, std::string_view message);

}  // namespace fenu
