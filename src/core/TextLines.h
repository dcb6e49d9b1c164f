#pragma once
// The lines of a text as the files this program reads may hold them: CR LF, a lone CR and a lone
// LF each end one.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fenu {

struct TextLine {
  std::string_view text;  // without its line break
  std::string_view eol;   // "\r\n", "\r" or "\n"; empty on a last line without one
  std::size_t offset;     // where text starts in the whole
};

// A break at the very end starts no further line; "" has no lines.
std::vector<TextLine> SplitLines(std::string_view text);

// The text with every line break written CR LF.
std::string NormalizeLineBreaks(std::string_view text);

}  // namespace fenu
