#include "gui/CMyPropertyPage2Widget.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/CMyPropertyPage2.h"
#include "gui/RadioGroup.h"

namespace tarvix {

CMyPropertyPage2Widget::CMyPropertyPage2Widget(CMyPropertyPage2& page, QWidget* parent)
    : CMyPropertyPageWidget(parent),
      page_(page),
      units_(new RadioGroup(QStringLiteral("Units"), {"Meters", "Feet"})),
      title_(new RadioGroup(QStringLiteral("Site Map Printout Title"),
                            {"Default: Project Name", "User Defined"})),
      titleText_(new QLineEdit),
      orientation_(new RadioGroup(QStringLiteral("Map coordinate system"),
                                  {"Left handed (X up, Y right)", "Right handed (X right, Y up)"})),
      coordOrder_(new RadioGroup(QStringLiteral("Export to DXF"), {"Easting first", "Northing first"})) {
  setObjectName(QStringLiteral("General"));
  titleText_->setObjectName(QStringLiteral("titleText"));
  title_->layout()->addWidget(titleText_);
  static_cast<QVBoxLayout*>(coordOrder_->layout())
      ->insertWidget(0, new QLabel(QStringLiteral("Coordinates order:")));
  auto* layout = new QGridLayout(this);
  layout->addWidget(units_, 0, 0);
  layout->addWidget(title_, 0, 1);
  layout->addWidget(orientation_, 1, 0);
  layout->addWidget(coordOrder_, 1, 1);
  layout->setRowStretch(2, 1);
  connect(title_, &RadioGroup::Clicked, this, [this] {
    Store();
    EnableControls();
  });
  for (RadioGroup* group : {orientation_, coordOrder_})
    connect(group, &RadioGroup::Clicked, this, &CMyPropertyPage2Widget::Store);
}

void CMyPropertyPage2Widget::EnableControls() {
  titleText_->setEnabled(page_.IsTitleEditEnabled());
  orientation_->setEnabled(page_.IsOrientationEnabled());
}

void CMyPropertyPage2Widget::Load() {
  units_->SetValue(page_.units);
  title_->SetValue(page_.titleFlag);
  titleText_->setText(QString::fromStdString(page_.titleText));
  orientation_->SetValue(page_.orientation);
  coordOrder_->SetValue(page_.coordOrder);
  EnableControls();
}

void CMyPropertyPage2Widget::Store() {
  page_.units = units_->Value();
  page_.titleFlag = title_->Value();
  page_.titleText = titleText_->text().toStdString();
  page_.orientation = orientation_->Value();
  page_.coordOrder = coordOrder_->Value();
}

}  // namespace tarvix
