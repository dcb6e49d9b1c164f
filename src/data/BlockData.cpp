#include "data/BlockData.h"

#include <algorithm>
#include <cstdio>

#include "core/Cp1252.h"
#include "core/FileIo.h"
#include "core/SafeFile.h"
#include "core/TextLines.h"
#include "model/TreeOps.h"
#include "platform/Clock.h"

namespace fenu {

std::string ReadBlockField(std::string_view block, BlockField field) {
  if (field.offset >= block.size()) return {};
  std::size_t length = static_cast<unsigned char>(block[field.offset]);
  length = std::min({length, field.capacity, block.size() - field.offset - 1});
  return std::string(block.substr(field.offset + 1, length));
}

namespace {

void WriteField(NodeData& block, BlockField field, std::string_view text) {
  const std::size_t length = std::min(text.size(), field.capacity);
  block[field.offset] = static_cast<char>(length);
  block.replace(field.offset + 1, length, text.substr(0, length));
}

}  // namespace

BlockData BlockData::FromBytes(std::string_view block) {
  BlockData data;
  data.textFileName = ReadBlockField(block, kTextFileNameField);
  data.show = ReadBlockField(block, kShowField);
  data.quickKey = ReadBlockField(block, kQuickKeyField);
  data.abbreviation = ReadBlockField(block, kAbbreviationField);
  data.preview = ReadBlockField(block, kPreviewField);
  data.extra1 = ReadBlockField(block, kExtra1Field);
  data.extra2 = ReadBlockField(block, kExtra2Field);
  return data;
}

NodeData BlockData::ToBytes() const {
  NodeData block(kBlockDataSize, '\0');
  WriteField(block, kTextFileNameField, textFileName);
  WriteField(block, kShowField, show);
  WriteField(block, kQuickKeyField, quickKey);
  WriteField(block, kAbbreviationField, abbreviation);
  WriteField(block, kPreviewField, preview);
  WriteField(block, kExtra1Field, extra1);
  WriteField(block, kExtra2Field, extra2);
  return block;
}

BlockData NewBlockData() { return BlockData{}; }

bool IsStoredQuickKey(std::string_view key) {
  return key.empty() || (key.size() == 1 && ((key[0] >= '0' && key[0] <= '9') || (key[0] >= 'A' && key[0] <= 'Z')));
}

bool IsStoredAbbreviation(std::string_view abbreviation) {
  return abbreviation.size() <= kAbbreviationField.capacity &&
         std::all_of(abbreviation.begin(), abbreviation.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); });
}

std::string MakeBlockId(int day, int month, int year, int hour, int minute, int millisecond) {
  char id[32];
  std::snprintf(id, sizeof id, "%02d%02d%02d%02d%02d%03d", day % 100, month % 100, year % 100, hour % 100,
                minute % 100, millisecond % 1000);
  return id;
}

std::string CurrentBlockId() {
  const LocalTime now = SystemLocalTime();
  return MakeBlockId(now.day, now.month, now.year, now.hour, now.minute, now.millisecond);
}

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  for (const TextLine& line : SplitLines(text)) lines.emplace_back(line.text);
  return lines;
}

std::string BlockPreview(std::string_view text) {
  const std::vector<std::string> lines = SplitTextLines(text);
  std::string preview = (lines.size() > 0 ? lines[0] : std::string()) + " " + (lines.size() > 1 ? lines[1] : std::string());
  if (preview.size() > kPreviewField.capacity) preview.resize(kPreviewField.capacity);
  return preview;
}

std::optional<std::string> ReadBlockText(std::string_view path) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return NormalizeLineBreaks(*bytes);
}

void WriteBlockText(std::string_view path, std::string_view text) { WriteFileSafely(path, text); }

bool IsSafeTextFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
    if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return false;
  }
  // Windows' devices answer to their names with any extension.
  const std::string stem = UpperCase(name.substr(0, name.find('.')));
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
  for (const char* device : kDevices)
    if (stem == device) return false;
  if (stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' && stem[3] <= '9')
    return false;
  return true;
}

bool QuickKeyExists(const TreeNode* node, std::string_view key, bool includeSelf) {
  if (key.empty()) return false;
  return AnySibling(node, includeSelf, [&](const TreeNode& sibling) {
    return sibling.data && EqualsNoCase(BlockData::FromBytes(*sibling.data).quickKey, key);
  });
}

}  // namespace fenu
