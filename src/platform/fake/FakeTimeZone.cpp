#include "platform/fake/FakeTimeZone.h"

namespace fenu {

int FakeTimeZone::CurrentBiasMinutes() {
  ++calls;
  return biasMinutes;
}

}  // namespace fenu
