#pragma once
// What choosing a block does: expand its text, then deliver the result to the captured control.
#include "expansion/Expansion.h"
#include "insert/Delivery.h"
#include "insert/IBlockInserter.h"
#include "platform/Keyboard.h"

namespace fenu {

class ExpandAndDeliver : public IBlockInserter {
 public:
  // options are the shell's, read at the moment of delivery.
  ExpandAndDeliver(Services& services, KeyboardServices& keys, ExpansionEngine& engine,
                   const DeliveryOptions& options)
      : services_(services), keys_(keys), engine_(engine), options_(options) {}

  void Insert(const std::string& text, const std::string& blockDir, WindowHandle target) override;

 private:
  Services& services_;
  KeyboardServices& keys_;
  ExpansionEngine& engine_;
  const DeliveryOptions& options_;
};

}  // namespace fenu
