#include "data/ArchiveData.h"

namespace fenu {

ArchiveData ArchiveData::FromBytes(std::string_view record) {
  return ArchiveData{ReadRecordField(record, kTextFileNameField), ReadRecordField(record, kKeywordsField)};
}

NodeData ArchiveData::ToBytes() const {
  NodeData record(kArchiveDataSize, '\0');
  WriteRecordField(record, kTextFileNameField, textFileName);
  WriteRecordField(record, kKeywordsField, keywords);
  return record;
}

ArchiveKind ArchiveKindOf(const TreeNode& node) {
  switch (node.imageIndex) {
    case kImageBase: return ArchiveKind::Root;
    case kImageBlock: return ArchiveKind::Text;
    case kImageFolder: return ArchiveKind::Folder;
    default: return ArchiveKind::None;
  }
}

bool CanHold(const TreeNode& node) {
  const ArchiveKind kind = ArchiveKindOf(node);
  return kind == ArchiveKind::Root || kind == ArchiveKind::Folder;
}

std::optional<ArchiveData> GetArchiveData(const TreeNode& node) {
  if (!node.data) return std::nullopt;
  return ArchiveData::FromBytes(*node.data);
}

void SetArchiveData(TreeNode& node, const ArchiveData& data) { node.data = data.ToBytes(); }

void UseArchiveDataSize(TTreeViewEx& tree) {
  tree.OnRequestDataSize = [](const TTreeViewEx&, const TreeNode&, std::int32_t& size) { size = kArchiveDataSize; };
}

}  // namespace fenu
