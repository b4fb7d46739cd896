#include "document/CProjMngr.h"

#include "app/AppContext.h"
#include "app/TextHelpers.h"
#include "document/CTarvixDoc.h"
#include "model/FileCopy.h"

namespace tarvix {

CProjMngr::CProjMngr(CTarvixDoc& doc, std::string name, Mode openMode)
    : document(doc),
      projectName(std::move(name)),
      mode(openMode),
      typeFixed(openMode == kEditProject),
      baselineProject(!doc.project.IsGPSProject()) {}

bool CProjMngr::OnOK() {
  if (projectName.empty() || FileNameOfPath(projectName).empty()) {
    App().ui.ShowMessage({"You have to set Project Name!", "ERROR", MessageIcon::Error, MessageButtons::Ok});
    return false;
  }
  document.state.firstProfile = 0;
  document.project.version = baselineProject ? 1 : 2;
  document.project.basePath = projectName;
  document.SetPathName(projectName + ".tvx", false);
  projectFolder = DirectoryOfPath(projectName);
  if (modified) document.SetModifiedFlag();
  return true;
}

}  // namespace tarvix
