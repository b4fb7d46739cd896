#include "gui/CFileWarnDlgDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "document/CFileWarnDlg.h"

namespace tarvix {

CFileWarnDlgDialog::CFileWarnDlgDialog(CFileWarnDlg& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      dontShow_(new QCheckBox(QString::fromLatin1(CFileWarnDlg::kDontShowAgain))) {
  setWindowTitle(QString::fromLatin1(CFileWarnDlg::kCaption));
  QStringList lines;
  for (const char* line : CFileWarnDlg::kLines) lines << QString::fromLatin1(line);
  auto* text = new QLabel(lines.join(QLatin1Char('\n')));
  text->setObjectName(QStringLiteral("warning"));
  dontShow_->setChecked(model.dontShowAgain);
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(QStringLiteral("&Yes"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("&No"), QDialogButtonBox::RejectRole)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(dontShow_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CFileWarnDlgDialog::accept() {
  model_.dontShowAgain = dontShow_->isChecked();
  QDialog::accept();
}

}  // namespace tarvix
