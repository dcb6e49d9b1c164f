#pragma once
// The tree of a tree store (building-block database, text archive) and its binary file format.
//
// TTreeViewEx is the tree the windows show: nodes with a caption, three image indexes and an
// optional data block (NodeData) whose layout belongs to the tree's owner. It writes itself to a
// TreeFile and reads it back:
//
//   TreeFile   := RootCount:i32  NodeRecord{RootCount}
//   NodeRecord := TextLength:i32  Text:byte{TextLength}  Level:i32  ImageIndex:i32
//                 StateIndex:i32  SelectedIndex:i32  DataSize:i32  Data:byte{DataSize > 0}
//                 ChildCount:i32  NodeRecord{ChildCount}
//
// Integers are signed 32-bit little-endian, text is cp1252, the records are a pre-order walk.
// Reading never trusts a length: a truncated, foreign or hostile file stops with TreeFormatError
// before anything is read past the data or allocated beyond what the data holds.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Errors.h"

namespace fenu {

// A node's data block, copied verbatim to and from the file.
using NodeData = std::string;

class TTreeViewEx;

class TreeNode {
 public:
  ~TreeNode();
  TreeNode(const TreeNode&) = delete;
  TreeNode& operator=(const TreeNode&) = delete;

  std::string text;
  std::int32_t imageIndex = 0;
  std::int32_t stateIndex = -1;  // -1: no state image
  std::int32_t selectedIndex = 0;
  std::optional<NodeData> data;  // nothing: the node has no data block
  bool expanded = false;

  // The parent node, or nullptr for a top-level node.
  TreeNode* Parent() const;
  // Depth: 0 for a top-level node.
  std::int32_t Level() const;
  // Position among its siblings.
  std::size_t Index() const { return index_; }

  std::size_t Count() const { return children_.size(); }
  bool HasChildren() const { return !children_.empty(); }
  TreeNode* Item(std::size_t index) const { return children_.at(index).get(); }
  TreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
  TreeNode* GetLastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
  TreeNode* GetNextSibling() const;
  TreeNode* GetPrevSibling() const;
  // The next node in display order (a node, then its whole subtree, then its next sibling), or
  // nullptr after the last one.
  TreeNode* GetNext() const;

 private:
  friend class TTreeViewEx;
  TreeNode() = default;

  TreeNode* parent_ = nullptr;  // the tree's hidden holder for top-level nodes
  bool holder_ = false;
  std::size_t index_ = 0;
  std::vector<std::unique_ptr<TreeNode>> children_;
};

// Asked, while saving, how many bytes of node's data block to write; size comes in as the block's
// own length. A block shorter than the answer is written with zero bytes after it, a longer one
// cut; an answer of 0 or less writes no data (and a node without a block always writes -1).
using TRequestDataSizeEvent = std::function<void(const TTreeViewEx& sender, const TreeNode& node, std::int32_t& size)>;
// Offered every node while loading, already inserted with its images and data block; setting
// canLoad to false removes it and skips its whole subtree in the file. The handler may change the
// node but not the rest of the tree.
using TNodeLoadedEvent = std::function<void(TTreeViewEx& sender, TreeNode& node, bool& canLoad)>;

// A file or stream that is no TreeFile, or not a whole one. The message names what is wrong and
// the byte offset where it was found.
class TreeFormatError : public FenuError {
 public:
  explicit TreeFormatError(const std::string& reason) : FenuError(reason), reason_(reason) {}
  TreeFormatError(const std::string& message, std::string reason)
      : FenuError(message), reason_(std::move(reason)) {}
  // What is wrong and where, without the file's name: "unerwartetes Ende der Daten bei Byte 75".
  const std::string& Reason() const { return reason_; }

 private:
  std::string reason_;
};

class TTreeViewEx {
 public:
  TTreeViewEx();
  ~TTreeViewEx();
  TTreeViewEx(const TTreeViewEx&) = delete;
  TTreeViewEx& operator=(const TTreeViewEx&) = delete;

  TRequestDataSizeEvent OnRequestDataSize;
  TNodeLoadedEvent OnNodeLoaded;
  // Loading refuses a file that would give entries in more levels than this (0: any number),
  // with TreeFormatError at the byte where the first too deep entry starts.
  std::int32_t MaxLevels = 0;

  // Top-level nodes.
  std::size_t TopCount() const { return root_->children_.size(); }
  TreeNode* TopItem(std::size_t index) const { return root_->children_.at(index).get(); }
  // The first node in display order, or nullptr for an empty tree.
  TreeNode* GetFirstNode() const { return root_->GetFirstChild(); }
  bool Empty() const { return root_->children_.empty(); }
  // All nodes.
  std::size_t Count() const;

  // A new node as the last (first) child of parent, or at the top level when parent is nullptr.
  TreeNode& AddChild(TreeNode* parent, std::string text);
  TreeNode& AddChildFirst(TreeNode* parent, std::string text);
  // Removes node with its subtree; its data blocks go with it.
  void Delete(TreeNode* node);
  void Clear();
  // Moves node with its subtree to the end of newParent's children (nullptr: the top level).
  // Refused (false, nothing changes) when newParent is node or lies below it.
  bool MoveToEnd(TreeNode& node, TreeNode* newParent);
  // Sorts the children of parent (nullptr: the top-level nodes) by less, keeping the order of
  // equal ones; with recurse, every level below as well.
  void SortChildren(TreeNode* parent, const std::function<bool(const TreeNode&, const TreeNode&)>& less,
                    bool recurse);

  TreeNode* Selected() const { return selected_; }
  void SetSelected(TreeNode* node) { selected_ = node; }

  // Writes the tree to a new file; the old file is replaced only once the new one is complete.
  // Throws FileError when the file cannot be written.
  void SaveToFile(std::string_view fileName) const;
  // Writes RootCount and the root records; a missing stream does nothing. Throws FileError when
  // the stream fails.
  void SaveToStream(std::ostream* stream) const;
  std::string SaveToBytes() const;

  // Replaces the tree by the file's. Throws FileError when the file cannot be read and
  // TreeFormatError when it is not a whole TreeFile (bytes after the tree included); the tree is
  // then left as it was.
  void LoadFromFile(std::string_view fileName);
  // Reads one tree from the stream's position, leaving the stream after it; a missing stream
  // does nothing. Errors as LoadFromFile.
  void LoadFromStream(std::istream* stream);
  // The bytes must hold exactly one tree.
  void LoadFromBytes(std::string_view bytes);

 private:
  template <class Source>
  void Load(Source& source);
  // Load, with a format error's message begun by what the bytes were taken for.
  template <class Source>
  void LoadAs(Source& source, const std::string& what);
  void Write(std::string& out) const;

  std::unique_ptr<TreeNode> root_;  // holder of the top-level nodes, never shown
  TreeNode* selected_ = nullptr;
};

}  // namespace fenu
