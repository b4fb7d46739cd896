#include "gui/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace tarvix {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Tarvix"));
  auto* icon = new QLabel;
  icon->setPixmap(QIcon(QStringLiteral(":/icons/tarvix.svg")).pixmap(48, 48));
  auto* name = new QLabel(QStringLiteral("Tarvix"));
  name->setObjectName(QStringLiteral("programName"));
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  auto* version = new QLabel(QStringLiteral("Version 1.6.3"));
  version->setObjectName(QStringLiteral("version"));
  auto* texts = new QVBoxLayout;
  texts->addWidget(name);
  texts->addWidget(version);
  auto* row = new QHBoxLayout;
  row->addWidget(icon);
  row->addSpacing(12);
  row->addLayout(texts);
  row->addStretch();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tarvix
