#pragma once
// The records of a building-block database in JSON (TreeJson.h): `db dump` shows TextFileName,
// Show, QuickKey, Abbreviation and Preview, `db export` and `db import` also Extra1 and Extra2.
#include <map>
#include <string>

#include "cli/TreeJson.h"

namespace fenu::cli {

inline constexpr const char* kExportFormat = "quenlia:FENU Bausteine";

// Besides values that cannot be stored, an import refuses what the management window never
// writes: quick keys other than 0-9 and A-Z, abbreviations of other characters than a-z and 0-9,
// an abbreviation used twice (without regard to case, as the index reads it), a quick key used
// twice among the entries of one folder.
class BlockRecordJson : public RecordJson {
 public:
  const char* Format() const override { return kExportFormat; }
  Json Dump(const NodeData& record) const override;
  Json Export(const NodeData& record) const override;
  NodeData Import(const Json& data, const std::string& entryPlace, const TreeNode* parent) override;

 private:
  // Upper-cased quick key or abbreviation -> the place of the entry that has it.
  using Places = std::map<std::string, std::string>;
  std::map<const TreeNode*, Places> quickKeys_;  // by the folder the entries are in
  Places abbreviations_;
};

}  // namespace fenu::cli
