#pragma once
// The record of a folder or building block (BlockData), the identifiers of blocks (BlockId) and
// the text files that hold their texts.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/TextFiles.h"
#include "data/TreeStore.h"
#include "model/TreeFile.h"

namespace fenu {

// BlockData is 127 bytes of seven length-prefixed cp1252 fields (RecordField), the first of
// them kTextFileNameField.
inline constexpr std::int32_t kBlockDataSize = 127;

inline constexpr RecordField kShowField{26, 4};
inline constexpr RecordField kQuickKeyField{31, 1};
inline constexpr RecordField kAbbreviationField{33, 10};
inline constexpr RecordField kPreviewField{44, 50};
inline constexpr RecordField kExtra1Field{95, 10};
inline constexpr RecordField kExtra2Field{106, 20};

inline constexpr const char* kShowYes = "ja";
inline constexpr const char* kShowNo = "nein";

struct BlockData {
  std::string textFileName;  // block: BlockId + ".txt"; folder: empty
  std::string show = kShowYes;  // "ja" or "nein": offered by the selection window
  std::string quickKey;      // one character 0-9, A-Z, or empty
  std::string abbreviation;  // block: lower-case letters and digits, or empty
  std::string preview;       // block: first line, blank, second line; folder: "" or "-"
  std::string extra1;
  std::string extra2;

  // Reads a block of any length: a field that lies beyond the block is empty, and a length byte
  // larger than the field's capacity or the block counts only up to either.
  static BlockData FromBytes(std::string_view block);
  // The 127 bytes; texts longer than their field are cut to its capacity.
  NodeData ToBytes() const;

  bool operator==(const BlockData&) const = default;
};

// What the management window stores: a QuickKey of one digit 0-9 or capital letter A-Z, an
// Abbreviation of up to 10 lower-case letters a-z and digits; both may be empty.
bool IsStoredQuickKey(std::string_view key);
bool IsStoredAbbreviation(std::string_view abbreviation);

// A fresh record: Show "ja", every other field empty.
BlockData NewBlockData();

// The Preview field for a text: line 1, one blank, line 2 (a missing line counts as empty), cut
// to 50 characters.
std::string BlockPreview(std::string_view text);

// A block's text file is read and written as every text file of a tree store (TextFiles.h):
// ReadTextFile, WriteTextFile; a new block's id is CurrentTimeId or, unique, UniqueTimeId.

// False when key is empty or node is nullptr; otherwise compares key, without regard to case, with
// the QuickKey of node (only with includeSelf) and of every sibling before and after it. Entries
// without a building-block record have no quick key.
bool QuickKeyExists(const TreeNode* node, std::string_view key, bool includeSelf);

}  // namespace fenu
