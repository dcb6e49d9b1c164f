#pragma once
// The matching rules of the memo's find and replace: case folding of a to z only, whole words
// of the ASCII word characters, searching forward or backward without wrapping around, and a
// replace-all run done in one pass over the text.
#include <cstddef>
#include <string>
#include <string_view>

namespace fenu {

// "0" to "9", "A" to "Z", "a" to "z" and "_"; every other character, letters with diacritics
// included, separates words.
bool IsWordChar(char c);
// Case is folded with UpperCaseAscii (core/Cp1252.h): a to z only.

inline constexpr int kNoChar = -1;

// The first occurrence of key in text at from or later, or npos. With wholeWord, an occurrence
// counts only when neither the character before it nor the one after it is a word character; the
// search goes on after the end of a rejected one. The character before position from is
// beforeFrom (kNoChar: none), the others are text's own.
std::size_t FindForward(std::string_view text, std::size_t from, std::string_view key, bool wholeWord, int beforeFrom);
// The last occurrence of key that ends at end or earlier, or npos; with wholeWord the same test,
// the search going on before a rejected one. The character at position end is atEnd (kNoChar:
// none), the others are text's own.
std::size_t FindBackward(std::string_view text, std::size_t end, std::string_view key, bool wholeWord, int atEnd);
// The real neighbours for a search over text[from, ...) or text[..., end).
inline int CharBefore(std::string_view text, std::size_t from) {
  return from > 0 && from <= text.size() ? static_cast<unsigned char>(text[from - 1]) : kNoChar;
}
inline int CharAt(std::string_view text, std::size_t end) {
  return end < text.size() ? static_cast<unsigned char>(text[end]) : kNoChar;
}

// What replacing every further occurrence, one after another, does to a text: the range of the
// text that changes, what takes its place, how many occurrences were replaced and where the last
// replacement stands in the new text.
struct ReplaceAllResult {
  std::size_t start = 0;     // the changed range of the old text: from the first occurrence ...
  std::size_t length = 0;    // ... to the end of the last one
  std::string replacement;   // the new text of that range
  std::size_t count = 0;     // occurrences replaced; 0: nothing changes
  std::size_t lastStart = 0; // the last replacement in the new text (the one the run leaves selected)
};
// Downward: the occurrences at from or later, each next one searched after the text put in place
// of the previous one. Upward: the occurrences ending at end or earlier, each next one before the
// previous one. searched is the text as the search sees it (folded when case does not matter),
// text the same text as it stands; key is folded like searched. Whole words are judged by the
// characters the text has at that moment, replacements included.
ReplaceAllResult ReplaceAllDown(std::string_view text, std::string_view searched, std::size_t from,
                                std::string_view key, std::string_view replacement, bool wholeWord);
ReplaceAllResult ReplaceAllUp(std::string_view text, std::string_view searched, std::size_t end, std::string_view key,
                              std::string_view replacement, bool wholeWord);

}  // namespace fenu
