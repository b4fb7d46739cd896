#pragma once
#include <QDialog>
#include <QString>

#include "core/CPaletteEditor.h"

class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QSlider;

namespace tarvix::huelisk {

class ColourBarWidget;

// The modal palette editor: presets, colour stops over a live bar of the 64 entries, the gain,
// and palette files in the start-up folder. Every rule is CPaletteEditor's.
class PaletteEditorDialog : public QDialog {
  Q_OBJECT

 public:
  PaletteEditorDialog(const CPalette& initial, const QString& startupDirectory, QWidget* parent = nullptr);

  CPalette Result() const { return editor_.Result(); }

  // Loads or saves the palette file, telling the user when that fails; a file that cannot be
  // loaded leaves the palette as it was.
  bool LoadFrom(const QString& path);
  bool SaveTo(const QString& path);

 private:
  void Refresh();
  void ChooseStopColour();
  void AskLoad();
  void AskSave();
  QString FileFilter() const;

  CPaletteEditor editor_;
  QString startupDirectory_;
  QComboBox* presets_;
  ColourBarWidget* bar_;
  QPushButton* removeStop_;
  QDoubleSpinBox* position_;
  QSlider* gainSlider_;
  QDoubleSpinBox* gainBox_;
};

}  // namespace tarvix::huelisk
