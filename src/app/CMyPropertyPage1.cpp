#include "app/CMyPropertyPage1.h"

#include <algorithm>

#include "app/AppContext.h"
#include "app/TextHelpers.h"
#include "model/TextLines.h"
#include "platform/UserInterface.h"

namespace tarvix {

namespace {

bool InFeet() { return App().settings.Units == 1; }

void ShowInputError(const std::string& text) {
  App().ui.ShowMessage({text, "ERROR", MessageIcon::Error, MessageButtons::Ok});
}

}  // namespace

void CMyPropertyPage1::OnSetActive() {
  velocityUnit = UnitLabel() + "/µs";
  velocity = MetresToDisplay(velocity);
  if (InFeet()) velocity = RoundToFraction(velocity, 100);
}

bool CMyPropertyPage1::OnKillActive() {
  const double fastest = MetresToDisplay(kFastestVelocity);
  if (velocity <= 0 || velocity > fastest) {
    ShowInputError(Format("Wrong velocity! Correct value is <= %5.1f", fastest));
    return false;
  }
  if (maxProfile < kFewestProfiles || maxProfile > kMostProfiles) {
    ShowInputError("Wrong maximum number of profiles! \nCorrect value is 1 - 10");
    return false;
  }
  // Only a page that may be left goes back to metres, so a refused page keeps showing its unit.
  if (InFeet()) velocity = RoundToFraction(DisplayToMetres(velocity), 100);
  return true;
}

void CMyPropertyPage1::StepMaxProfile(int steps) {
  maxProfile = std::clamp(maxProfile + steps, kFewestProfiles, kMostProfiles);
}

}  // namespace tarvix
