#pragma once
// The body that replace-all is measured on, natively and in the real memo under Wine: about
// 1 MB of lines with the given number of "Wort" spread evenly among them.
#include <cstddef>
#include <string>

namespace fenu::test {

inline std::string MemoBodyWithHits(std::size_t hits) {
  constexpr std::size_t kSize = 1 << 20;
  const std::string line = "Sehr geehrte Damen und Herren, anbei die Unterlagen zum Vorgang.\r\n";
  std::string text;
  text.reserve(kSize + 64);
  const std::size_t every = kSize / hits;
  std::size_t placed = 0;
  while (text.size() < kSize) {
    if (placed < hits && text.size() >= placed * every) {
      text += "Wort ";
      ++placed;
    }
    text += line;
  }
  return text;
}

}  // namespace fenu::test
