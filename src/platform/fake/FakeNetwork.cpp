// The fake's folder-browse dialog and network: answers from the script, calls in the log.
#include <algorithm>

#include "platform/fake/FakeServices.h"

namespace fenu {

bool FakeServices::BrowseForFolder(std::string_view title, std::string& path) {
  std::optional<std::string> answer;
  if (!folderAnswers.empty()) {
    answer = folderAnswers.front();
    folderAnswers.pop_front();
  }
  if (answer) path = *answer;
  log.push_back("BrowseForFolder \"" + std::string(title) + "\" -> " + (answer ? *answer : std::string("Abbrechen")));
  return answer.has_value();
}

std::uint32_t FakeServices::OpenEnum(std::uint32_t scope, std::uint32_t type, std::uint32_t usage,
                                     const NetResource* start, NetEnumHandle& handle) {
  std::string line = "NetOpenEnum scope=" + std::to_string(scope) + " type=" + std::to_string(type) +
                     " usage=" + std::to_string(usage) + " start=";
  if (start) {
    line += "\"" + start->remoteName + "\" (scope=" + std::to_string(start->scope) +
            " display=" + std::to_string(start->displayType) + " usage=" + std::to_string(start->usage) + ")";
  } else {
    line += "none";
  }
  const std::string key = start ? start->remoteName : std::string();
  const auto error = netOpenErrors.find(key);
  const std::uint32_t code = error == netOpenErrors.end() ? 0 : error->second;
  log.push_back(line + " -> " + std::to_string(code));
  if (code != 0) return code;
  handle = nextNetEnum_++;
  netEnums_[handle] = {key, 0};
  ++openNetEnums;
  return 0;
}

std::uint32_t FakeServices::EnumResource(NetEnumHandle handle, std::vector<NetResource>& entries) {
  entries.clear();
  auto it = netEnums_.find(handle);
  std::uint32_t code = 6;  // ERROR_INVALID_HANDLE
  if (it != netEnums_.end()) {
    const auto error = netEnumErrors.find(it->second.start);
    const auto found = netEntries.find(it->second.start);
    const std::size_t total = found == netEntries.end() ? 0 : found->second.size();
    if (error != netEnumErrors.end()) {
      code = error->second;
    } else if (it->second.next >= total) {
      code = kErrorNoMoreItems;
    } else {
      const std::size_t count = std::min(std::max<std::size_t>(netEntriesPerCall, 1), total - it->second.next);
      const auto first = found->second.begin() + static_cast<std::ptrdiff_t>(it->second.next);
      entries.assign(first, first + static_cast<std::ptrdiff_t>(count));
      it->second.next += count;
      code = 0;
    }
  }
  log.push_back("NetEnumResource -> " + (code == 0 ? std::to_string(entries.size()) + " Einträge" : std::to_string(code)));
  return code;
}

std::uint32_t FakeServices::CloseEnum(NetEnumHandle handle) {
  if (netEnums_.erase(handle)) --openNetEnums;
  log.push_back("NetCloseEnum -> " + std::to_string(netCloseError));
  return netCloseError;
}

std::string FakeServices::ComputerName() {
  log.push_back("GetComputerName -> " + computerName);
  return computerName;
}

std::string FakeServices::ErrorText(std::uint32_t code) {
  const auto it = errorTexts.find(code);
  return it == errorTexts.end() ? "Systemfehler " + std::to_string(code) : it->second;
}

}  // namespace fenu
