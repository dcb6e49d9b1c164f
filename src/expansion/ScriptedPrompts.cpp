#include "expansion/ScriptedPrompts.h"

namespace fenu {
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::optional<std::string> ScriptedPrompts::Next() {
  if (answers.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedPrompts::AskText(std::string_view caption, std::string_view prompt,
                                                    std::string_view defaultText) {
  std::optional<std::string> answer = Next();
  if (answer && answer->size() > kMaxInputLength) answer->resize(kMaxInputLength);
  log.push_back("AskText " + Quoted(caption) + " " + Quoted(prompt) + " " + Quoted(defaultText) + " -> " +
                (answer ? Quoted(*answer) : std::string("Abbrechen")));
  return answer;
}

std::optional<std::string> ScriptedPrompts::ChooseValue(std::string_view variableName) {
  std::optional<std::string> answer = Next();
  log.push_back("ChooseValue " + Quoted(variableName) + " -> " + (answer ? Quoted(*answer) : std::string("Abbrechen")));
  return answer;
}

std::optional<std::string> ScriptedPrompts::AskOptional(std::string_view passage) {
  std::optional<std::string> answer = Next();
  log.push_back("AskOptional " + Quoted(passage) + " -> " + (answer ? "Ja " + Quoted(*answer) : std::string("Nein")));
  return answer;
}

}  // namespace fenu
