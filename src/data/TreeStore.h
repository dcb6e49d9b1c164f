#pragma once
// What the tree stores of this system (building-block database, text archive) share: the kinds
// of entries by image index, records of length-prefixed fields that begin with the name of the
// entry's text file, the order of siblings, and the tree file saved with one backup generation.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>

#include "model/TreeFile.h"
#include "platform/Services.h"

namespace fenu {

// Image indexes, which also tell the kind of an entry: the base entry (the Root), texts (blocks
// in the building-block database) and folders.
inline constexpr std::int32_t kImageBase = 0;
inline constexpr std::int32_t kImageBlock = 1;
inline constexpr std::int32_t kImageBlockSelected = 2;
inline constexpr std::int32_t kImageFolder = 3;
inline constexpr std::int32_t kImageFolderSelected = 4;

// A record field: one length byte, then up to capacity cp1252 characters; the bytes after the
// text have no meaning and are written as zero.
struct RecordField {
  std::size_t offset;
  std::size_t capacity;
};
// Reads a field of a record of any length: a field that lies beyond the record is empty, and a
// length byte larger than the field's capacity or the record counts only up to either.
std::string ReadRecordField(std::string_view record, RecordField field);
// The same without a copy: a view into record.
std::string_view RecordFieldView(std::string_view record, RecordField field);
// Writes text into the field of a record that is long enough, cut to the field's capacity.
void WriteRecordField(NodeData& record, RecordField field, std::string_view text);

// Both records begin with the name of the entry's text file: the identifier + ".txt", or empty.
inline constexpr RecordField kTextFileNameField{0, 25};
// The text file name in node's record, or "" when it has none.
std::string TextFileNameOf(const TreeNode& node);
// The text file names that the tree's records name, in upper case (file names compare without case).
std::unordered_set<std::string> UsedTextFileNames(const TTreeViewEx& tree);

// "Die Datenbank \"<path>\" konnte nicht gefunden werden!": a tree file that is not there.
std::string DatabaseNotFoundText(std::string_view path);

// Gives an empty tree its base entry (no data block, images 0) and selects it; does nothing to a
// tree that has entries.
void EnsureRoot(TTreeViewEx& tree, const std::string& name);

// Sorts every level of the tree: texts (images 1 and 2) before all other entries, then by name
// without regard to case in the user's collation. (Only a text is set before a folder; other
// kinds sort with the folders, so that the order stays one order.)
void SortTextsFirst(TTreeViewEx& tree, ICollation& collation);
// Sorts node and its siblings by name alone, with case, in the user's collation: what the tree
// does on its own when a name changes.
void SortSiblingsByName(TTreeViewEx& tree, const TreeNode& node, ICollation& collation);

// File names.
inline constexpr const char* kBackupExtension = ".bup";
// path with its extension (the part of the file name from the last dot) replaced by ext.
std::string ChangeFileExt(std::string_view path, std::string_view ext);
// The one backup generation of a tree file: path with the extension ".bup".
std::string BackupFileOf(std::string_view treeFile);

// Saves the tree to path so that nothing saved is lost: the new tree file is written completely
// and flushed to the disk, then the old tree file becomes the backup (replacing the old backup;
// with no old tree file the backup is left alone) and the new one takes path's name. A failure
// throws FileError "nach <path> kann nicht geschrieben werden" and leaves the last tree file and
// its backup as they were. A read-only tree file is not replaced.
void SaveTreeWithBackup(const TTreeViewEx& tree, std::string_view path);

// A time identifier for a new entry: candidate (normally CurrentTimeId()), or, when an entry of
// the tree or a file in textDir (with its trailing separator) already uses it, the next
// millisecond of the same minute that nobody uses. Two entries never share a text file. Throws
// FenuError when the whole minute is taken.
std::string UniqueTimeId(const TTreeViewEx& tree, std::string_view textDir, std::string_view candidate);

}  // namespace fenu
