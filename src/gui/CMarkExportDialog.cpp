#include "gui/CMarkExportDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "document/CMarkExport.h"

namespace tarvix {

namespace {

constexpr int kColourRole = Qt::UserRole + 1;

// Each entry: its label at the left, a rectangle of its colour in the right half.
class ColourEntryDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    painter->fillRect(option.rect, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    QRect swatch = option.rect.adjusted(3, 3, -3, -3);
    swatch.setLeft(option.rect.center().x());
    painter->fillRect(swatch, index.data(kColourRole).value<QColor>());
  }
};

}  // namespace

CMarkExportDialog::CMarkExportDialog(CMarkExport& model, QWidget* parent)
    : QDialog(parent), model_(model), types_(new QComboBox) {
  setWindowTitle(QStringLiteral("Choose marker type"));
  types_->setObjectName(QStringLiteral("types"));
  types_->setItemDelegate(new ColourEntryDelegate(types_));
  for (const auto& entry : CMarkExport::Entries()) {
    types_->addItem(QString::fromStdString(entry.label));
    types_->setItemData(types_->count() - 1,
                        QColor(RedOf(entry.colour), GreenOf(entry.colour), BlueOf(entry.colour)), kColourRole);
  }
  types_->setCurrentIndex(model.selected);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromLatin1(CMarkExport::kQuestion)));
  layout->addWidget(types_);
  layout->addWidget(buttons);
}

void CMarkExportDialog::accept() {
  model_.selected = types_->currentIndex();
  QDialog::accept();
}

}  // namespace tarvix
