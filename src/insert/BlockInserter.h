#pragma once
// What choosing a block does: expand its text, then deliver the result to the captured control.
#include "expansion/Expansion.h"
#include "insert/IBlockInserter.h"
#include "platform/Keyboard.h"

namespace fenu {

class ExpandAndDeliver : public IBlockInserter {
 public:
  // sendkeys is the shell's flag, read at the moment of delivery.
  ExpandAndDeliver(Services& services, KeyboardServices& keys, ExpansionEngine& engine, const bool& sendkeys)
      : services_(services), keys_(keys), engine_(engine), sendkeys_(sendkeys) {}

  void Insert(const std::string& text, const std::string& blockDir, WindowHandle target) override;

 private:
  Services& services_;
  KeyboardServices& keys_;
  ExpansionEngine& engine_;
  const bool& sendkeys_;
};

}  // namespace fenu
