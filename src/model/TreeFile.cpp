#include "model/TreeFile.h"

#include <algorithm>
#include <array>
#include <istream>
#include <ostream>
#include <utility>

#include "core/FileIo.h"
#include "core/SafeFile.h"

namespace fenu {

// ---- nodes ----------------------------------------------------------------------------------

// Children are released one by one from a work list, so that a tree of any depth is destroyed
// without one nested call per level.
TreeNode::~TreeNode() {
  std::vector<std::unique_ptr<TreeNode>> pending = std::move(children_);
  while (!pending.empty()) {
    std::unique_ptr<TreeNode> node = std::move(pending.back());
    pending.pop_back();
    for (auto& child : node->children_) pending.push_back(std::move(child));
    node->children_.clear();
  }
}

TreeNode* TreeNode::Parent() const { return parent_ && !parent_->holder_ ? parent_ : nullptr; }

std::int32_t TreeNode::Level() const {
  std::int32_t level = 0;
  for (const TreeNode* p = Parent(); p; p = p->Parent()) ++level;
  return level;
}

TreeNode* TreeNode::GetNextSibling() const {
  if (!parent_ || index_ + 1 >= parent_->children_.size()) return nullptr;
  return parent_->children_[index_ + 1].get();
}

TreeNode* TreeNode::GetPrevSibling() const {
  if (!parent_ || index_ == 0) return nullptr;
  return parent_->children_[index_ - 1].get();
}

TreeNode* TreeNode::GetNext() const {
  if (!children_.empty()) return children_.front().get();
  for (const TreeNode* node = this; node && !node->holder_; node = node->parent_)
    if (TreeNode* sibling = node->GetNextSibling()) return sibling;
  return nullptr;
}

namespace {

bool IsInSubtree(const TreeNode* node, const TreeNode* top) {
  for (; node; node = node->Parent())
    if (node == top) return true;
  return false;
}

}  // namespace

// ---- tree -----------------------------------------------------------------------------------

TTreeViewEx::TTreeViewEx() : root_(new TreeNode()) { root_->holder_ = true; }

TTreeViewEx::~TTreeViewEx() = default;

std::size_t TTreeViewEx::Count() const {
  std::size_t count = 0;
  for (const TreeNode* node = GetFirstNode(); node; node = node->GetNext()) ++count;
  return count;
}

TreeNode& TTreeViewEx::AddChild(TreeNode* parent, std::string text) {
  TreeNode& holder = parent ? *parent : *root_;
  std::unique_ptr<TreeNode> node(new TreeNode());
  node->text = std::move(text);
  node->parent_ = &holder;
  node->index_ = holder.children_.size();
  holder.children_.push_back(std::move(node));
  return *holder.children_.back();
}

TreeNode& TTreeViewEx::AddChildFirst(TreeNode* parent, std::string text) {
  TreeNode& holder = parent ? *parent : *root_;
  std::unique_ptr<TreeNode> node(new TreeNode());
  node->text = std::move(text);
  node->parent_ = &holder;
  holder.children_.insert(holder.children_.begin(), std::move(node));
  for (std::size_t i = 0; i < holder.children_.size(); ++i) holder.children_[i]->index_ = i;
  return *holder.children_.front();
}

void TTreeViewEx::Delete(TreeNode* node) {
  if (!node || node->holder_) return;
  if (IsInSubtree(selected_, node)) selected_ = nullptr;
  TreeNode& parent = *node->parent_;
  const std::size_t index = node->index_;
  parent.children_.erase(parent.children_.begin() + static_cast<std::ptrdiff_t>(index));
  for (std::size_t i = index; i < parent.children_.size(); ++i) parent.children_[i]->index_ = i;
}

void TTreeViewEx::Clear() {
  root_->children_.clear();  // each node releases its own subtree without recursion
  selected_ = nullptr;
}

bool TTreeViewEx::MoveToEnd(TreeNode& node, TreeNode* newParent) {
  if (node.holder_ || IsInSubtree(newParent, &node)) return false;
  TreeNode& from = *node.parent_;
  TreeNode& to = newParent ? *newParent : *root_;
  const std::size_t index = node.index_;
  std::unique_ptr<TreeNode> owned = std::move(from.children_[index]);
  from.children_.erase(from.children_.begin() + static_cast<std::ptrdiff_t>(index));
  for (std::size_t i = index; i < from.children_.size(); ++i) from.children_[i]->index_ = i;
  owned->parent_ = &to;
  owned->index_ = to.children_.size();
  to.children_.push_back(std::move(owned));
  return true;
}

void TTreeViewEx::SortChildren(TreeNode* parent, const std::function<bool(const TreeNode&, const TreeNode&)>& less,
                               bool recurse) {
  std::vector<TreeNode*> pending{parent ? parent : root_.get()};
  while (!pending.empty()) {
    TreeNode* node = pending.back();
    pending.pop_back();
    std::stable_sort(node->children_.begin(), node->children_.end(),
                     [&](const std::unique_ptr<TreeNode>& a, const std::unique_ptr<TreeNode>& b) { return less(*a, *b); });
    for (std::size_t i = 0; i < node->children_.size(); ++i) {
      node->children_[i]->index_ = i;
      if (recurse) pending.push_back(node->children_[i].get());
    }
  }
}

// ---- writing --------------------------------------------------------------------------------

namespace {

constexpr const char* kNoTreeData = "Keine gültigen Baumdaten: ";

void PutInt(std::string& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const char bytes[4] = {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
                         static_cast<char>((bits >> 16) & 0xFF), static_cast<char>((bits >> 24) & 0xFF)};
  out.append(bytes, 4);
}

}  // namespace

void TTreeViewEx::Write(std::string& out) const {
  PutInt(out, static_cast<std::int32_t>(root_->children_.size()));
  // Pre-order with a work list: a record, then its children's records, then its next sibling.
  std::vector<std::pair<const TreeNode*, std::int32_t>> pending;
  for (auto it = root_->children_.rbegin(); it != root_->children_.rend(); ++it) pending.emplace_back(it->get(), 0);
  while (!pending.empty()) {
    const auto [node, level] = pending.back();
    pending.pop_back();
    PutInt(out, static_cast<std::int32_t>(node->text.size()));
    out += node->text;
    PutInt(out, level);
    PutInt(out, node->imageIndex);
    PutInt(out, node->stateIndex);
    PutInt(out, node->selectedIndex);
    std::int32_t size = -1;
    if (OnRequestDataSize) {
      // The handler starts from the block's own length.
      size = node->data ? static_cast<std::int32_t>(node->data->size()) : -1;
      OnRequestDataSize(*this, *node, size);
    }
    if (!node->data) size = -1;
    PutInt(out, size);
    if (size > 0) {
      // A block shorter than the answer is filled up with zero bytes; nothing is read beyond it.
      const std::size_t wanted = static_cast<std::size_t>(size);
      const std::size_t have = std::min(wanted, node->data->size());
      out.append(*node->data, 0, have);
      out.append(wanted - have, '\0');
    }
    PutInt(out, static_cast<std::int32_t>(node->children_.size()));
    for (auto it = node->children_.rbegin(); it != node->children_.rend(); ++it)
      pending.emplace_back(it->get(), level + 1);
  }
}

std::string TTreeViewEx::SaveToBytes() const {
  std::string out;
  out.reserve(4 + Count() * 160);  // a node of a building-block tree takes about that much
  Write(out);
  return out;
}

void TTreeViewEx::SaveToStream(std::ostream* stream) const {
  if (!stream) return;
  const std::string bytes = SaveToBytes();
  stream->write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!*stream) throw FileError("Die Baumdaten konnten nicht geschrieben werden");
}

