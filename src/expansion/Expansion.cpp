#include "expansion/Expansion.h"

#include <optional>

#include "core/FileIo.h"
#include "core/Numbers.h"
#include "expansion/DateFormat.h"
#include "data/BlockData.h"

namespace fenu {
namespace {

constexpr std::string_view kOpen = "<<";
constexpr std::string_view kClose = ">>";

// Prompt and default of a text question: the argument split at its first "|"; without one the
// prompt is empty and the whole argument is the default.
struct Question {
  std::string prompt;
  std::string defaultText;
};

Question SplitQuestion(std::string_view argument) {
  const std::size_t bar = argument.find('|');
  if (bar == std::string_view::npos) return {std::string(), std::string(argument)};
  return {std::string(argument.substr(0, bar)), std::string(argument.substr(bar + 1))};
}

// The text of a nested block, or nothing when its file is missing. Only a plain file name inside
// the block folder is read: an argument with folder parts or characters Windows does not allow
// in names counts as missing.
std::optional<std::string> NestedBlockText(std::string_view blockFolder, std::string_view blockId) {
  const std::string fileName = std::string(blockId) + kTextFileExtension;
  if (!IsSafeTextFileName(fileName)) return std::nullopt;
  std::optional<std::string> text = ReadTextFile(IncludeTrailingBackslash(blockFolder) + fileName);
  if (!text) return std::nullopt;
  while (!text->empty() && static_cast<unsigned char>(text->back()) <= 32) text->pop_back();
  return text;
}

// One call of Expand: the working text and what the call remembers.
class Expansion {
 public:
  Expansion(IPrompts& prompts, IClock& clock, ILocale& locale, IDialogs& dialogs, std::string_view blockFolder)
      : prompts_(prompts), clock_(clock), locale_(locale), dialogs_(dialogs), blockFolder_(blockFolder) {}

  ExpansionResult Run(std::string text) {
    ExpansionResult result;
    for (int pass = 1;; ++pass) {
      const std::size_t p1 = text.find(kOpen);
      const std::size_t p2 = text.find(kClose);
      if (p1 != std::string::npos && p2 != std::string::npos && p2 > p1) {
        const std::string marker = text.substr(p1, p2 + kClose.size() - p1);
        const Outcome outcome = Replace(marker);
        if (outcome == Outcome::Failed) {
          result.ok = false;
          break;
        }
        if (outcome == Outcome::BlockMissing) {
          result.blockMissing = true;
          break;
        }
        text.replace(p1, marker.size(), replacement_);
      }
      if (pass >= ExpansionEngine::kMaxPasses) break;
      if (p1 == std::string::npos && p2 == std::string::npos) break;
    }
    result.text = std::move(text);
    return result;
  }

 private:
  enum class Outcome { Replaced, BlockMissing, Failed };

  // Works out the marker's replacement into replacement_.
  Outcome Replace(std::string_view marker) {
    replacement_.clear();
    // The name runs from the third character to the first "|", the argument from there to the
    // closing ">>". Without a "|" the name is empty and the argument is the marker without ">>".
    const std::size_t bar = marker.find('|');
    const std::string_view name = bar == std::string_view::npos ? std::string_view() : marker.substr(2, bar - 2);
    const std::string_view argument = bar == std::string_view::npos
                                          ? marker.substr(0, marker.size() - kClose.size())
                                          : marker.substr(bar + 1, marker.size() - kClose.size() - bar - 1);
    const std::string value = LookupVariable(name);

    if (value == "UserText") {
      const Question question = SplitQuestion(argument);
      replacement_ = prompts_.AskText("Anwender-Text", question.prompt, question.defaultText)
                         .value_or(question.defaultText);
    } else if (value == "MehrfachTextA") {
      if (remembered_.empty()) {
        const Question question = SplitQuestion(argument);
        remembered_ = prompts_.AskText("Mehrfach-Text", question.prompt, question.defaultText)
                          .value_or(question.defaultText);
      }
    } else if (value == "MehrfachText") {
      replacement_ = remembered_;
    } else if (value == "BausteinText") {
      std::optional<std::string> text = NestedBlockText(blockFolder_, argument);
      if (!text) {
        dialogs_.MessageDlg(MsgKind::Error, kMissingBlockMessage, MsgButtons::Ok);
        return Outcome::BlockMissing;
      }
      replacement_ = std::move(*text);
    } else if (value == "Auswahl") {
      replacement_ = prompts_.ChooseValue(argument).value_or(std::string());
    } else if (value == "Optional") {
      replacement_ = prompts_.AskOptional(argument).value_or(std::string());
    } else {
      return FormatDate(marker, value, argument);
    }
    return Outcome::Replaced;
  }

  // A date or time: now plus the argument's whole days, formatted with the pattern.
  Outcome FormatDate(std::string_view marker, std::string_view pattern, std::string_view argument) {
    const std::optional<std::int32_t> days = ParseInt(argument);
    if (!days) {
      dialogs_.MessageDlg(MsgKind::Error, BadNumberMessage(marker), MsgButtons::Ok);
      return Outcome::Failed;
    }
    const std::optional<LocalTime> moment = AddDays(clock_.Now(), *days);
    if (!moment) {
      dialogs_.MessageDlg(MsgKind::Error, DateOutOfRangeMessage(marker), MsgButtons::Ok);
      return Outcome::Failed;
    }
    if (!names_) names_ = locale_.Names();
    replacement_ = FormatDateTime(pattern, *moment, *names_);
    return Outcome::Replaced;
  }

  IPrompts& prompts_;
  IClock& clock_;
  ILocale& locale_;
  IDialogs& dialogs_;
  std::string_view blockFolder_;
  std::string remembered_;  // the multi-text answer
  std::string replacement_;
  std::optional<LocaleNames> names_;
};

}  // namespace

std::string BadNumberMessage(std::string_view marker) {
  return "Die Variable \"" + std::string(marker) + "\" enthält keine gültige Zahl.";
}

std::string DateOutOfRangeMessage(std::string_view marker) {
  return "Die Variable \"" + std::string(marker) + "\" ergibt ein Datum außerhalb der Jahre 1 bis 9999.";
}

std::string JoinBlockLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

ExpansionResult ExpansionEngine::Expand(const std::vector<std::string>& lines, std::string_view blockFolder) {
  return ExpandText(JoinBlockLines(lines), blockFolder);
}

ExpansionResult ExpansionEngine::ExpandText(std::string_view text, std::string_view blockFolder) {
  return Expansion(prompts_, clock_, locale_, dialogs_, blockFolder).Run(std::string(text));
}

}  // namespace fenu
