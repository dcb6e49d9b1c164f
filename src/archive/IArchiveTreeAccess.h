#pragma once
// What a keyword search window reaches of the open archive window: its tree, and a selection
// made as a click in the tree would make it (a pending edit is asked about first).
#include "model/TreeFile.h"

namespace fenu {

class IArchiveTreeAccess {
 public:
  virtual ~IArchiveTreeAccess() = default;
  virtual const TTreeViewEx& ArchiveTree() const = 0;
  virtual void SelectAsClick(TreeNode* node) = 0;
};

}  // namespace fenu
