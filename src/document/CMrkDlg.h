#pragma once
#include <string>
#include <vector>

#include "platform/Colour.h"
#include "platform/UserInterface.h"

namespace tarvix {

// The "Edit Marker" dialog: one marker's place, type and comment, or only the comment when
// several markers are edited at once.
class CMrkDlg : public DialogModel {
 public:
  static constexpr const char* kName = "CMrkDlg";
  std::string DialogName() const override { return kName; }

  std::string profile;     // read-only
  std::string coordinate;  // read-only
  int trace = 0;
  int sample = 0;
  int type = 0;
  std::string comment;
  int traceCount = 0;
  int sampleCount = 0;
  int markersEdited = 1;

  // Entry k of the type list: the name of type k, or "Type k+1" when it has none.
  static std::vector<std::string> TypeEntries();
  // Trace, sample and type are fixed while several markers are edited.
  bool PlaceEnabled() const { return markersEdited <= 1; }
  Colour SwatchColour() const;
  // OK pressed: false, after telling the user, while the trace or sample is out of range.
  bool OnOK() const;
};

}  // namespace tarvix
