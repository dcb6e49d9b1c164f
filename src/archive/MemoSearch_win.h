#pragma once
// TMemoSearch on a real multi-line edit control: the memo's messages pass through it (its
// shortcut keys, the posted messages that open the dialogs, the character of a key it took), the
// platform's find and replace dialogs come from the services, and every change of the text is an
// undoable edit of the control.
#include <windows.h>

#include <memory>
#include <string>

#include "archive/TMemoSearch.h"
#include "platform/Services.h"

namespace fenu {

class MemoSearchView : private IMemoSearchHost, private IFindListener {
 public:
  // The dialogs come from services.findReplace; the result boxes and the replace question are
  // owned by the memo's top-level window.
  explicit MemoSearchView(Services& services);
  // Gives the memo back its procedure and discards the dialog.
  ~MemoSearchView() override;
  MemoSearchView(const MemoSearchView&) = delete;
  MemoSearchView& operator=(const MemoSearchView&) = delete;

  // The properties (SearchKey, ReplaceKey, ...) and operations (Find, SearchAgain, ...).
  TMemoSearch& Logic() { return logic_; }
  // Routes memo's messages through the search; another memo attached before is let go first, and
  // nullptr only lets go. A memo that is destroyed is let go by itself.
  void Attach(HWND memo);

 private:
  static LRESULT CALLBACK MemoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);
  LRESULT HandleMemoMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void Detach();
  // Lets the messages already waiting be handled, as the key press that posted ours ends first.
  void ProcessPendingMessages();
  // While the replace question stands the memo has no focus, and an edit control hides its
  // selection then: it is drawn over the memo's own painting.
  void PaintSelection();

  // IMemoSearchHost
  std::string MemoText() override;
  MemoRange MemoSelection() override;
  void SelectInMemo(MemoRange range) override;
  void ReplaceInMemo(MemoRange range, std::string_view text) override;
  void FocusMemo() override;
  void ShowDialog(bool replace, std::string_view findText, FindFlags options, int helpContext) override;
  void CloseDialog() override;
  void ShowResult(std::string_view caption, std::string_view text) override;
  ReplaceAnswer AskReplace(std::size_t offset) override;

  // IFindListener
  void OnFindEvent(const FindEvent& event) override;

  Services& services_;
  TMemoSearch logic_;
  HWND memo_ = nullptr;
  bool dialogOpen_ = false;  // the open dialog of the service is this search's
  int helpContext_ = 0;      // of the open dialog
  bool asking_ = false;      // the replace question stands: the dialog's buttons wait
  // False once the search is destroyed, for a handler that let other messages run meanwhile.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace fenu
