#pragma once
// What choosing a block in the selection or abbreviation window sets off.
#include <string>

#include "platform/Services.h"

namespace fenu {

// Expands a block's text and delivers it to the captured control.
class IBlockInserter {
 public:
  virtual ~IBlockInserter() = default;
  // text is the block file's lines, each followed by CR LF; blockDir locates nested blocks.
  virtual void Insert(const std::string& text, const std::string& blockDir, WindowHandle target) = 0;
};

}  // namespace fenu
