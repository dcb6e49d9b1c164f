#include "tools/TVersionInfo.h"

#include <cstdio>

namespace fenu {

TVersionInfo::TVersionInfo(IVersionResource& resource, std::string fileName)
    : resource_(resource), fileName_(std::move(fileName)) {
  valid_ = resource_.Read(fileName_, block_);
}

std::string TVersionInfo::StringKey(std::uint16_t language, std::uint16_t codePage, std::string_view name) {
  char hex[9];
  std::snprintf(hex, sizeof hex, "%04X%04X", language, codePage);
  return "\\StringFileInfo\\" + std::string(hex) + "\\" + std::string(name);
}

std::string TVersionInfo::Value(std::string_view name) const {
  if (!valid_) return {};
  std::uint16_t language = 0;
  std::uint16_t codePage = 0;
  if (!resource_.Translation(block_, language, codePage)) return {};
  std::string value;
  if (!resource_.QueryString(block_, StringKey(language, codePage, name), value)) return {};
  return value;
}

}  // namespace fenu
