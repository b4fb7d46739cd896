#pragma once
#include "gui/CMyPropertyPageWidget.h"

class QLabel;
class QLineEdit;

namespace tarvix {

class CMyPropertyPage1;
class ProfileCountSpinBox;
class RadioGroup;

// The "GPR Profiles" page: profiles shown at once, first arrival, ground velocity, the vertical
// scale, the sort order, the radar data size and the GPS antenna height.
class CMyPropertyPage1Widget : public CMyPropertyPageWidget {
  Q_OBJECT
 public:
  CMyPropertyPage1Widget(CMyPropertyPage1& page, QWidget* parent = nullptr);
  void Load() override;
  void Store() override;

 private:
  CMyPropertyPage1& page_;
  ProfileCountSpinBox* maxProfile_;
  QLineEdit* zeroLevel_;
  QLineEdit* velocity_;
  QLabel* velocityUnit_;
  QLineEdit* gpsHeight_;
  RadioGroup* vertScale_;
  RadioGroup* profOrder_;
  RadioGroup* profSize_;
};

}  // namespace tarvix
