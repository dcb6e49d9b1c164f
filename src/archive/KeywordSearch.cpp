#include "archive/KeywordSearch.h"

#include "core/Cp1252.h"
#include "data/ArchiveData.h"

namespace fenu {
namespace {

// The keyword test without copying records: the line is folded into a buffer that is reused
// from entry to entry.
class KeywordMatcher {
 public:
  explicit KeywordMatcher(std::string_view keyword) : key_(UpperCaseAscii(keyword)) {}

  bool Matches(const TreeNode& node) {
    if (!node.data) return false;
    line_.assign(RecordFieldView(*node.data, kKeywordsField));
    for (char& c : line_) c = UpperAscii(c);
    return line_.find(key_) != std::string::npos;
  }

 private:
  std::string key_;
  std::string line_;
};

}  // namespace

std::size_t AbsoluteIndex(const TTreeViewEx& tree, const TreeNode* node) {
  if (!node) return std::string::npos;
  std::size_t index = 0;
  for (const TreeNode* n = tree.GetFirstNode(); n; n = n->GetNext(), ++index)
    if (n == node) return index;
  return std::string::npos;
}

KeywordSearchResult FindKeyword(const TTreeViewEx& tree, std::size_t startIndex, std::string_view keyword) {
  KeywordSearchResult result;
  if (startIndex == std::string::npos) startIndex = 0;
  TreeNode* node = tree.GetFirstNode();
  for (std::size_t i = 0; node && i <= startIndex; ++i) node = node->GetNext();
  if (!node) return result;
  KeywordMatcher matcher(keyword);
  for (; node; node = node->GetNext())
    if (matcher.Matches(*node)) {
      result.hit = node;
      return result;
    }
  result.notFound = true;
  return result;
}

std::vector<const TreeNode*> FindAllKeywords(const TTreeViewEx& tree, std::string_view keyword) {
  std::vector<const TreeNode*> hits;
  KeywordMatcher matcher(keyword);
  for (const TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext())
    if (matcher.Matches(*node)) hits.push_back(node);
  return hits;
}

std::string KeywordNotFoundText(std::string_view keyword) {
  return "\"" + std::string(keyword) + "\" konnte nicht gefunden werden.";
}

}  // namespace fenu
