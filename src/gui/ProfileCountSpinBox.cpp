#include "gui/ProfileCountSpinBox.h"

#include <limits>

namespace tarvix {

ProfileCountSpinBox::ProfileCountSpinBox(std::function<int(int, int)> step, int lowest, int highest,
                                         QWidget* parent)
    : QSpinBox(parent), step_(std::move(step)), lowest_(lowest), highest_(highest) {
  setRange(std::numeric_limits<int>::min() + 1, std::numeric_limits<int>::max());
}

void ProfileCountSpinBox::stepBy(int steps) { setValue(step_(value(), steps)); }

QAbstractSpinBox::StepEnabled ProfileCountSpinBox::stepEnabled() const {
  StepEnabled enabled = StepNone;
  if (value() < highest_) enabled |= StepUpEnabled;
  if (value() > lowest_) enabled |= StepDownEnabled;
  return enabled;
}

}  // namespace tarvix
