#include "gui/CMyPropertyPage1Widget.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>

#include "app/CMyPropertyPage1.h"
#include "gui/ProfileCountSpinBox.h"
#include "gui/RadioGroup.h"

namespace tarvix {

namespace {

QString Number(double value) { return QString::number(value, 'g', 15); }

// Text that is no number reads as 0, which the page's checks refuse where 0 is not allowed.
double ReadNumber(const QLineEdit& edit) { return edit.text().trimmed().toDouble(); }

QLineEdit* NumberEdit(const char* name) {
  auto* edit = new QLineEdit;
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

}  // namespace

CMyPropertyPage1Widget::CMyPropertyPage1Widget(CMyPropertyPage1& page, QWidget* parent)
    : CMyPropertyPageWidget(parent),
      page_(page),
      maxProfile_(new ProfileCountSpinBox(
          [&page](int value, int steps) {
            page.maxProfile = value;
            page.StepMaxProfile(steps);
            return static_cast<int>(page.maxProfile);
          },
          CMyPropertyPage1::kFewestProfiles, CMyPropertyPage1::kMostProfiles)),
      zeroLevel_(NumberEdit("zeroLevel")),
      velocity_(NumberEdit("velocity")),
      velocityUnit_(new QLabel),
      gpsHeight_(NumberEdit("gpsHeight")),
      vertScale_(new RadioGroup(QStringLiteral("Vertical scale"), {"Time", "Depth"})),
      profOrder_(new RadioGroup(QStringLiteral("Sort order"), {"Ascending", "Descending"})),
      profSize_(new RadioGroup(QStringLiteral("Radar data size"), {"Autodetect", "16 bits", "32 bits"})) {
  setObjectName(QStringLiteral("GPR Profiles"));
  maxProfile_->setObjectName(QStringLiteral("maxProfile"));
  velocityUnit_->setObjectName(QStringLiteral("velocityUnit"));
  zeroLevel_->setValidator(new QIntValidator(zeroLevel_));

  auto* arrival = new QHBoxLayout;
  arrival->addWidget(zeroLevel_);
  arrival->addWidget(new QLabel(QStringLiteral("samples")));
  auto* velocity = new QHBoxLayout;
  velocity->addWidget(velocity_);
  velocity->addWidget(velocityUnit_);
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Maximum number of profiles"), maxProfile_);
  fields->addRow(QStringLiteral("First arrival at:"), arrival);
  fields->addRow(QStringLiteral("Ground Velocity"), velocity);
  fields->addRow(QStringLiteral("GPS antenna height"), gpsHeight_);

  auto* layout = new QGridLayout(this);
  layout->addLayout(fields, 0, 0, 1, 3);
  layout->addWidget(vertScale_, 1, 0);
  layout->addWidget(profOrder_, 1, 1);
  layout->addWidget(profSize_, 1, 2);
  layout->setRowStretch(2, 1);
}

void CMyPropertyPage1Widget::Load() {
  maxProfile_->setValue(page_.maxProfile);
  zeroLevel_->setText(QString::number(page_.zeroLevel));
  velocity_->setText(Number(page_.velocity));
  velocityUnit_->setText(QString::fromStdString(page_.velocityUnit));
  gpsHeight_->setText(Number(page_.gpsHeight));
  vertScale_->SetValue(page_.vertScale);
  profOrder_->SetValue(page_.profOrder);
  profSize_->SetValue(page_.profSize);
}

void CMyPropertyPage1Widget::Store() {
  page_.maxProfile = maxProfile_->value();
  page_.zeroLevel = zeroLevel_->text().toInt();
  page_.velocity = ReadNumber(*velocity_);
  page_.gpsHeight = ReadNumber(*gpsHeight_);
  page_.vertScale = vertScale_->Value();
  page_.profOrder = profOrder_->Value();
  page_.profSize = profSize_->Value();
}

}  // namespace tarvix
