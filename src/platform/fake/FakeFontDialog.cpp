// The fake's font dialog: answers from the script, each call in the log with the font it started
// at and the choice, both as their settings text.
#include "model/FontString.h"
#include "platform/fake/FakeServices.h"

namespace fenu {

bool FakeServices::Choose(FontSpec& font) {
  std::optional<FontSpec> answer;
  if (!fontAnswers.empty()) {
    answer = fontAnswers.front();
    fontAnswers.pop_front();
  }
  log.push_back("ChooseFont \"" + FontString(font) + "\" -> " +
                (answer ? "\"" + FontString(*answer) + "\"" : std::string("Abbrechen")));
  if (answer) font = *answer;
  return answer.has_value();
}

}  // namespace fenu
