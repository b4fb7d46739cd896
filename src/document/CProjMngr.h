#pragma once
#include <string>

#include "platform/UserInterface.h"

namespace tarvix {

class CTarvixDoc;

// The Project Manager: builds a new project or edits the open one, working directly on the
// document's project.
class CProjMngr : public DialogModel {
 public:
  enum Mode { kNewProject = 0, kEditProject = 1 };

  CProjMngr(CTarvixDoc& document, std::string projectName, Mode mode);

  std::string DialogName() const override { return "CProjMngr"; }

  // OK: with a usable name the project takes its type and name, the document its path, and
  // projectFolder becomes the project's folder. False (after a message) keeps the dialog open.
  bool OnOK();

  CTarvixDoc& document;
  std::string projectName;  // the project file's path without extension
  Mode mode;
  bool typeFixed;
  bool baselineProject;  // "Baseline" rather than "GPS support"
  bool modified = false;
  std::string projectFolder;
};

}  // namespace tarvix
