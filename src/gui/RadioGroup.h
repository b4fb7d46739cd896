#pragma once
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <initializer_list>

namespace tarvix {

// Radio buttons for the values 0, 1, ... of one setting, in a group box.
class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& title, std::initializer_list<const char*> choices, QWidget* parent = nullptr)
      : QGroupBox(title, parent) {
    auto* layout = new QVBoxLayout(this);
    int value = 0;
    for (const char* choice : choices) {
      auto* button = new QRadioButton(QString::fromUtf8(choice));
      buttons_.addButton(button, value++);
      layout->addWidget(button);
    }
    connect(&buttons_, &QButtonGroup::idClicked, this, &RadioGroup::Clicked);
  }

  int Value() const { return buttons_.checkedId(); }
  void SetValue(int value) {
    if (QAbstractButton* button = buttons_.button(value)) button->setChecked(true);
  }
  QAbstractButton* Button(int value) const { return buttons_.button(value); }

 signals:
  void Clicked(int value);

 private:
  QButtonGroup buttons_;
};

}  // namespace tarvix
