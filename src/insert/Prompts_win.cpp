#include "insert/Prompts_win.h"

#include "insert/TfrmOptText_win.h"
#include "insert/TfrmVarAuswahl_win.h"
#include "platform/win32/InputQuery_win.h"
#include "ui/win32/ActiveOwner_win.h"

namespace fenu {

std::optional<std::string> Win32Prompts::AskText(std::string_view caption, std::string_view prompt,
                                                 std::string_view defaultText) {
  ui::InputQueryForm form{std::string(caption), std::string(prompt), std::string(defaultText), kMaxInputLength};
  if (form.ShowModal(ui::ActiveOwner()) != IDOK) return std::nullopt;
  return form.Value();
}

std::optional<std::string> Win32Prompts::ChooseValue(std::string_view variableName) {
  TfrmVarAuswahl logic(dialogs_, *this, appDir_, std::string(variableName));
  TfrmVarAuswahlView view(logic);
  if (view.ShowModal(ui::ActiveOwner()) != IDOK) return std::nullopt;
  return view.result;
}

std::optional<std::string> Win32Prompts::AskOptional(std::string_view passage) {
  TfrmOptTextView view{std::string(passage)};
  if (view.ShowModal(ui::ActiveOwner()) != IDOK) return std::nullopt;
  return view.text;
}

}  // namespace fenu
