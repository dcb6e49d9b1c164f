#pragma once
// A time zone whose offset the test chooses.
#include "platform/TimeZone.h"

namespace fenu {

class FakeTimeZone : public ITimeZone {
 public:
  FakeTimeZone() = default;
  explicit FakeTimeZone(int bias) : biasMinutes(bias) {}

  // What CurrentBiasMinutes() returns: central European winter time unless a test sets another.
  int biasMinutes = -60;
  // How often the offset was asked.
  int calls = 0;

  int CurrentBiasMinutes() override;
};

}  // namespace fenu
