#include "cli/ArchiveJson.h"

#include "data/ArchiveData.h"

namespace fenu::cli {

Json ArchiveRecordJson::Dump(const NodeData& record) const {
  const ArchiveData data = ArchiveData::FromBytes(record);
  return Json{{"TextFileName", Utf8(data.textFileName)}, {"Keywords", Utf8(data.keywords)}};
}

NodeData ArchiveRecordJson::Import(const Json& data, const std::string& entryPlace, const TreeNode*) {
  const std::string place = entryPlace + ".data";
  OnlyKeys(data, {"TextFileName", "Keywords"}, place);
  ArchiveData record;
  record.textFileName = FieldText(data, "TextFileName", "", place, kTextFileNameField);
  record.keywords = FieldText(data, "Keywords", "", place, kKeywordsField);
  return record.ToBytes();
}

}  // namespace fenu::cli
