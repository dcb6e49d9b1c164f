#include "core/TextLines.h"

#include <gtest/gtest.h>

#include <string>

namespace fenu {
namespace {

// Each line as text, its break spelled out and its offset: "a|CRLF|0".
std::string Describe(std::string_view text) {
  std::string out;
  for (const TextLine& line : SplitLines(text)) {
    const std::string eol = line.eol == "\r\n" ? "CRLF" : line.eol == "\r" ? "CR" : line.eol == "\n" ? "LF" : "-";
    out += std::string(line.text) + "|" + eol + "|" + std::to_string(line.offset) + " ";
  }
  return out;
}

TEST(TextLines, EveryKindOfBreakEndsOneLine) {
  const struct {
    const char* text;
    const char* lines;
  } cases[] = {
      {"", ""},
      {"a", "a|-|0 "},
      {"a\r\n", "a|CRLF|0 "},
      {"a\r\nb", "a|CRLF|0 b|-|3 "},
      {"a\nb\rc\r\nd", "a|LF|0 b|CR|2 c|CRLF|4 d|-|7 "},
      {"a\n\rb", "a|LF|0 |CR|2 b|-|3 "},  // LF CR is two breaks
      {"\r\n\r\n", "|CRLF|0 |CRLF|2 "},
      {"a\r", "a|CR|0 "},
  };
  for (const auto& c : cases) EXPECT_EQ(Describe(c.text), c.lines) << c.text;
}

TEST(TextLines, NormalizingWritesEveryBreakAsCrLf) {
  EXPECT_EQ(NormalizeLineBreaks("a\nb\rc\r\nd\n\re\r"), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
  EXPECT_EQ(NormalizeLineBreaks(""), "");
  EXPECT_EQ(NormalizeLineBreaks("© 2001\rquenlia"), "© 2001\r\nquenlia");
}

}  // namespace
}  // namespace fenu
