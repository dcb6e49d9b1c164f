#pragma once
// The commands that `db` and `archive` share for their tree files; what differs is the store's
// records, its text folder and its check.
#include <string>
#include <string_view>
#include <vector>

#include "cli/TreeJson.h"

namespace fenu::cli {

// dump: the tree file as JSON on standard output.
int DumpStore(const std::string& path, const RecordJson& records);
// check: "Die Datenbank ... konnte nicht gefunden werden!" for a missing file, otherwise the
// problems that check finds, as ReportProblems prints them.
int CheckStore(const std::string& path, std::vector<std::string> (*check)(std::string_view file));
// export: the tree with its text files (textDir with its trailing separator) as one document.
int ExportStore(const std::string& path, const std::string& out, const std::string& textDir,
                const RecordJson& records);

}  // namespace fenu::cli
