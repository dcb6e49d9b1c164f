#pragma once
// The alias file Netsend.dat in AppDir: one INI section per workgroup or domain, the computer
// names as keys and their aliases as values.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/IniFile.h"

namespace fenu {

inline constexpr const char* kNetAliasFileName = "Netsend.dat";

class NetAliases {
 public:
  explicit NetAliases(std::string path) : file_(std::move(path)) {}
  const std::string& FileName() const { return file_.FileName(); }

  // The aliases of one workgroup's computers, in the order of names; empty where none is kept.
  std::vector<std::string> Read(std::string_view section, const std::vector<std::string>& names) const;
  // Replaces the section with one key per computer whose alias is not empty; other sections stay
  // as they are. The file is written once, completely or not at all (FileError).
  void ReplaceSection(std::string_view section, const std::vector<std::pair<std::string, std::string>>& aliases);

 private:
  IniFile file_;
};

// A computer-list entry: the name, or the name with its alias in square brackets.
std::string ComputerEntry(std::string_view name, std::string_view alias);

}  // namespace fenu
