#pragma once
#include <QSpinBox>
#include <functional>

namespace tarvix {

// The "Maximum number of profiles" edit with its up-down arrows: the arrows step through the
// model's range, while any whole number may be typed (the page refuses it when leaving).
class ProfileCountSpinBox : public QSpinBox {
  Q_OBJECT
 public:
  // `step` turns a value and a number of steps into the value the arrows give.
  ProfileCountSpinBox(std::function<int(int value, int steps)> step, int lowest, int highest,
                      QWidget* parent = nullptr);
  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override;

 private:
  std::function<int(int, int)> step_;
  int lowest_;
  int highest_;
};

}  // namespace tarvix