void TTreeViewEx::SaveToFile(std::string_view fileName) const { WriteFileSafely(fileName, SaveToBytes()); }

// ---- reading --------------------------------------------------------------------------------

namespace {

std::int32_t GetInt(const unsigned char* p) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                                   (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
}

// Bytes held in memory: every length is checked against what is left before anything is copied.
// They hold exactly one tree: bytes after it are an error.
class MemorySource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  void Finish() const {
    if (Remaining() > 0)
      throw TreeFormatError(std::to_string(Remaining()) + " überzählige Bytes nach dem Ende des Baums bei Byte " +
                            std::to_string(offset_));
  }
  std::uint64_t Offset() const { return offset_; }
  std::size_t Remaining() const { return bytes_.size() - offset_; }

  bool ReadInt(std::int32_t& value) {
    if (Remaining() < 4) return false;
    value = GetInt(reinterpret_cast<const unsigned char*>(bytes_.data() + offset_));
    offset_ += 4;
    return true;
  }
  // Appends count bytes to out, or skips them when out is nullptr.
  bool ReadBytes(std::size_t count, std::string* out) {
    if (Remaining() < count) return false;
    if (out) out->append(bytes_.data() + offset_, count);
    offset_ += count;
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t offset_ = 0;
};

// A stream of unknown length: long fields are read in pieces, so that memory grows only with the
// bytes that really arrive.
class StreamSource {
 public:
  explicit StreamSource(std::istream& in) : in_(in) {}
  void Finish() const {}  // the stream may go on after the tree
  std::uint64_t Offset() const { return offset_; }

  bool ReadInt(std::int32_t& value) {
    unsigned char bytes[4];
    in_.read(reinterpret_cast<char*>(bytes), 4);
    if (in_.gcount() != 4) return false;
    value = GetInt(bytes);
    offset_ += 4;
    return true;
  }
  bool ReadBytes(std::size_t count, std::string* out) {
    std::array<char, 16384> buffer;
    while (count > 0) {
      const std::size_t piece = std::min(count, buffer.size());
      in_.read(buffer.data(), static_cast<std::streamsize>(piece));
      const auto got = static_cast<std::size_t>(in_.gcount());
      offset_ += got;
      if (out) out->append(buffer.data(), got);
      if (got != piece) return false;
      count -= piece;
    }
    return true;
  }

