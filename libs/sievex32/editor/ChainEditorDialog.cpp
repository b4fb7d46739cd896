#include "ChainEditorDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "GreyRadargram.h"

namespace tarvix::sievex {

namespace {

// The preview pictures' size on screen, whatever the number of traces and samples.
constexpr int kPreviewWidth = 220;
constexpr int kPreviewHeight = 260;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QPixmap Radargram(const TraceBlock& block) {
  if (block.samples <= 0 || block.traces <= 0) {
    QPixmap empty(kPreviewWidth, kPreviewHeight);
    empty.fill(Qt::gray);
    return empty;
  }
  const std::vector<std::uint8_t> grey = GreyRadargram(block);
  const QImage image(grey.data(), block.traces, block.samples, block.traces, QImage::Format_Grayscale8);
  // scaled() copies, so the picture does not outlive the buffer.
  return QPixmap::fromImage(
      image.scaled(kPreviewWidth, kPreviewHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QLabel* PreviewLabel(const QString& name) {
  auto* label = new QLabel;
  label->setObjectName(name);
  label->setFixedSize(kPreviewWidth, kPreviewHeight);
  label->setFrameShape(QFrame::Box);
  return label;
}

}  // namespace

ChainEditorDialog::ChainEditorDialog(ChainEditor& editor, QWidget* parent)
    : QDialog(parent), editor_(editor) {
  setWindowTitle(QStringLiteral("Filter List"));
  setModal(true);
  BuildLayout();
  ShowChain();
  ShowParameters();
  ShowPreview();
}

void ChainEditorDialog::BuildLayout() {
  chainList_ = new QListWidget;
  chainList_->setObjectName(QStringLiteral("chainList"));
  chainList_->setMinimumWidth(240);
  connect(chainList_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (showing_) return;
    editor_.Select(row);
    ShowParameters();
  });
  connect(chainList_, &QListWidget::itemChanged, this, &ChainEditorDialog::ItemChanged);

  kindBox_ = new QComboBox;
  kindBox_->setObjectName(QStringLiteral("kindBox"));
  for (const FilterKind& kind : Catalog()) kindBox_->addItem(Text(kind.title));
  auto* addButton = new QPushButton(QStringLiteral("&Add"));
  addButton->setObjectName(QStringLiteral("addButton"));
  connect(addButton, &QPushButton::clicked, this, [this] {
    const int index = kindBox_->currentIndex();
    if (index >= 0) Change([&] { editor_.Add(Catalog()[static_cast<std::size_t>(index)]); });
  });
  removeButton_ = new QPushButton(QStringLiteral("&Remove"));
  removeButton_->setObjectName(QStringLiteral("removeButton"));
  connect(removeButton_, &QPushButton::clicked, this, [this] { Change([&] { editor_.Remove(); }); });
  upButton_ = new QPushButton(QStringLiteral("Move &up"));
  upButton_->setObjectName(QStringLiteral("upButton"));
  connect(upButton_, &QPushButton::clicked, this, [this] { Change([&] { editor_.MoveUp(); }); });
  downButton_ = new QPushButton(QStringLiteral("Move &down"));
  downButton_->setObjectName(QStringLiteral("downButton"));
  connect(downButton_, &QPushButton::clicked, this, [this] { Change([&] { editor_.MoveDown(); }); });
  auto* recommendedButton = new QPushButton(QStringLiteral("Re&commended chain"));
  recommendedButton->setObjectName(QStringLiteral("recommendedButton"));
  connect(recommendedButton, &QPushButton::clicked, this,
          [this] { Change([&] { editor_.UseRecommended(); }); });

  auto* addRow = new QHBoxLayout;
  addRow->addWidget(kindBox_, 1);
  addRow->addWidget(addButton);
  auto* moveRow = new QHBoxLayout;
  moveRow->addWidget(removeButton_);
  moveRow->addWidget(upButton_);
  moveRow->addWidget(downButton_);
  auto* chainBox = new QGroupBox(QStringLiteral("Filters, in the order they run"));
  auto* chainLayout = new QVBoxLayout(chainBox);
  chainLayout->addWidget(chainList_, 1);
  chainLayout->addLayout(addRow);
  chainLayout->addLayout(moveRow);
  chainLayout->addWidget(recommendedButton);

  auto* parameterBox = new QGroupBox(QStringLiteral("Parameters"));
  auto* parameterLayout = new QVBoxLayout(parameterBox);
  helpLabel_ = new QLabel;
  helpLabel_->setWordWrap(true);
  helpLabel_->setMinimumWidth(220);
  auto* parameterPanel = new QWidget;
  parameterForm_ = new QFormLayout(parameterPanel);
  parameterLayout->addWidget(helpLabel_);
  parameterLayout->addWidget(parameterPanel);
  parameterLayout->addStretch(1);

  beforeImage_ = PreviewLabel(QStringLiteral("beforeImage"));
  afterImage_ = PreviewLabel(QStringLiteral("afterImage"));
  auto* previewBox = new QGroupBox(QStringLiteral("Preview"));
  auto* previewGrid = new QHBoxLayout(previewBox);
  for (auto [caption, image] :
       {std::pair{QStringLiteral("Before"), beforeImage_}, std::pair{QStringLiteral("After"), afterImage_}}) {
    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(caption));
    column->addWidget(image);
    previewGrid->addLayout(column);
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->setObjectName(QStringLiteral("buttons"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* columns = new QHBoxLayout;
  columns->addWidget(chainBox);
  columns->addWidget(parameterBox);
  columns->addWidget(previewBox);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addWidget(buttons);
}

template <typename Command>
void ChainEditorDialog::Change(Command command) {
  command();
  ShowChain();
  ShowParameters();
  ShowPreview();
}

void ChainEditorDialog::ShowChain() {
  showing_ = true;
  chainList_->clear();
  for (const FilterStep& step : editor_.Chain()) {
    auto* item = new QListWidgetItem(Text(step.kind->title), chainList_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(step.enabled ? Qt::Checked : Qt::Unchecked);
  }
  chainList_->setCurrentRow(editor_.Selected());
  showing_ = false;
}

void ChainEditorDialog::ShowParameters() {
  removeButton_->setEnabled(editor_.CanRemove());
  upButton_->setEnabled(editor_.CanMoveUp());
  downButton_->setEnabled(editor_.CanMoveDown());
  while (parameterForm_->rowCount() > 0) parameterForm_->removeRow(0);
  const FilterStep* step = editor_.SelectedStep();
  if (step == nullptr) {
    helpLabel_->setText(editor_.Chain().empty()
                            ? QStringLiteral("The list is empty: traces are shown unfiltered.")
                            : QString());
    return;
  }
  helpLabel_->setText(Text(step->kind->help));
  for (std::size_t p = 0; p < step->kind->parameters.size(); ++p) {
    const ParameterSpec& spec = step->kind->parameters[p];
    auto* box = new QDoubleSpinBox;
    box->setObjectName(Text(spec.key));
    box->setDecimals(spec.decimals);
    box->setRange(spec.minimum, spec.maximum);
    box->setValue(step->values[p]);
    if (!spec.unit.empty()) box->setSuffix(QStringLiteral(" ") + Text(spec.unit));
    if (!spec.special.empty()) box->setSpecialValueText(Text(spec.special));
    connect(box, &QDoubleSpinBox::valueChanged, this, [this, p](double value) {
      editor_.SetValue(static_cast<int>(p), value);
      ShowPreview();
    });
    parameterForm_->addRow(Text(spec.label), box);
  }
}

void ChainEditorDialog::ShowPreview() {
  beforeImage_->setPixmap(Radargram(editor_.Preview().traces));
  afterImage_->setPixmap(Radargram(editor_.Filtered()));
}

void ChainEditorDialog::ItemChanged(QListWidgetItem* item) {
  if (showing_) return;
  editor_.SetEnabled(chainList_->row(item), item->checkState() == Qt::Checked);
  ShowPreview();
}

}  // namespace tarvix::sievex
