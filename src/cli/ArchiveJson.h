#pragma once
// The records of the text archive in JSON (TreeJson.h): TextFileName and Keywords.
#include <string>

#include "cli/TreeJson.h"

namespace fenu::cli {

inline constexpr const char* kArchiveExportFormat = "quenlia:FENU Archiv";

class ArchiveRecordJson : public RecordJson {
 public:
  const char* Format() const override { return kArchiveExportFormat; }
  Json Dump(const NodeData& record) const override;
  Json Export(const NodeData& record) const override { return Dump(record); }
  NodeData Import(const Json& data, const std::string& entryPlace, const TreeNode* parent) override;
};

}  // namespace fenu::cli