 private:
  std::istream& in_;
  std::uint64_t offset_ = 0;
};

[[noreturn]] void Truncated(std::uint64_t offset) {
  throw TreeFormatError("unerwartetes Ende der Daten bei Byte " + std::to_string(offset));
}

template <class Source>
std::int32_t ReadInt(Source& source) {
  std::int32_t value = 0;
  if (!source.ReadInt(value)) Truncated(source.Offset());
  return value;
}

template <class Source>
std::int32_t ReadCount(Source& source) {
  const std::uint64_t at = source.Offset();
  const std::int32_t count = ReadInt(source);
  if (count < 0)
    throw TreeFormatError("ungültige Anzahl von Einträgen (" + std::to_string(count) + ") bei Byte " +
                          std::to_string(at));
  return count;
}

// A text or data block of length bytes; a length of 0 or less is nothing.
template <class Source>
void ReadField(Source& source, std::int32_t length, std::string* out) {
  if (length <= 0) return;
  const std::uint64_t at = source.Offset();
  if (!source.ReadBytes(static_cast<std::size_t>(length), out)) Truncated(at);
}

}  // namespace

template <class Source>
void TTreeViewEx::Load(Source& source) {
  // Every level of the file being read: where its records go, how many are left, whether they
  // belong to a rejected node and are only skipped, and how many levels deep the enclosing node
  // lies in the tree (0 for the top level).
  struct Level {
    TreeNode* enclosing;
    std::int32_t remaining;
    bool skip;
    std::int32_t depth;
  };
  std::unique_ptr<TreeNode> previous = std::move(root_);
  TreeNode* previousSelected = selected_;
  root_.reset(new TreeNode());
  root_->holder_ = true;
  selected_ = nullptr;
  try {
    std::vector<Level> levels{{nullptr, ReadCount(source), false, 0}};
    while (!levels.empty()) {
      if (levels.back().remaining == 0) {
        levels.pop_back();
        continue;
      }
      --levels.back().remaining;
      const Level current = levels.back();
      const std::uint64_t start = source.Offset();

      std::string text;
      ReadField(source, ReadInt(source), current.skip ? nullptr : &text);
      const std::int32_t level = ReadInt(source);
      const std::int32_t imageIndex = ReadInt(source);
      const std::int32_t stateIndex = ReadInt(source);
      const std::int32_t selectedIndex = ReadInt(source);
      const std::int32_t dataSize = ReadInt(source);
      std::optional<NodeData> data;
      if (dataSize > 0) {
        if (current.skip) {
          ReadField(source, dataSize, nullptr);
        } else {
          data.emplace();
          ReadField(source, dataSize, &*data);
        }
      }
      const std::int32_t childCount = ReadCount(source);
      if (current.skip) {
        if (childCount > 0) levels.push_back({nullptr, childCount, true, 0});
        continue;
      }

      // Level decides the place: below the enclosing node, or at the top level.
      TreeNode* const parent = level > 0 ? current.enclosing : nullptr;
      const std::int32_t depth = parent ? current.depth + 1 : 1;
      TreeNode& node = AddChild(parent, std::move(text));
      node.imageIndex = imageIndex;
      node.stateIndex = stateIndex;
      node.selectedIndex = selectedIndex;
      node.data = std::move(data);
      bool canLoad = true;
      if (OnNodeLoaded) OnNodeLoaded(*this, node, canLoad);
      if (canLoad) {
        if (MaxLevels > 0 && depth > MaxLevels)
          throw TreeFormatError("Einträge in mehr als " + std::to_string(MaxLevels) + " Ebenen bei Byte " +
                                std::to_string(start));
        if (childCount > 0) levels.push_back({&node, childCount, false, depth});
      } else {
        Delete(&node);
        if (childCount > 0) levels.push_back({nullptr, childCount, true, 0});
      }
    }
    source.Finish();
  } catch (...) {
    root_ = std::move(previous);
    selected_ = previousSelected;
    throw;
  }
}

template <class Source>
void TTreeViewEx::LoadAs(Source& source, const std::string& what) {
  try {
    Load(source);
  } catch (const TreeFormatError& e) {
    throw TreeFormatError(what + e.what(), e.Reason());
  }
}

void TTreeViewEx::LoadFromStream(std::istream* stream) {
  if (!stream) return;
  StreamSource source(*stream);
  LoadAs(source, kNoTreeData);
}

void TTreeViewEx::LoadFromBytes(std::string_view bytes) {
  MemorySource source(bytes);
  LoadAs(source, kNoTreeData);
}

void TTreeViewEx::LoadFromFile(std::string_view fileName) {
  const std::optional<std::string> bytes = ReadFileBytes(fileName);
  if (!bytes) throw FileError("Datei " + std::string(fileName) + " kann nicht geöffnet werden");
  MemorySource source(*bytes);
  LoadAs(source, "Die Datei \"" + std::string(fileName) + "\" ist keine gültige Baumdatei: ");
}

}  // namespace fenu
