#pragma once
// The record of a folder or building block (BlockData), the identifiers of blocks (BlockId) and
// the text files that hold their texts.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/TreeFile.h"

namespace fenu {

// BlockData is 127 bytes of seven length-prefixed cp1252 fields: one length byte, then up to the
// field's capacity in characters; the bytes after a text have no meaning and are written as zero.
inline constexpr std::int32_t kBlockDataSize = 127;

struct BlockField {
  std::size_t offset;
  std::size_t capacity;
};
inline constexpr BlockField kTextFileNameField{0, 25};
inline constexpr BlockField kShowField{26, 4};
inline constexpr BlockField kQuickKeyField{31, 1};
inline constexpr BlockField kAbbreviationField{33, 10};
inline constexpr BlockField kPreviewField{44, 50};
inline constexpr BlockField kExtra1Field{95, 10};
inline constexpr BlockField kExtra2Field{106, 20};

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

// One field of a block, read as FromBytes reads it.
std::string ReadBlockField(std::string_view block, BlockField field);

// A fresh record: Show "ja", every other field empty.
BlockData NewBlockData();

// The 13-digit identifier of a block created at that local time: day, month, year without
// century, hour, minute, millisecond (no seconds), e.g. 9.12.2026 14:05:33.123 -> 0912261405123.
std::string MakeBlockId(int day, int month, int year, int hour, int minute, int millisecond);
// The identifier for now, by the local clock.
std::string CurrentBlockId();
inline constexpr const char* kTextFileExtension = ".txt";

// Block texts: lines separated by CR LF, no break after the last line, cp1252, no header. A lone
// CR or LF read from a file also counts as a line break (ReadBlockText).
// The lines of a text; a break at the very end starts no further line ("" has no lines).
std::vector<std::string> SplitTextLines(std::string_view text);
// The Preview field for a text: line 1, one blank, line 2 (a missing line counts as empty), cut
// to 50 characters.
std::string BlockPreview(std::string_view text);

// The text of a block's file with its line breaks made CR LF, or nothing when there is no file.
std::optional<std::string> ReadBlockText(std::string_view path);
// Writes the text exactly as given; the old file is replaced only once the new one is complete.
// Throws FileError.
void WriteBlockText(std::string_view path, std::string_view text);

// Whether a TextFileName names a file directly inside the block folder: not empty, no folder
// separators, drive colons or characters Windows forbids in names, not "." or "..", and no
// device name (CON, NUL, COM1, ...). A file name from a foreign tree is used only then.
bool IsSafeTextFileName(std::string_view name);

// False when key is empty or node is nullptr; otherwise compares key, without regard to case, with
// the QuickKey of node (only with includeSelf) and of every sibling before and after it. Entries
// without a building-block record have no quick key.
bool QuickKeyExists(const TreeNode* node, std::string_view key, bool includeSelf);

}  // namespace fenu
