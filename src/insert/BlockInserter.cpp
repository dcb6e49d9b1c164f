#include "insert/BlockInserter.h"

#include "insert/Delivery.h"
#include "data/BlockData.h"

namespace fenu {

void ExpandAndDeliver::Insert(const std::string& text, const std::string& blockDir, WindowHandle target) {
  const ExpansionResult result = engine_.ExpandText(text, blockDir);
  if (!result.ok) return;  // the engine has named the faulty marker; nothing goes out
  // Through a line list once more: every line break becomes CR LF, the last line ends with one.
  Deliver(JoinBlockLines(SplitTextLines(result.text)), target, options_, services_, keys_);
}

}  // namespace fenu
