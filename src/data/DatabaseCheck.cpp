#include "data/DatabaseCheck.h"

#include <map>
#include <unordered_set>

#include "core/Cp1252.h"
#include "core/FileIo.h"
#include "core/IniFile.h"
#include "data/DamagedFiles.h"
#include "data/Database.h"
#include "data/StoreCheck.h"

namespace fenu {
namespace {

void CheckEntry(const TreeNode& node, const std::string& blockDir, std::vector<std::string>& problems) {
  const auto report = [&](const std::string& what) { problems.push_back(Quoted(EntryPath(node)) + ": " + what); };
  const EntryKind kind = KindOf(node);
  if (kind == EntryKind::Unknown) report("unbekannte Art von Eintrag (Bild " + std::to_string(node.imageIndex) + ")");
  if (kind == EntryKind::Base && node.Parent()) report("Basiseintrag unterhalb der obersten Ebene");
  if (kind == EntryKind::Base && node.data)
    report("Basiseintrag mit Datenblock (" + std::to_string(node.data->size()) + " Bytes)");
  if ((kind == EntryKind::Folder || kind == EntryKind::Block) && !node.data) report("Datenblock fehlt");
  if (node.data && kind != EntryKind::Base && node.data->size() != static_cast<std::size_t>(kBlockDataSize))
    report("Datenblock hat " + std::to_string(node.data->size()) + " statt " + std::to_string(kBlockDataSize) + " Bytes");
  if (node.data) {
    const BlockData data = BlockData::FromBytes(*node.data);
    if (!IsStoredQuickKey(data.quickKey))
      report("Kurztaste " + Quoted(data.quickKey) + " ist keine Ziffer 0-9 und kein Großbuchstabe A-Z");
    if (!IsStoredAbbreviation(data.abbreviation))
      report("Kürzel " + Quoted(data.abbreviation) + " enthält anderes als Kleinbuchstaben a-z und Ziffern 0-9");
  }
  if (kind != EntryKind::Block) return;
  if (node.HasChildren()) report("Baustein mit Untereinträgen");
  if (!node.data) return;
  const std::string name = BlockData::FromBytes(*node.data).textFileName;
  if (name.empty())
    report("Baustein ohne Textdateinamen");
  else if (!IsSafeTextFileName(name))
    report("unzulässiger Textdateiname " + Quoted(name));
  else if (!FileExists(blockDir + name))
    report("Textdatei " + Quoted(name) + " fehlt");
}

void CheckAbbreviations(const TTreeViewEx& tree, std::vector<std::string>& problems) {
  std::map<std::string, std::vector<const TreeNode*>> users;  // upper-cased abbreviation
  std::vector<std::string> order;
  for (const TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext()) {
    if (!node->data) continue;
    const std::string abbreviation = BlockData::FromBytes(*node->data).abbreviation;
    if (abbreviation.empty()) continue;
    auto& list = users[UpperCase(abbreviation)];
    if (list.empty()) order.push_back(abbreviation);
    list.push_back(node);
  }
  for (const std::string& abbreviation : order) {
    const auto& list = users[UpperCase(abbreviation)];
    if (list.size() < 2) continue;
    std::vector<std::string> names;
    for (const TreeNode* node : list) names.push_back(Quoted(EntryPath(*node)));
    problems.push_back("Kürzel " + Quoted(abbreviation) + " mehrfach vergeben: " + Join(names));
  }
}

void CheckQuickKeys(const TTreeViewEx& tree, std::vector<std::string>& problems) {
  auto checkSiblings = [&](const TreeNode* first, const TreeNode* parent) {
    std::map<std::string, std::vector<std::string>> users;
    std::vector<std::string> order;
    for (const TreeNode* node = first; node; node = node->GetNextSibling()) {
      if (!node->data) continue;
      const std::string key = BlockData::FromBytes(*node->data).quickKey;
      if (key.empty()) continue;
      auto& list = users[UpperCase(key)];
      if (list.empty()) order.push_back(key);
      list.push_back(Quoted(node->text));
    }
    for (const std::string& key : order) {
      const auto& list = users[UpperCase(key)];
      if (list.size() > 1)
        problems.push_back("Kurztaste " + Quoted(key) + " mehrfach vergeben unter " +
                           (parent ? Quoted(EntryPath(*parent)) : std::string("der obersten Ebene")) + ": " + Join(list));
    }
  };
  checkSiblings(tree.GetFirstNode(), nullptr);
  for (const TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext())
    if (node->HasChildren()) checkSiblings(node->GetFirstChild(), node);
}

void CheckIndex(const TTreeViewEx& tree, const std::string& indexFile, std::vector<std::string>& problems) {
  const auto expected = AbbreviationEntries(tree);
  const std::string where = "Kürzel-Index " + Quoted(indexFile) + ": ";
  if (!FileExists(indexFile)) {
    if (!expected.empty()) problems.push_back(where + "fehlt");
    return;
  }
  if (const auto damage = AbbreviationIndexDamage(indexFile)) {
    problems.push_back(where + "nicht lesbar: " + *damage);
    return;
  }
  std::map<std::string, std::pair<std::string, std::string>> stored;  // upper-cased key, first one wins
  std::vector<std::string> storedOrder;
  for (auto& [key, value] : IniFile(indexFile).ReadSectionValues("Main")) {
    const auto [it, added] = stored.emplace(UpperCase(key), std::make_pair(key, value));
    if (added) storedOrder.push_back(it->first);
  }
  std::unordered_set<std::string> expectedKeys;
  for (const auto& [key, value] : expected) {
    expectedKeys.insert(UpperCase(key));
    const auto it = stored.find(UpperCase(key));
    if (it == stored.end())
      problems.push_back(where + Quoted(key) + " fehlt (" + key + "=" + value + ")");
    else if (it->second.second != value)
      problems.push_back(where + Quoted(key) + " verweist auf " + Quoted(it->second.second) + " statt auf " +
                         Quoted(value));
  }
  for (const std::string& upper : storedOrder)
    if (!expectedKeys.contains(upper))
      problems.push_back(where + Quoted(stored[upper].first) + " gehört zu keinem Eintrag");
}

}  // namespace

std::vector<std::string> CheckDatabase(std::string_view databaseFile) {
  std::vector<std::string> problems;
  TTreeViewEx tree;
  if (!LoadTreeForCheck(tree, databaseFile, problems)) return problems;
  const std::string blockDir = BlockDirOf(databaseFile);
  CheckSingleBase(tree, problems);
  for (const TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext()) CheckEntry(*node, blockDir, problems);
  CheckUnreferencedTexts(tree, blockDir, problems);
  CheckAbbreviations(tree, problems);
  CheckQuickKeys(tree, problems);
  CheckIndex(tree, AbbreviationIndexOf(databaseFile), problems);
  return problems;
}

}  // namespace fenu
