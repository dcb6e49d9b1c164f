#pragma once
// TMemoSearch: find, replace and search-again for one multi-line edit control (the memo) through
// the platform's modeless find and replace dialogs. This is its logic: the shortcut keys inside
// the memo, the steps of a search with their own matching rules (TextMatch.h), replacing, and
// the result messages. The memo, the dialogs and the boxes are the host's (IMemoSearchHost).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fenu {

// The options of the find and replace dialogs. The search reads frDown, frMatchCase,
// frWholeWord and frReplaceAll; the others only shape the dialog.
enum FindOption : std::uint32_t {
  frDown = 1u << 0,
  frFindNext = 1u << 1,
  frHideMatchCase = 1u << 2,
  frHideWholeWord = 1u << 3,
  frHideUpDown = 1u << 4,
  frMatchCase = 1u << 5,
  frDisableMatchCase = 1u << 6,
  frDisableUpDown = 1u << 7,
  frDisableWholeWord = 1u << 8,
  frReplace = 1u << 9,
  frReplaceAll = 1u << 10,
  frWholeWord = 1u << 11,
  frShowHelp = 1u << 12,
};
using FindFlags = std::uint32_t;

// A shortcut: the virtual key code in the low byte, plus these for the keys held with it.
using ShortCut = std::uint16_t;
inline constexpr ShortCut kShortCutShift = 0x2000;
inline constexpr ShortCut kShortCutCtrl = 0x4000;
inline constexpr ShortCut kShortCutAlt = 0x8000;
inline constexpr unsigned kVirtualKeyF3 = 0x72;
ShortCut MakeShortCut(unsigned virtualKey, bool shift, bool ctrl, bool alt);

// The messages the memo posts to itself so that the key press ends before a dialog opens
// (WM_USER + 300 and + 301).
inline constexpr unsigned kOpenFindMessage = 0x0400 + 300;
inline constexpr unsigned kOpenReplaceMessage = 0x0400 + 301;

// Character offsets in the memo's text, a line break counting as two (CR LF).
struct MemoRange {
  std::size_t start = 0;
  std::size_t length = 0;
  bool operator==(const MemoRange&) const = default;
};

enum class ReplaceAnswer { Yes, No, All };

// What the search works on. The Win32 component implements it on an edit control and the
// platform's find and replace dialogs; the tests on a string.
class IMemoSearchHost {
 public:
  virtual ~IMemoSearchHost() = default;
  // The memo's whole text, lines separated by CR LF.
  virtual std::string MemoText() = 0;
  virtual MemoRange MemoSelection() = 0;
  // Selects the range and scrolls it into view.
  virtual void SelectInMemo(MemoRange range) = 0;
  // Puts text in place of the range as one undoable edit.
  virtual void ReplaceInMemo(MemoRange range, std::string_view text) = 0;
  virtual void FocusMemo() = 0;
  // Shows a new find (or replace) dialog, modeless, with its search text, options and help topic.
  virtual void ShowDialog(bool replace, std::string_view findText, FindFlags options, int helpContext) = 0;
  // Closes and discards the dialog, if there is one.
  virtual void CloseDialog() = 0;
  // A box with only an OK button, owned by the application window.
  virtual void ShowResult(std::string_view caption, std::string_view text) = 0;
  // "Text ersetzen?" with "&Ja", "&Nein" and "A&lle Ja", placed near the character at offset
  // (ReplaceQuestionPlace) while the memo shows its selection; closing it answers No.
  virtual ReplaceAnswer AskReplace(std::size_t offset) = 0;
};

// Where the replace question goes. hitX and hitY: the screen position of the top-left corner of
// the hit's first character; zeroHeight: the height of "0" in the font of the memo's window. The
// box starts at the hit's left edge, moved left to end at the screen's right edge if it would
// leave the screen; its top is zeroHeight + 5 pixels below the hit, or, when it would leave the
// screen at the bottom, its bottom 5 pixels above the hit. A negative coordinate of the hit
// leaves that one at the box's default (nothing).
struct BoxPlace {
  std::optional<int> left;
  std::optional<int> top;
};
BoxPlace ReplaceQuestionPlace(int hitX, int hitY, int boxWidth, int boxHeight, int screenWidth, int screenHeight,
                              int zeroHeight);

