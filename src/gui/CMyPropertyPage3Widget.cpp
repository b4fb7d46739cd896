#include "gui/CMyPropertyPage3Widget.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/CMyPropertyPage3.h"

namespace tarvix {

CMyPropertyPage3Widget::CMyPropertyPage3Widget(CMyPropertyPage3& page, QWidget* parent)
    : CMyPropertyPageWidget(parent), page_(page) {
  setObjectName(QStringLiteral("Markers"));
  auto* layout = new QGridLayout(this);
  for (int i = 0; i < kEditableMarkerTypes; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    auto* name = new QLineEdit;
    name->setObjectName(QStringLiteral("typeName%1").arg(i));
    // A disabled edit painted in the type's colour, as the radargram draws it.
    auto* swatch = new QLineEdit;
    swatch->setEnabled(false);
    swatch->setFixedWidth(40);
    const Colour colour = CMyPropertyPage3::SwatchColour(i);
    swatch->setStyleSheet(
        QStringLiteral("QLineEdit { background-color: rgb(%1, %2, %3); border: 1px solid gray; }")
            .arg(RedOf(colour))
            .arg(GreenOf(colour))
            .arg(BlueOf(colour)));
    names_[slot] = name;
    swatches_[slot] = swatch;
    layout->addWidget(new QLabel(QStringLiteral("Type %1").arg(i + 1)), i, 0);
    layout->addWidget(swatch, i, 1);
    layout->addWidget(name, i, 2);
  }
  layout->setRowStretch(kEditableMarkerTypes, 1);
}

void CMyPropertyPage3Widget::Load() {
  for (std::size_t i = 0; i < names_.size(); ++i) names_[i]->setText(QString::fromStdString(page_.names[i]));
}

void CMyPropertyPage3Widget::Store() {
  for (std::size_t i = 0; i < names_.size(); ++i) page_.names[i] = names_[i]->text().toStdString();
}

}  // namespace tarvix
