#include "data/ArchiveCheck.h"

#include <map>

#include "core/Cp1252.h"
#include "core/FileIo.h"
#include "data/ArchiveData.h"
#include "data/ArchiveStore.h"
#include "data/StoreCheck.h"
#include "data/TextFiles.h"

namespace fenu {
namespace {

void CheckEntry(const TreeNode& node, const std::string& textDir, std::vector<std::string>& problems) {
  const auto report = [&](const std::string& what) { problems.push_back(Quoted(EntryPath(node)) + ": " + what); };
  const ArchiveKind kind = ArchiveKindOf(node);
  if (kind == ArchiveKind::Root && node.Parent()) report("Basiseintrag unterhalb der obersten Ebene");
  if (kind == ArchiveKind::Root && node.data)
    report("Basiseintrag mit Datenblock (" + std::to_string(node.data->size()) + " Bytes)");
  if ((kind == ArchiveKind::Text || kind == ArchiveKind::Folder) && !node.data) report("Datenblock fehlt");
  if (node.data && kind != ArchiveKind::Root && node.data->size() != static_cast<std::size_t>(kArchiveDataSize))
    report("Datenblock hat " + std::to_string(node.data->size()) + " statt " + std::to_string(kArchiveDataSize) +
           " Bytes");
  if (kind != ArchiveKind::Text) return;
  if (node.HasChildren()) report("Text mit Untereinträgen");
  if (!node.data) return;
  const std::string name = TextFileNameOf(node);
  if (name.empty())
    report("Text ohne Textdateinamen");
  else if (!IsSafeTextFileName(name))
    report("unzulässiger Textdateiname " + Quoted(name));
  else if (!FileExists(textDir + name))
    report("Textdatei " + Quoted(name) + " fehlt");
}

// Two texts in one file: saving one overwrites the other's body.
void CheckSharedTextFiles(const TTreeViewEx& tree, std::vector<std::string>& problems) {
  std::map<std::string, std::vector<const TreeNode*>> users;  // upper-cased file name
  std::vector<std::string> order;
  for (const TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext()) {
    const std::string name = TextFileNameOf(*node);
    if (name.empty()) continue;
    auto& list = users[UpperCase(name)];
    if (list.empty()) order.push_back(name);
    list.push_back(node);
  }
  for (const std::string& name : order) {
    const auto& list = users[UpperCase(name)];
    if (list.size() < 2) continue;
    std::vector<std::string> names;
    for (const TreeNode* node : list) names.push_back(Quoted(EntryPath(*node)));
    problems.push_back("Textdatei " + Quoted(name) + " mehrfach vergeben: " + Join(names));
  }
}

}  // namespace

std::vector<std::string> CheckArchive(std::string_view archiveFile) {
  std::vector<std::string> problems;
  TTreeViewEx tree;
  if (!LoadTreeForCheck(tree, archiveFile, problems)) return problems;
  const std::string textDir = TextDirOf(archiveFile) + "\\";
  CheckSingleBase(tree, problems);
  for (const TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext()) CheckEntry(*node, textDir, problems);
  CheckUnreferencedTexts(tree, textDir, problems);
  CheckSharedTextFiles(tree, problems);
  return problems;
}

}  // namespace fenu
