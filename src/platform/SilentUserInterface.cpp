#include "platform/SilentUserInterface.h"

namespace tarvix {

MessageAnswer SilentUserInterface::ShowMessage(const Message& message) {
  messages_.push_back(message);
  switch (message.buttons) {
    case MessageButtons::Ok:
      return MessageAnswer::Ok;
    case MessageButtons::YesNo:
      return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
      break;
  }
  return MessageAnswer::Cancel;
}

}  // namespace tarvix
