#include "editor/PaletteEditorDialog.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>
#include <string>

#include "core/CPaletteFile.h"
#include "core/CPreset.h"
#include "editor/ColourBarWidget.h"

namespace tarvix::huelisk {

namespace {

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace

PaletteEditorDialog::PaletteEditorDialog(const CPalette& initial, const QString& startupDirectory,
                                         QWidget* parent)
    : QDialog(parent),
      editor_(initial),
      startupDirectory_(startupDirectory.isEmpty() ? QDir::currentPath() : startupDirectory) {
  setWindowTitle(tr("Palette"));

  presets_ = new QComboBox(this);
  presets_->setObjectName(QStringLiteral("presets"));
  presets_->setPlaceholderText(tr("Custom"));
  for (const CPreset& preset : CPreset::All()) {
    presets_->addItem(QString::fromStdString(preset.name));
  }

  bar_ = new ColourBarWidget(this);
  bar_->setObjectName(QStringLiteral("colourBar"));

  auto* addStop = new QPushButton(tr("&Add stop"), this);
  addStop->setObjectName(QStringLiteral("addStop"));
  removeStop_ = new QPushButton(tr("&Remove stop"), this);
  removeStop_->setObjectName(QStringLiteral("removeStop"));
  auto* stopColour = new QPushButton(tr("&Colour..."), this);
  stopColour->setObjectName(QStringLiteral("stopColour"));
  position_ = new QDoubleSpinBox(this);
  position_->setObjectName(QStringLiteral("position"));
  position_->setRange(0.0, 100.0);
  position_->setDecimals(1);
  position_->setSuffix(QStringLiteral(" %"));
  position_->setKeyboardTracking(false);

  gainSlider_ = new QSlider(Qt::Horizontal, this);
  gainSlider_->setObjectName(QStringLiteral("gainSlider"));
  gainSlider_->setRange(static_cast<int>(CPalette::kMinGain), static_cast<int>(CPalette::kMaxGain));
  gainBox_ = new QDoubleSpinBox(this);
  gainBox_->setObjectName(QStringLiteral("gain"));
  gainBox_->setRange(CPalette::kMinGain, CPalette::kMaxGain);
  gainBox_->setDecimals(2);
  gainBox_->setSingleStep(0.5);
  gainBox_->setKeyboardTracking(false);

  auto* stopRow = new QHBoxLayout;
  stopRow->addWidget(addStop);
  stopRow->addWidget(removeStop_);
  stopRow->addWidget(stopColour);
  stopRow->addSpacing(12);
  stopRow->addWidget(position_);
  stopRow->addStretch();
  auto* gainRow = new QHBoxLayout;
  gainRow->addWidget(gainSlider_, 1);
  gainRow->addWidget(gainBox_);

  auto* gainLabel = new QLabel(tr("&Gain:"), this);
  gainLabel->setBuddy(gainBox_);
  auto* form = new QFormLayout;
  form->addRow(tr("&Preset:"), presets_);
  form->addRow(bar_);
  form->addRow(tr("Stop:"), stopRow);
  form->addRow(gainLabel, gainRow);

  // Files on the left, away from the buttons that close the dialog.
  auto* load = new QPushButton(tr("&Load..."), this);
  load->setObjectName(QStringLiteral("load"));
  auto* save = new QPushButton(tr("&Save..."), this);
  save->setObjectName(QStringLiteral("save"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addWidget(load);
  buttonRow->addWidget(save);
  buttonRow->addStretch();
  buttonRow->addWidget(buttons);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addSpacing(6);
  layout->addLayout(buttonRow);

  connect(presets_, &QComboBox::activated, this, [this](int index) {
    editor_.ApplyPreset(static_cast<std::size_t>(index));
    Refresh();
  });
  connect(bar_, &ColourBarWidget::StopPressed, this, [this](std::size_t index) {
    editor_.Select(index);
    Refresh();
  });
  connect(bar_, &ColourBarWidget::StopDragged, this, [this](double position) {
    editor_.MoveStop(position);
    Refresh();
  });
  connect(bar_, &ColourBarWidget::StopDoubleClicked, this, &PaletteEditorDialog::ChooseStopColour);
  connect(bar_, &ColourBarWidget::BarDoubleClicked, this, [this](double position) {
    editor_.AddStopAt(position);
    Refresh();
  });
  connect(addStop, &QPushButton::clicked, this, [this] {
    editor_.AddStop();
    Refresh();
  });
  connect(removeStop_, &QPushButton::clicked, this, [this] {
    editor_.RemoveStop();
    Refresh();
  });
  connect(stopColour, &QPushButton::clicked, this, &PaletteEditorDialog::ChooseStopColour);
  connect(position_, &QDoubleSpinBox::valueChanged, this, [this](double percent) {
    editor_.MoveStop(percent / 100.0);
    Refresh();
  });
  connect(gainSlider_, &QSlider::valueChanged, this, [this](int gain) {
    editor_.SetGain(static_cast<float>(gain));
    Refresh();
  });
  connect(gainBox_, &QDoubleSpinBox::valueChanged, this, [this](double gain) {
    editor_.SetGain(static_cast<float>(gain));
    Refresh();
  });
  connect(load, &QPushButton::clicked, this, &PaletteEditorDialog::AskLoad);
  connect(save, &QPushButton::clicked, this, &PaletteEditorDialog::AskSave);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  Refresh();
}

void PaletteEditorDialog::Refresh() {
  // The widgets show the editor; setting them must not feed back into it.
  const QSignalBlocker blockPresets(presets_);
  const QSignalBlocker blockPosition(position_);
  const QSignalBlocker blockSlider(gainSlider_);
  const QSignalBlocker blockGain(gainBox_);
  presets_->setCurrentIndex(editor_.MatchingPreset());
  bar_->SetContent(editor_.Entries(), editor_.Ramp().Stops(), editor_.Selected());
  removeStop_->setEnabled(editor_.CanRemoveStop());
  position_->setValue(100.0 * editor_.Ramp().Stops()[editor_.Selected()].position);
  gainSlider_->setValue(static_cast<int>(std::lround(editor_.Gain())));
  gainBox_->setValue(editor_.Gain());
}

void PaletteEditorDialog::ChooseStopColour() {
  const QColor current = QColor::fromRgb(static_cast<QRgb>(editor_.Ramp().Stops()[editor_.Selected()].rgb));
  const QColor chosen = QColorDialog::getColor(current, this, tr("Stop colour"));
  if (chosen.isValid()) {
    editor_.SetStopColour(chosen.rgb() & 0xFFFFFFu);
    Refresh();
  }
}

QString PaletteEditorDialog::FileFilter() const {
  return tr("Palette files (*%1);;All files (*)").arg(QString::fromLatin1(CPaletteFile::kExtension));
}

void PaletteEditorDialog::AskLoad() {
  const QString path =
      QFileDialog::getOpenFileName(this, tr("Load palette"), startupDirectory_, FileFilter());
  if (!path.isEmpty()) {
    LoadFrom(path);
  }
}

void PaletteEditorDialog::AskSave() {
  const QString suggested =
      QDir(startupDirectory_)
          .filePath(QStringLiteral("palette") + QString::fromLatin1(CPaletteFile::kExtension));
  QString path = QFileDialog::getSaveFileName(this, tr("Save palette"), suggested, FileFilter());
  if (path.isEmpty()) {
    return;
  }
  if (QFileInfo(path).suffix().isEmpty()) {
    path += QString::fromLatin1(CPaletteFile::kExtension);
  }
  SaveTo(path);
}

bool PaletteEditorDialog::LoadFrom(const QString& path) {
  std::string error;
  if (editor_.LoadFile(Utf8(path), error)) {
    Refresh();
    return true;
  }
  QMessageBox::warning(this, tr("Error"),
                       tr("The palette file \"%1\" was not loaded and the palette is unchanged.\n\n%2")
                           .arg(QDir::toNativeSeparators(path), QString::fromStdString(error)));
  return false;
}

bool PaletteEditorDialog::SaveTo(const QString& path) {
  std::string error;
  if (editor_.SaveFile(Utf8(path), error)) {
    return true;
  }
  QMessageBox::warning(this, tr("Error"),
                       tr("The palette file \"%1\" was not saved.\n\n%2")
                           .arg(QDir::toNativeSeparators(path), QString::fromStdString(error)));
  return false;
}

}  // namespace tarvix::huelisk
