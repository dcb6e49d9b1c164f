#pragma once
// The find and replace dialogs for tests. What the program does with them is logged as a line of
// the user's story ("FindDialog open \"Haus\" down"); the test plays the user: it changes the
// open dialog's fields and presses its buttons, and the listener hears each press (logged too).
#include <string>
#include <vector>

#include "platform/Services.h"

namespace fenu {

class FakeFindReplace : public IFindReplace {
 public:
  explicit FakeFindReplace(std::vector<std::string>& log) : log_(log) {}
  FakeFindReplace(const FakeFindReplace&) = delete;
  FakeFindReplace& operator=(const FakeFindReplace&) = delete;

  // The open dialog (or the last one) and its fields as the user left them.
  FindDialogKind kind = FindDialogKind::Find;
  std::string findWhat;
  std::string replaceWith;
  FindOptions options;

  // The user presses a button of the open dialog; FindAction::Closed is its close button. Throws
  // std::logic_error when no dialog is open: a test that presses into nothing is wrong.
  void Press(FindAction action);

  void Open(FindDialogKind kind, std::string_view findWhat, std::string_view replaceWith, const FindOptions& options,
            IFindListener& listener) override;
  void Close() override;
  void Discard() override;
  bool IsOpen() const override { return listener_ != nullptr; }

 private:
  std::string Name() const;

  std::vector<std::string>& log_;
  IFindListener* listener_ = nullptr;
};

// How the log writes a dialog's texts and options: "Haus" ["Hof"] down|up [matchcase] [wholeword]
// and, where asked for, the options that shape the dialog.
std::string DescribeFindDialog(FindDialogKind kind, const std::string& findWhat, const std::string& replaceWith,
                               const FindOptions& options, bool withShape);

}  // namespace fenu
