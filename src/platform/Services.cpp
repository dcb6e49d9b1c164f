#include "platform/Services.h"

namespace fenu {

const char* MsgKindTitle(MsgKind kind) {
  switch (kind) {
    case MsgKind::Confirmation: return "Bestätigung";
    case MsgKind::Error: return "Fehler";
    case MsgKind::Information: return "Information";
    case MsgKind::Warning: return "Warnung";
    case MsgKind::Plain: break;
  }
  return "quenlia:FENU";
}

}  // namespace fenu
