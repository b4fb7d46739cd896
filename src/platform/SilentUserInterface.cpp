#include "platform/SilentUserInterface.h"

namespace tarvix {

MessageAnswer SilentUserInterface::ShowMessage(const Message& message) {
  messages_.push_back(message);
  return CautiousAnswer(message.buttons);
}

}  // namespace tarvix
