#include "archive/TMemoSearch.h"

#include <algorithm>

#include "archive/TextMatch.h"
#include "core/Cp1252.h"

namespace fenu {

bool TMemoSearch::swallow_ = false;

ShortCut MakeShortCut(unsigned virtualKey, bool shift, bool ctrl, bool alt) {
  return static_cast<ShortCut>((virtualKey & 0xFF) | (shift ? kShortCutShift : 0) | (ctrl ? kShortCutCtrl : 0) |
                               (alt ? kShortCutAlt : 0));
}

BoxPlace ReplaceQuestionPlace(int hitX, int hitY, int boxWidth, int boxHeight, int screenWidth, int screenHeight,
                              int zeroHeight) {
  BoxPlace place;
  if (hitX >= 0) place.left = hitX + boxWidth > screenWidth ? screenWidth - boxWidth : hitX;
  if (hitY >= 0) {
    const int below = hitY + zeroHeight + 5;
    place.top = below + boxHeight > screenHeight ? hitY - 5 - boxHeight : below;
  }
  return place;
}

std::string SearchTextNotFound(std::string_view text) {
  return "\"" + std::string(text) + "\" kann nicht gefunden werden.";
}

std::string NoFurtherOccurrence(std::string_view text) {
  return "Kein weiteres Vorkommen von \"" + std::string(text) + "\" gefunden.";
}

std::string ReplacedCount(std::size_t count, std::string_view text) {
  return "Ersetzt " + std::to_string(count) + " von \"" + std::string(text) + "\" gefundenen.";
}

// ---- starting ---------------------------------------------------------------------------------

void TMemoSearch::Find(std::string_view text) { Start(false, text); }

void TMemoSearch::Replace(std::string_view text) { Start(true, text); }

void TMemoSearch::Start(bool replace, std::string_view text) {
  searchString_.clear();
  host_.CloseDialog();
  replaceAll_ = false;
  Dialog dialog;
  dialog.options = Options;
  if (!text.empty()) {
    dialog.findText = std::string(text);
  } else if (const MemoRange selection = host_.MemoSelection(); selection.length > 0) {
    const std::string memo = host_.MemoText();
    if (selection.start < memo.size()) dialog.findText = memo.substr(selection.start, selection.length);
  }
  dialog_ = dialog;
  replaceCount_ = 0;
  if (text.empty())
    host_.ShowDialog(replace, dialog_->findText, dialog_->options, HelpContext);
  else if (replace)
    ReplaceRun(false);
  else
    FindStep(false);
}

void TMemoSearch::SearchAgain() {
  if (!dialog_) return Find("");
  if (lastWasReplace_)
    ReplaceRun(false);
  else
    FindStep(false);
}

void TMemoSearch::DialogButton(Button button, std::string findText, std::string replaceText, FindFlags options) {
  // The dialog marks the button that was pressed, and only that one.
  options &= ~(frFindNext | frReplace | frReplaceAll);
  options |= button == Button::FindNext ? frFindNext : button == Button::Replace ? frReplace : frReplaceAll;
  dialog_ = Dialog{std::move(findText), std::move(replaceText), options};
  if (button == Button::FindNext)
    FindStep(true);
  else
    ReplaceRun(true);
}

void TMemoSearch::DialogClosed(FindFlags options) { Options = options; }

// ---- steps ------------------------------------------------------------------------------------

TMemoSearch::Prepared TMemoSearch::Prepare(bool fromButton) {
  const Dialog& dialog = *dialog_;
  if (dialog.findText != searchString_) {
    newSearch_ = true;
    startOffset_ = std::string::npos;
    searchString_ = dialog.findText;
    replaceAll_ = (dialog.options & frReplaceAll) != 0;
  } else {
    newSearch_ = false;
    const MemoRange selection = host_.MemoSelection();
    startOffset_ = selection.start + (Down() ? selection.length : 0);
    // The button pressed decides, also when the search text stays: "Alle ersetzen" after
    // "Ersetzen" replaces all the others, and "Ersetzen" after it one.
    if (fromButton) replaceAll_ = (dialog.options & frReplaceAll) != 0;
  }

  Prepared prepared;
  prepared.text = host_.MemoText();
  const bool matchCase = (dialog.options & frMatchCase) != 0;
  prepared.searched = matchCase ? prepared.text : UpperCaseAscii(prepared.text);
  prepared.key = matchCase ? searchString_ : UpperCaseAscii(searchString_);
  const bool wholeWord = (dialog.options & frWholeWord) != 0;
  // A new search takes the whole text, wherever the caret is.
  const std::size_t size = prepared.text.size();
  if (Down()) {
    prepared.from = startOffset_ == std::string::npos ? 0 : std::min(startOffset_, size);
    prepared.hit = FindForward(prepared.searched, prepared.from, prepared.key, wholeWord,
                               CharBefore(prepared.text, prepared.from));
  } else {
    prepared.end = startOffset_ == std::string::npos ? size : std::min(startOffset_, size);
    prepared.hit =
        FindBackward(prepared.searched, prepared.end, prepared.key, wholeWord, CharAt(prepared.text, prepared.end));
  }
  if (HideAfterSearch) host_.CloseDialog();
  return prepared;
}

void TMemoSearch::FindStep(bool fromButton) {
  lastWasReplace_ = false;
  const Prepared prepared = Prepare(fromButton);
  if (prepared.hit == std::string::npos) {
    host_.ShowResult(kFindResultsCaption,
                     newSearch_ ? SearchTextNotFound(searchString_) : NoFurtherOccurrence(searchString_));
    return;
  }
  host_.SelectInMemo({prepared.hit, searchString_.size()});
  host_.FocusMemo();
  if (HideAfterSearch) host_.CloseDialog();
}

void TMemoSearch::ReplaceRun(bool fromButton) {
  const bool beganWithZero = replaceCount_ == 0;
  for (bool first = true;; first = false) {
    lastWasReplace_ = true;
    const Prepared prepared = Prepare(fromButton && first);
    if (prepared.hit == std::string::npos) return EndReplaceRun(beganWithZero);
    const MemoRange hit{prepared.hit, searchString_.size()};
    host_.SelectInMemo(hit);
    bool replace = true;
    if (PromptReplace) {
      switch (host_.AskReplace(prepared.hit)) {
        case ReplaceAnswer::Yes:
          break;
        case ReplaceAnswer::No:
          replace = false;  // the hit stays selected, the next step goes on beyond it
          break;
        case ReplaceAnswer::All:
          PromptReplace = false;
          replaceAll_ = true;
          break;
      }
    } else if (replaceAll_) {
      ReplaceRest(prepared);
      continue;  // the next step finds no further hit and ends the run
    }
    if (replace) {
      host_.ReplaceInMemo(hit, dialog_->replaceText);
      ++replaceCount_;
      host_.SelectInMemo({prepared.hit, dialog_->replaceText.size()});
    }
    if (HideAfterSearch && replaceCount_ == 1) host_.CloseDialog();
    if (!replaceAll_) return;
  }
}

// Replacing one hit after the other would hand the memo one edit and take its whole text once
// per hit; the same result comes from one pass and one edit.
void TMemoSearch::ReplaceRest(const Prepared& prepared) {
  const bool wholeWord = (dialog_->options & frWholeWord) != 0;
  const std::string& replacement = dialog_->replaceText;
  const ReplaceAllResult result =
      Down() ? ReplaceAllDown(prepared.text, prepared.searched, prepared.from, prepared.key, replacement, wholeWord)
             : ReplaceAllUp(prepared.text, prepared.searched, prepared.end, prepared.key, replacement, wholeWord);
  if (result.count == 0) return;
  host_.ReplaceInMemo({result.start, result.length}, result.replacement);
  replaceCount_ += result.count;
  host_.SelectInMemo({result.lastStart, replacement.size()});
  if (HideAfterSearch) host_.CloseDialog();
}

void TMemoSearch::EndReplaceRun(bool beganWithZero) {
  if (replaceCount_ == 0 || !replaceAll_)
    host_.ShowResult(kReplaceResultsCaption,
                     newSearch_ ? SearchTextNotFound(searchString_) : NoFurtherOccurrence(searchString_));
  else if (ShowReplaceCount && beganWithZero)
    host_.ShowResult(kReplaceResultsCaption, ReplacedCount(replaceCount_, searchString_));
}

// ---- keys -------------------------------------------------------------------------------------

TMemoSearch::KeyAction TMemoSearch::KeyDown(ShortCut key) {
  // A mark is meant for the character of the key that set it; a key without one (F3) must not
  // cost the next key its character.
  swallow_ = false;
  if (key == SearchKey) {
    swallow_ = true;
    return KeyAction::PostOpenFind;
  }
  if (key == ReplaceKey) {
    swallow_ = true;
    return KeyAction::PostOpenReplace;
  }
  if (key == SearchAgainKey && !searchString_.empty()) {
    swallow_ = true;
    SearchAgain();
    return KeyAction::SearchedAgain;
  }
  return KeyAction::PassOn;
}

bool TMemoSearch::DropCharacter() {
  if (!swallow_) return false;
  swallow_ = false;
  return true;
}

}  // namespace fenu