class TMemoSearch {
 public:
  explicit TMemoSearch(IMemoSearchHost& host) : host_(host) {}

  // Published properties.
  ShortCut SearchKey = kShortCutCtrl | 'F';
  ShortCut ReplaceKey = kShortCutCtrl | 'R';
  ShortCut SearchAgainKey = kVirtualKeyF3;
  bool HideAfterSearch = true;
  FindFlags Options = frDown;
  bool PromptReplace = false;
  bool ShowReplaceCount = false;
  int HelpContext = 0;
  // The search text of the current search.
  const std::string& SearchString() const { return searchString_; }

  // With an empty text, opens the find dialog; with a text, searches for it at once.
  void Find(std::string_view text);
  // With an empty text, opens the replace dialog; with a text, one replace step for it at once
  // (replacing with nothing).
  void Replace(std::string_view text);
  // Repeats the last step: a replace step after a replace, a find step otherwise.
  void SearchAgain();

  // The dialog's buttons, with the dialog's texts and options as the user left them.
  enum class Button { FindNext, Replace, ReplaceAll };
  void DialogButton(Button button, std::string findText, std::string replaceText, FindFlags options);
  // The dialog was closed: its options become Options.
  void DialogClosed(FindFlags options);

  // The memo's ordinary key-down message (not the system keys that Alt produces).
  enum class KeyAction { PassOn, PostOpenFind, PostOpenReplace, SearchedAgain };
  KeyAction KeyDown(ShortCut key);
  // The memo's character message: true when it is dropped (the character of a key that opened a
  // dialog).
  bool DropCharacter();
  // The posted messages, once the pending ones have been handled.
  void OpenFindMessage() { Find(""); }
  void OpenReplaceMessage() { Replace(""); }

  // Replacements made since the dialog was opened.
  std::size_t ReplaceCount() const { return replaceCount_; }

 private:
  struct Dialog {
    std::string findText;
    std::string replaceText;
    FindFlags options = 0;
  };
  // The outcome of preparing a step: the text as it stands, and the hit in it.
  struct Prepared {
    std::string text;
    std::string searched;  // folded when case does not matter
    std::string key;
    std::size_t hit = std::string::npos;
    std::size_t from = 0;  // downward: where the searched part begins
    std::size_t end = 0;   // upward: where it ends
  };

  void Start(bool replace, std::string_view text);
  Prepared Prepare(bool fromButton);
  void FindStep(bool fromButton);
  void ReplaceRun(bool fromButton);
  // The rest of a replace-all run from the prepared hit on, as one edit.
  void ReplaceRest(const Prepared& prepared);
  void EndReplaceRun(bool beganWithZero);
  bool Down() const { return (dialog_->options & frDown) != 0; }

  IMemoSearchHost& host_;
  std::optional<Dialog> dialog_;  // at most one exists
  std::string searchString_;
  std::size_t startOffset_ = std::string::npos;  // npos: the search text is new
  bool newSearch_ = false;  // the last prepared step began a new search
  bool lastWasReplace_ = false;
  std::size_t replaceCount_ = 0;
  bool replaceAll_ = false;
  // One mark for all memos: the next character message is dropped.
  static bool swallow_;
};

// The result messages, with the search text as typed.
inline constexpr const char* kFindResultsCaption = "Ergebnisse Suchen";
inline constexpr const char* kReplaceResultsCaption = "Ergebnisse Ersetzen";
std::string SearchTextNotFound(std::string_view text);        // "\"%s\" kann nicht gefunden werden."
std::string NoFurtherOccurrence(std::string_view text);       // "Kein weiteres Vorkommen von \"%s\" gefunden."
std::string ReplacedCount(std::size_t count, std::string_view text);  // "Ersetzt %d von \"%s\" gefundenen."

}  // namespace fenu
