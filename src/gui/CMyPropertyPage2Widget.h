#pragma once
#include "gui/CMyPropertyPageWidget.h"

class QLineEdit;

namespace tarvix {

class CMyPropertyPage2;
class RadioGroup;

// The "General" page: units, the site map printout title, the map coordinate system and the
// coordinate order of DXF files.
class CMyPropertyPage2Widget : public CMyPropertyPageWidget {
  Q_OBJECT
 public:
  CMyPropertyPage2Widget(CMyPropertyPage2& page, QWidget* parent = nullptr);
  void Load() override;
  void Store() override;

 private:
  void EnableControls();

  CMyPropertyPage2& page_;
  RadioGroup* units_;
  RadioGroup* title_;
  QLineEdit* titleText_;
  RadioGroup* orientation_;
  RadioGroup* coordOrder_;
};

}  // namespace tarvix
