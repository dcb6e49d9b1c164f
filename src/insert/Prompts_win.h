#pragma once
// The prompts service the expansion engine asks, with the real prompt dialogs.
#include <string>

#include "expansion/Prompts.h"
#include "platform/Services.h"

namespace fenu {

class Win32Prompts : public IPrompts {
 public:
  Win32Prompts(IDialogs& dialogs, std::string appDir) : dialogs_(dialogs), appDir_(std::move(appDir)) {}
  std::optional<std::string> AskText(std::string_view caption, std::string_view prompt,
                                     std::string_view defaultText) override;
  std::optional<std::string> ChooseValue(std::string_view variableName) override;
  std::optional<std::string> AskOptional(std::string_view passage) override;

 private:
  IDialogs& dialogs_;
  std::string appDir_;
};

}  // namespace fenu
