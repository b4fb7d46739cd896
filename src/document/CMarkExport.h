#pragma once
#include <string>
#include <vector>

#include "platform/Colour.h"
#include "platform/UserInterface.h"

namespace tarvix {

// "Choose marker type": which type of marker an export writes.
class CMarkExport : public DialogModel {
 public:
  static constexpr const char* kName = "CMarkExport";
  static constexpr const char* kQuestion = "What type of marker do you want to export?";
  static constexpr std::size_t kMaxLabel = 50;
  std::string DialogName() const override { return kName; }

  struct Entry {
    std::string label;
    Colour colour;
  };
  // Types 0..13, each with its name (or "Type k+1") and its colour.
  static std::vector<Entry> Entries();

  int selected = 0;  // the entry chosen, and on OK the result
};

}  // namespace tarvix
