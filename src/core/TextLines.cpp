#include "core/TextLines.h"

namespace fenu {

std::vector<TextLine> SplitLines(std::string_view text) {
  std::vector<TextLine> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    std::size_t eol = 0;
    if (end < text.size()) eol = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
    lines.push_back({text.substr(start, end - start), text.substr(end, eol), start});
    start = end + eol;
  }
  return lines;
}

std::string NormalizeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const TextLine& line : SplitLines(text)) {
    out += line.text;
    if (!line.eol.empty()) out += "\r\n";
  }
  return out;
}

}  // namespace fenu
