#include "gui/CMrkDlgDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "document/CMrkDlg.h"

namespace tarvix {

namespace {

QLineEdit* ReadOnly(const std::string& text, const char* name) {
  auto* edit = new QLineEdit(QString::fromStdString(text));
  edit->setReadOnly(true);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

QLineEdit* Integer(int value, const char* name, QObject* parent) {
  auto* edit = new QLineEdit(QString::number(value));
  edit->setObjectName(QString::fromLatin1(name));
  edit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]{0,9}")), parent));
  return edit;
}

}  // namespace

CMrkDlgDialog::CMrkDlgDialog(CMrkDlg& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      trace_(Integer(model.trace, "trace", this)),
      sample_(Integer(model.sample, "sample", this)),
      type_(new QComboBox),
      swatch_(new QLabel),
      comment_(new QPlainTextEdit(QString::fromStdString(model.comment))) {
  setWindowTitle(QStringLiteral("Edit Marker"));
  type_->setObjectName(QStringLiteral("type"));
  for (const auto& entry : CMrkDlg::TypeEntries()) type_->addItem(QString::fromStdString(entry));
  type_->setCurrentIndex(model.type >= 0 && model.type < type_->count() ? model.type : -1);
  swatch_->setObjectName(QStringLiteral("swatch"));
  swatch_->setFixedSize(24, 16);
  swatch_->setAutoFillBackground(true);
  comment_->setObjectName(QStringLiteral("comment"));
  comment_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  comment_->setFixedHeight(60);
  const bool place = model.PlaceEnabled();
  trace_->setEnabled(place);
  sample_->setEnabled(place);
  type_->setEnabled(place);
  connect(type_, &QComboBox::currentIndexChanged, this, [this](int index) {
    model_.type = index;
    ShowSwatch();
  });
  ShowSwatch();

  auto* typeRow = new QHBoxLayout;
  typeRow->addWidget(type_, 1);
  typeRow->addWidget(swatch_);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Profile"), ReadOnly(model.profile, "profile"));
  form->addRow(QStringLiteral("Coordinate"), ReadOnly(model.coordinate, "coordinate"));
  form->addRow(QStringLiteral("Trace"), trace_);
  form->addRow(QStringLiteral("Sample"), sample_);
  form->addRow(QStringLiteral("Type"), typeRow);
  form->addRow(QStringLiteral("Comment"), comment_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void CMrkDlgDialog::ShowSwatch() {
  const Colour c = model_.SwatchColour();
  QPalette colours = swatch_->palette();
  colours.setColor(QPalette::Window, QColor(RedOf(c), GreenOf(c), BlueOf(c)));
  swatch_->setPalette(colours);
}

void CMrkDlgDialog::accept() {
  // What is refused is not written back: the dialog stays open with the user's values.
  CMrkDlg values = model_;
  values.trace = trace_->text().toInt();
  values.sample = sample_->text().toInt();
  values.type = type_->currentIndex();
  values.comment = comment_->toPlainText().toStdString();
  if (!values.OnOK()) return;
  model_ = values;
  QDialog::accept();
}

}  // namespace tarvix
