#include "archive/TextMatch.h"

#include <vector>

namespace fenu {
namespace {

bool IsWord(int c) { return c != kNoChar && IsWordChar(static_cast<char>(c)); }

}  // namespace

bool IsWordChar(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

std::size_t FindForward(std::string_view text, std::size_t from, std::string_view key, bool wholeWord, int beforeFrom) {
  if (key.empty() || from > text.size()) return std::string_view::npos;
  for (std::size_t at = text.find(key, from); at != std::string_view::npos; at = text.find(key, at + key.size())) {
    if (!wholeWord) return at;
    const int before = at == from ? beforeFrom : static_cast<unsigned char>(text[at - 1]);
    if (!IsWord(before) && !IsWord(CharAt(text, at + key.size()))) return at;
  }
  return std::string_view::npos;
}

std::size_t FindBackward(std::string_view text, std::size_t end, std::string_view key, bool wholeWord, int atEnd) {
  if (key.empty() || end > text.size() || key.size() > end) return std::string_view::npos;
  std::size_t last = end - key.size();  // the last start at which the key fits
  for (;;) {
    const std::size_t at = text.rfind(key, last);
    if (at == std::string_view::npos) return at;
    if (!wholeWord) return at;
    const std::size_t after = at + key.size();
    const int next = after == end ? atEnd : static_cast<unsigned char>(text[after]);
    if (!IsWord(CharBefore(text, at)) && !IsWord(next)) return at;
    if (at < key.size()) return std::string_view::npos;
    last = at - key.size();
  }
}

ReplaceAllResult ReplaceAllDown(std::string_view text, std::string_view searched, std::size_t from,
                                std::string_view key, std::string_view replacement, bool wholeWord) {
  ReplaceAllResult result;
  int before = CharBefore(text, from);
  std::size_t cursor = from;
  for (;;) {
    const std::size_t at = FindForward(searched, cursor, key, wholeWord, before);
    if (at == std::string_view::npos) break;
    if (result.count == 0) {
      result.start = at;
    } else {
      result.replacement.append(text.substr(cursor, at - cursor));
    }
    result.lastStart = result.start + result.replacement.size();
    result.replacement.append(replacement);
    ++result.count;
    // What now stands before the next search: the replacement's last character, or, for an
    // empty one, what stood before the occurrence.
    if (!replacement.empty())
      before = static_cast<unsigned char>(replacement.back());
    else if (at > cursor)
      before = CharBefore(text, at);
    cursor = at + key.size();
  }
  if (result.count > 0) result.length = cursor - result.start;
  return result;
}

ReplaceAllResult ReplaceAllUp(std::string_view text, std::string_view searched, std::size_t end, std::string_view key,
                              std::string_view replacement, bool wholeWord) {
  ReplaceAllResult result;
  // The occurrences from the last to the first; the pieces are put together afterwards.
  std::vector<std::size_t> hits;
  int after = CharAt(text, end);
  std::size_t limit = end;
  for (;;) {
    const std::size_t at = FindBackward(searched, limit, key, wholeWord, after);
    if (at == std::string_view::npos) break;
    hits.push_back(at);
    const std::size_t hitEnd = at + key.size();
    if (!replacement.empty())
      after = static_cast<unsigned char>(replacement.front());
    else if (hitEnd < limit)
      after = static_cast<unsigned char>(text[hitEnd]);
    limit = at;
  }
  if (hits.empty()) return result;
  result.count = hits.size();
  result.start = hits.back();
  result.length = hits.front() + key.size() - result.start;
  for (std::size_t i = hits.size(); i-- > 0;) {
    result.replacement.append(replacement);
    if (i > 0) result.replacement.append(text.substr(hits[i] + key.size(), hits[i - 1] - hits[i] - key.size()));
  }
  result.lastStart = result.start;
  return result;
}

}  // namespace fenu
