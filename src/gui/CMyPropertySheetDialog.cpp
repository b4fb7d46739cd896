#include "gui/CMyPropertySheetDialog.h"

#include <QDialogButtonBox>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/CMyPropertySheet.h"
#include "gui/CMyPropertyPage1Widget.h"
#include "gui/CMyPropertyPage2Widget.h"
#include "gui/CMyPropertyPage3Widget.h"

namespace tarvix {

CMyPropertySheetDialog::CMyPropertySheetDialog(CMyPropertySheet& sheet, QWidget* parent)
    : QDialog(parent), sheet_(sheet), tabs_(new QTabWidget) {
  setWindowTitle(QString::fromLatin1(CMyPropertySheet::kCaption));
  pages_ = {new CMyPropertyPage2Widget(sheet.general), new CMyPropertyPage1Widget(sheet.profiles),
            new CMyPropertyPage3Widget(sheet.markers)};
  const auto models = sheet.Pages();
  for (std::size_t i = 0; i < pages_.size(); ++i)
    tabs_->addTab(pages_[i], QString::fromStdString(models[i]->Title()));
  shown_ = sheet.ActivePage() < 0 ? 0 : sheet.ActivePage();
  tabs_->setCurrentIndex(shown_);
  pages_[static_cast<std::size_t>(shown_)]->Load();
  connect(tabs_, &QTabWidget::currentChanged, this, &CMyPropertySheetDialog::OnTabChanged);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);
}

void CMyPropertySheetDialog::OnTabChanged(int index) {
  pages_[static_cast<std::size_t>(shown_)]->Store();
  if (!sheet_.SelectPage(index)) {
    // The page shown refused to be left; it keeps what the user typed.
    const QSignalBlocker blocker(tabs_);
    tabs_->setCurrentIndex(shown_);
    return;
  }
  shown_ = index;
  pages_[static_cast<std::size_t>(shown_)]->Load();
}

void CMyPropertySheetDialog::accept() {
  pages_[static_cast<std::size_t>(shown_)]->Store();
  if (!sheet_.PressOk()) return;
  QDialog::accept();
}

}  // namespace tarvix
