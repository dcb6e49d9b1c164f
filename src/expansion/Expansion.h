#pragma once
// The expansion engine: turns a block's text into the text that is delivered by replacing its
// variable markers "<<name|argument>>" one after another, left to right.
//
// One pass looks at the first "<<" and the first ">>" of the working text; when the ">>" comes
// after the "<<", the marker between them (both included) is replaced. A replacement that itself
// holds markers (another block's text, a typed answer) is expanded in the following passes. The
// expansion ends when the text has neither "<<" nor ">>", after 50 passes (at most 50
// replacements; later markers stay as they are), or when a nested block's file is missing.
//
// What a marker becomes depends on its name's value in the VariableTable:
//   AnwenderText|prompt|default   the input box "Anwender-Text"; the default after "Abbrechen"
//   MehrfachTextA|prompt|default  asks "Mehrfach-Text" once per expansion and leaves nothing;
//                                 the answer (or the default) is remembered
//   MehrfachText|P                the remembered answer, empty before the question
//   BausteinText|BlockId          the block's text file from the block folder, without trailing
//                                 blanks and line breaks
//   Auswahl|variable              TfrmVarAuswahl's value, empty after cancelling
//   Optional|passage              TfrmOptText: the (edited) passage after "Ja", else empty
//   a date or time pattern, or a name not in the table (the locale's default date-time form):
//                                 now plus the whole number of days in the argument
//
// Errors. A missing block file shows "Schwerer Fehler! Die zugehörige Baustein-Datei wurde nicht
// gefunden. Weitermachen unmöglich." and stops the expansion: the marker and all later ones stay
// unexpanded and the result (blockMissing set, ok still true) is delivered as far as it got. An
// argument that is not a whole number where one is read (a date or time variable, a name not in
// the table, a marker without any "|") shows "Die Variable \"<<...>>\" enthält keine gültige
// Zahl." naming the marker, and a day offset that leaves the years 1 to 9999 shows "Die Variable
// \"<<...>>\" ergibt ein Datum außerhalb der Jahre 1 bis 9999."; either stops the expansion with
// ok false, and the caller delivers nothing. Expand itself throws nothing of its own.
#include <string>
#include <string_view>
#include <vector>

#include "expansion/Prompts.h"
#include "expansion/VariableTable.h"
#include "platform/Clock.h"
#include "platform/Services.h"

namespace fenu {

inline constexpr const char* kMissingBlockMessage =
    "Schwerer Fehler! Die zugehörige Baustein-Datei wurde nicht gefunden. Weitermachen unmöglich.";
// The error boxes for a marker whose argument is no usable day count.
std::string BadNumberMessage(std::string_view marker);
std::string DateOutOfRangeMessage(std::string_view marker);

struct ExpansionResult {
  // The expanded text; after a failure the text reached so far, for looking at only.
  std::string text;
  // False when a marker had no whole number where one is read: deliver nothing.
  bool ok = true;
  // A nested block's file was missing: the expansion stopped there, text is delivered as it is.
  bool blockMissing = false;
};

// The working text of a line list read from a block file: every line followed by CR LF.
std::string JoinBlockLines(const std::vector<std::string>& lines);

class ExpansionEngine {
 public:
  static constexpr int kMaxPasses = 50;

  // Questions go to prompts, error boxes to dialogs; the clock and the locale give the dates.
  ExpansionEngine(IPrompts& prompts, IClock& clock, ILocale& locale, IDialogs& dialogs)
      : prompts_(prompts), clock_(clock), locale_(locale), dialogs_(dialogs) {}

  // Expands the lines of a block file (each followed by CR LF, the last one included). Nested
  // blocks are read from blockFolder, the BlockDir of the current database, with or without
  // its trailing backslash.
  ExpansionResult Expand(const std::vector<std::string>& lines, std::string_view blockFolder);
  // Expands a text exactly as given (the management window's editor).
  ExpansionResult ExpandText(std::string_view text, std::string_view blockFolder);

 private:
  IPrompts& prompts_;
  IClock& clock_;
  ILocale& locale_;
  IDialogs& dialogs_;
};

}  // namespace fenu
