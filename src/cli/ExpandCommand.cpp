// fenu-cli expand: a block's variables expanded as the selection window expands them.
//   expand --blocks DIR [--now "YYYY-MM-DD HH:MM:SS"] [--answer TEXT]... (--text TEXT | --file FILE)
// DIR is the block folder in which nested blocks (<<BausteinText|...>>) are found. --now fixes
// the clock (otherwise the local time); day and month names and the default date and time
// formats are always the German ones. Every question (input box, choice, optional passage) takes
// the next --answer in order; a question without one is cancelled. --file reads a block file as
// the selection window does (each of its lines followed by CR LF), --text takes the text as
// given. The expanded text goes to standard output, the messages the program would show to
// standard error. Exit code 1 when the expansion failed (a marker without a usable number:
// nothing is printed) or stopped at a missing block file (the text reached is printed).
#include <cstdio>
#include <optional>

#include "cli/Cli.h"
#include "core/Errors.h"
#include "core/FileIo.h"
#include "expansion/Expansion.h"
#include "expansion/ScriptedPrompts.h"
#include "data/BlockData.h"

namespace fenu::cli {
namespace {

// Message boxes become lines on standard error; nothing else is asked here.
class StderrDialogs : public IDialogs {
 public:
  MsgResult MessageDlg(MsgKind, std::string_view text, MsgButtons buttons) override {
    PrintUtf8(stderr, std::string(text) + "\n");
    return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgResult::Ok : MsgResult::Yes;
  }
  bool InputQuery(std::string_view, std::string_view, std::string&) override { return false; }
  bool OpenFile(const FileDialogOptions&, std::string&) override { return false; }
  bool SaveFile(const FileDialogOptions&, std::string&) override { return false; }
};

// The German names on every system, at a fixed moment or the local time.
class GermanClock : public IClock, public ILocale {
 public:
  explicit GermanClock(std::optional<LocalTime> fixed) : fixed_(fixed) {}
  LocalTime Now() override { return fixed_ ? *fixed_ : SystemLocalTime(); }
  LocaleNames Names() override { return GermanLocaleNames(); }

 private:
  std::optional<LocalTime> fixed_;
};

bool ReadNumber(const std::string& text, std::size_t at, std::size_t digits, int low, int high, int& value) {
  value = 0;
  for (std::size_t i = at; i < at + digits; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return value >= low && value <= high;
}

// "YYYY-MM-DD HH:MM:SS", a real date.
std::optional<LocalTime> ParseMoment(const std::string& text) {
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' || text[16] != ':')
    return std::nullopt;
  LocalTime t;
  if (!ReadNumber(text, 0, 4, 1, 9999, t.year) || !ReadNumber(text, 5, 2, 1, 12, t.month) ||
      !ReadNumber(text, 8, 2, 1, 31, t.day) || !ReadNumber(text, 11, 2, 0, 23, t.hour) ||
      !ReadNumber(text, 14, 2, 0, 59, t.minute) || !ReadNumber(text, 17, 2, 0, 59, t.second))
    return std::nullopt;
  const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (t.day > kDays[t.month - 1] + (t.month == 2 && leap ? 1 : 0)) return std::nullopt;
  return t;
}

}  // namespace

int ExpandCommand(const std::vector<std::string>& args) {
  std::optional<std::string> blocks, now, text, file;
  ScriptedPrompts prompts;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) return Usage();
    const std::string& value = args[++i];
    std::optional<std::string>* slot = option == "--blocks" ? &blocks
                                       : option == "--now"  ? &now
                                       : option == "--text" ? &text
                                       : option == "--file" ? &file
                                                            : nullptr;
    if (option == "--answer") {
      prompts.answers.push_back(value);
    } else if (!slot || *slot) {
      return Usage();
    } else {
      *slot = value;
    }
  }
  if (!blocks || text.has_value() == file.has_value()) return Usage();

  std::optional<LocalTime> moment;
  if (now) {
    moment = ParseMoment(*now);
    if (!moment) {
      PrintUtf8(stderr, "Ungültige Zeitangabe \"" + *now + "\", erwartet wird JJJJ-MM-TT HH:MM:SS\n");
      return kUsageError;
    }
  }

  std::string working;
  if (file) {
    const std::optional<std::string> content = ReadTextFile(*file);
    if (!content) throw FileError("Datei " + *file + " kann nicht geöffnet werden");
    working = JoinBlockLines(SplitTextLines(*content));
  } else {
    working = *text;
  }

  GermanClock clock(moment);
  StderrDialogs dialogs;
  ExpansionEngine engine(prompts, clock, clock, dialogs);
  const ExpansionResult result = engine.ExpandText(working, *blocks);
  if (!result.ok) return kInputError;
  PrintUtf8(stdout, result.text);
  return result.blockMissing ? kInputError : kOk;
}

}  // namespace fenu::cli
