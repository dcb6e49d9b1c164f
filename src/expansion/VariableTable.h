#pragma once
// The built-in variables that the expansion engine understands and the variable editor offers.
#include <array>
#include <string>
#include <string_view>

namespace fenu {

struct VariableRow {
  const char* name;     // what a marker carries: <<name|argument>>
  const char* value;    // a date format pattern, or the keyword of the variable's behaviour
  const char* caption;  // the label in the variable editor
};

// The 19 rows in their fixed order, from DatumNormal ("dd.mm.yy") to Optional.
const std::array<VariableRow, 19>& VariableTable();

// The value of the row whose name is exactly name (letter case included), or empty text.
std::string LookupVariable(std::string_view name);

}  // namespace fenu
