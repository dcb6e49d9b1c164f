#pragma once
// The text archive's entries: their kinds, the record of a text or folder (ArchiveData) and the
// identifiers that name the texts' files (TextId).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/TreeStore.h"
#include "model/TreeFile.h"

namespace fenu {

// ArchiveData is 187 bytes: the text file name (kTextFileNameField, offset 0, 25 characters),
// the keyword line (offset 26, 128 characters) and 32 reserved bytes, written as zero and never
// read.
inline constexpr std::int32_t kArchiveDataSize = 187;
inline constexpr RecordField kKeywordsField{26, 128};
inline constexpr std::size_t kArchiveReservedOffset = 155;

struct ArchiveData {
  std::string textFileName;  // text: TextId + ".txt"; folder: empty
  std::string keywords;      // text: the keyword line; folder: empty

  // Reads a record of any length as ReadRecordField does.
  static ArchiveData FromBytes(std::string_view record);
  // The 187 bytes; texts longer than their field are cut to its capacity.
  NodeData ToBytes() const;

  bool operator==(const ArchiveData&) const = default;
};

// The kind of an archive entry, told by its image index alone: Root 0, Text 1, Folder 3; any
// other index is None, which is kept, saved and loaded unchanged and holds nothing.
enum class ArchiveKind { Root, Text, Folder, None };
ArchiveKind ArchiveKindOf(const TreeNode& node);
// Whether entries may be placed below node: the Root and folders.
bool CanHold(const TreeNode& node);

// The record of a text or folder, or nothing for an entry without one.
std::optional<ArchiveData> GetArchiveData(const TreeNode& node);
void SetArchiveData(TreeNode& node, const ArchiveData& data);

// OnRequestDataSize of the archive tree: every record is written with 187 bytes.
void UseArchiveDataSize(TTreeViewEx& tree);

}  // namespace fenu
