#pragma once
// The questions the expansion engine asks the user while it expands a block. In the program
// they are modal dialogs (the input box, TfrmVarAuswahl, TfrmOptText), each created for one
// question and released right after; fenu-cli and the tests answer from a script
// (insert/ScriptedPrompts.h).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fenu {

// The input box's edit takes at most this many characters.
inline constexpr std::size_t kMaxInputLength = 255;

class IPrompts {
 public:
  virtual ~IPrompts() = default;

  // The input box with its caption ("Anwender-Text", "Mehrfach-Text", ...), the prompt and the
  // default in its edit (all of it selected). The text confirmed with "OK", at most
  // kMaxInputLength characters; nothing after "Abbrechen" (the caller decides what that means).
  virtual std::optional<std::string> AskText(std::string_view caption, std::string_view prompt,
                                             std::string_view defaultText) = 0;

  // TfrmVarAuswahl for the selection variable of that name (its value list comes from the
  // selection-variable store, its "xxx" placeholders are filled in with AskText): the chosen
  // value, or nothing when the user cancelled or the store was missing.
  virtual std::optional<std::string> ChooseValue(std::string_view variableName) = 0;

  // TfrmOptText with the passage in its editor: the text, as the user may have edited it, after
  // "Ja"; nothing after "Nein", Escape or the close box.
  virtual std::optional<std::string> AskOptional(std::string_view passage) = 0;
};

}  // namespace fenu
