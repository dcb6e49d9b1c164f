#include "data/BlockData.h"

#include <algorithm>

#include "core/Cp1252.h"
#include "model/TreeOps.h"

namespace fenu {

BlockData BlockData::FromBytes(std::string_view block) {
  BlockData data;
  data.textFileName = ReadRecordField(block, kTextFileNameField);
  data.show = ReadRecordField(block, kShowField);
  data.quickKey = ReadRecordField(block, kQuickKeyField);
  data.abbreviation = ReadRecordField(block, kAbbreviationField);
  data.preview = ReadRecordField(block, kPreviewField);
  data.extra1 = ReadRecordField(block, kExtra1Field);
  data.extra2 = ReadRecordField(block, kExtra2Field);
  return data;
}

NodeData BlockData::ToBytes() const {
  NodeData block(kBlockDataSize, '\0');
  WriteRecordField(block, kTextFileNameField, textFileName);
  WriteRecordField(block, kShowField, show);
  WriteRecordField(block, kQuickKeyField, quickKey);
  WriteRecordField(block, kAbbreviationField, abbreviation);
  WriteRecordField(block, kPreviewField, preview);
  WriteRecordField(block, kExtra1Field, extra1);
  WriteRecordField(block, kExtra2Field, extra2);
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

std::string BlockPreview(std::string_view text) {
  const std::vector<std::string> lines = SplitTextLines(text);
  std::string preview = (lines.size() > 0 ? lines[0] : std::string()) + " " + (lines.size() > 1 ? lines[1] : std::string());
  if (preview.size() > kPreviewField.capacity) preview.resize(kPreviewField.capacity);
  return preview;
}

bool QuickKeyExists(const TreeNode* node, std::string_view key, bool includeSelf) {
  if (key.empty()) return false;
  return AnySibling(node, includeSelf, [&](const TreeNode& sibling) {
    return sibling.data && EqualsNoCase(BlockData::FromBytes(*sibling.data).quickKey, key);
  });
}

}  // namespace fenu
