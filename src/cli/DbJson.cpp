#include "cli/DbJson.h"

#include "core/Cp1252.h"
#include "data/BlockData.h"

namespace fenu::cli {

Json BlockRecordJson::Dump(const NodeData& record) const {
  const BlockData data = BlockData::FromBytes(record);
  return Json{{"TextFileName", Utf8(data.textFileName)},
              {"Show", Utf8(data.show)},
              {"QuickKey", Utf8(data.quickKey)},
              {"Abbreviation", Utf8(data.abbreviation)},
              {"Preview", Utf8(data.preview)}};
}

Json BlockRecordJson::Export(const NodeData& record) const {
  const BlockData data = BlockData::FromBytes(record);
  return Json{{"TextFileName", Utf8(data.textFileName)}, {"Show", Utf8(data.show)},
              {"QuickKey", Utf8(data.quickKey)},         {"Abbreviation", Utf8(data.abbreviation)},
              {"Preview", Utf8(data.preview)},           {"Extra1", Utf8(data.extra1)},
              {"Extra2", Utf8(data.extra2)}};
}

NodeData BlockRecordJson::Import(const Json& data, const std::string& entryPlace, const TreeNode* parent) {
  const std::string place = entryPlace + ".data";
  OnlyKeys(data, {"TextFileName", "Show", "QuickKey", "Abbreviation", "Preview", "Extra1", "Extra2"}, place);
  const BlockData fresh = NewBlockData();
  BlockData record;
  record.textFileName = FieldText(data, "TextFileName", fresh.textFileName, place, kTextFileNameField);
  record.show = FieldText(data, "Show", fresh.show, place, kShowField);
  record.quickKey = FieldText(data, "QuickKey", fresh.quickKey, place, kQuickKeyField);
  record.abbreviation = FieldText(data, "Abbreviation", fresh.abbreviation, place, kAbbreviationField);
  record.preview = FieldText(data, "Preview", fresh.preview, place, kPreviewField);
  record.extra1 = FieldText(data, "Extra1", fresh.extra1, place, kExtra1Field);
  record.extra2 = FieldText(data, "Extra2", fresh.extra2, place, kExtra2Field);

  // What the management window would never store.
  if (!IsStoredQuickKey(record.quickKey))
    FailAt(place + ".QuickKey", "nur eine Ziffer 0-9 oder ein Großbuchstabe A-Z erlaubt");
  if (!IsStoredAbbreviation(record.abbreviation))
    FailAt(place + ".Abbreviation", "nur Kleinbuchstaben a-z und Ziffern 0-9 erlaubt");
  if (!record.quickKey.empty()) {
    const auto [it, added] = quickKeys_[parent].emplace(UpperCase(record.quickKey), entryPlace);
    if (!added)
      FailAt(place + ".QuickKey", "die Kurztaste \"" + record.quickKey + "\" hat im selben Ordner schon " + it->second);
  }
  if (!record.abbreviation.empty()) {
    const auto [it, added] = abbreviations_.emplace(UpperCase(record.abbreviation), entryPlace);
    if (!added) FailAt(place + ".Abbreviation", "das Kürzel \"" + record.abbreviation + "\" hat schon " + it->second);
  }
  return record.ToBytes();
}

}  // namespace fenu::cli
