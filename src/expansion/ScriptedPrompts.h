#pragma once
// Prompts answered from a script, for fenu-cli, the tests and the benchmarks. Every question
// takes the next answer in order, whatever its kind; a question without one is cancelled. Each
// call is logged as a line of the user's story:
//   AskText "Anwender-Text" "Ihr Name?" "Meier" -> "Anna"
//   ChooseValue "Anrede" -> Abbrechen
//   AskOptional "Mit freundlichen Grüßen" -> Nein
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "expansion/Prompts.h"

namespace fenu {

class ScriptedPrompts : public IPrompts {
 public:
  // The next answers in order; std::nullopt cancels (for AskOptional: "Nein"). An answer to the
  // input box is cut to kMaxInputLength characters, as the box's edit would take it; an answer
  // to ChooseValue is the chosen value as given, an answer to AskOptional the passage as edited.
  std::deque<std::optional<std::string>> answers;
  std::vector<std::string> log;

  std::optional<std::string> AskText(std::string_view caption, std::string_view prompt,
                                     std::string_view defaultText) override;
  std::optional<std::string> ChooseValue(std::string_view variableName) override;
  std::optional<std::string> AskOptional(std::string_view passage) override;

 private:
  std::optional<std::string> Next();
};

}  // namespace fenu
