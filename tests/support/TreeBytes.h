#pragma once
// Tree files written byte by byte in the tests, field by field as the format lays them out.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace fenu::test {

inline std::string I32(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  return {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF), static_cast<char>((bits >> 16) & 0xFF),
          static_cast<char>((bits >> 24) & 0xFF)};
}

// One NodeRecord: the given child records follow its ChildCount.
inline std::string Record(std::string_view text, std::int32_t level, std::int32_t image, std::int32_t state,
                          std::int32_t selected, const std::optional<std::string>& data,
                          std::initializer_list<std::string> children = {}) {
  std::string out = I32(static_cast<std::int32_t>(text.size())) + std::string(text) + I32(level) + I32(image) +
                    I32(state) + I32(selected);
  out += data ? I32(static_cast<std::int32_t>(data->size())) + *data : I32(-1);
  out += I32(static_cast<std::int32_t>(children.size()));
  for (const std::string& child : children) out += child;
  return out;
}

inline std::string TreeOf(std::initializer_list<std::string> roots) {
  std::string out = I32(static_cast<std::int32_t>(roots.size()));
  for (const std::string& root : roots) out += root;
  return out;
}

}  // namespace fenu::test
