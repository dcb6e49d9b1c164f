#include "platform/fake/FakeFindReplace.h"

#include <stdexcept>
#include <utility>

namespace fenu {
namespace {

const char* ActionName(FindAction action) {
  switch (action) {
    case FindAction::FindNext: return "FindNext";
    case FindAction::Replace: return "Replace";
    case FindAction::ReplaceAll: return "ReplaceAll";
    case FindAction::Help: return "Help";
    case FindAction::Closed: return "Closed";
  }
  return "?";
}

}  // namespace

std::string DescribeFindDialog(FindDialogKind kind, const std::string& findWhat, const std::string& replaceWith,
                               const FindOptions& options, bool withShape) {
  std::string text = "\"" + findWhat + "\"";
  if (kind == FindDialogKind::Replace) text += " \"" + replaceWith + "\"";
  text += options.down ? " down" : " up";
  if (options.matchCase) text += " matchcase";
  if (options.wholeWord) text += " wholeword";
  if (!withShape) return text;
  const std::pair<bool, const char*> shape[] = {
      {options.hideUpDown, "hideupdown"},          {options.hideMatchCase, "hidematchcase"},
      {options.hideWholeWord, "hidewholeword"},    {options.disableUpDown, "disableupdown"},
      {options.disableMatchCase, "disablematchcase"}, {options.disableWholeWord, "disablewholeword"},
      {options.showHelp, "showhelp"}};
  for (const auto& [set, name] : shape)
    if (set) text += std::string(" ") + name;
  return text;
}

std::string FakeFindReplace::Name() const {
  return kind == FindDialogKind::Find ? "FindDialog" : "ReplaceDialog";
}

void FakeFindReplace::Open(FindDialogKind newKind, std::string_view newFindWhat, std::string_view newReplaceWith,
                           const FindOptions& newOptions, IFindListener& listener) {
  Discard();
  kind = newKind;
  findWhat = newFindWhat;
  replaceWith = newKind == FindDialogKind::Replace ? std::string(newReplaceWith) : std::string();
  options = newOptions;
  listener_ = &listener;
  log_.push_back(Name() + " open " + DescribeFindDialog(kind, findWhat, replaceWith, options, true));
}

void FakeFindReplace::Press(FindAction action) {
  if (!listener_) throw std::logic_error("FakeFindReplace::Press without an open dialog");
  if ((action == FindAction::Replace || action == FindAction::ReplaceAll) && kind != FindDialogKind::Replace)
    throw std::logic_error("FakeFindReplace::Press: the find dialog has no replace buttons");
  if (action == FindAction::Help && !options.showHelp)
    throw std::logic_error("FakeFindReplace::Press: the dialog shows no help button");
  IFindListener& listener = *listener_;
  // Once closed, the dialog is gone before its listener hears of it: it may open the next one.
  if (action == FindAction::Closed) listener_ = nullptr;
  const FindEvent event{action, findWhat, kind == FindDialogKind::Replace ? replaceWith : std::string(), options};
  log_.push_back(Name() + " " + ActionName(action) + " " + DescribeFindDialog(kind, findWhat, replaceWith, options, false));
  listener.OnFindEvent(event);
}

void FakeFindReplace::Close() {
  if (!listener_) return;
  log_.push_back(Name() + " close");
  Press(FindAction::Closed);
}

void FakeFindReplace::Discard() {
  if (!listener_) return;
  log_.push_back(Name() + " discard");
  listener_ = nullptr;
}

}  // namespace fenu
