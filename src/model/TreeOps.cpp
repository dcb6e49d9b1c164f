#include "model/TreeOps.h"

#include <vector>

#include "core/Cp1252.h"

namespace fenu {
namespace {

const TreeNode* FirstSibling(const TreeNode* node) {
  while (const TreeNode* prev = node->GetPrevSibling()) node = prev;
  return node;
}

}  // namespace

bool AnySibling(const TreeNode* node, bool includeSelf, const std::function<bool(const TreeNode&)>& match) {
  if (!node) return false;
  for (const TreeNode* sibling = FirstSibling(node); sibling; sibling = sibling->GetNextSibling()) {
    if (sibling == node && !includeSelf) continue;
    if (match(*sibling)) return true;
  }
  return false;
}

bool NameExists(const TreeNode* node, std::string_view name, bool includeSelf) {
  return AnySibling(node, includeSelf, [&](const TreeNode& sibling) { return EqualsAsciiNoCase(sibling.text, name); });
}

bool IsAncestorOrSelf(const TreeNode* a, const TreeNode* b) {
  if (!a) return false;
  for (; b; b = b->Parent())
    if (b == a) return true;
  return false;
}

TreeNode* MoveSubtree(TTreeViewEx& tree, TreeNode& source, TreeNode& target) {
  if (!tree.MoveToEnd(source, &target)) return nullptr;
  for (TreeNode* node = &source; node; node = node->GetNext()) {
    if (node != &source && !IsAncestorOrSelf(&source, node)) break;
    node->stateIndex = -1;
  }
  return &source;
}

}  // namespace fenu
