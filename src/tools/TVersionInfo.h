#pragma once
// The version resource of one executable, read once; values are looked up by name in the string
// table of the file's first listed language.
#include <string>
#include <string_view>

#include "platform/Services.h"

namespace fenu {

class TVersionInfo {
 public:
  TVersionInfo(IVersionResource& resource, std::string fileName);

  const std::string& FileName() const { return fileName_; }
  bool Valid() const { return valid_; }
  // For example Value("FileVersion") -> "2.4.0.0"; empty when missing.
  std::string Value(std::string_view name) const;

  // "\StringFileInfo\040704E4\FileVersion" for language 0x0407 and code page 0x04E4.
  static std::string StringKey(std::uint16_t language, std::uint16_t codePage, std::string_view name);

 private:
  IVersionResource& resource_;
  std::string fileName_;
  std::string block_;
  bool valid_ = false;
};

}  // namespace fenu
