#pragma once
#include <QWidget>
#include <cstddef>
#include <vector>

#include "core/CColourRamp.h"

namespace tarvix::huelisk {

// The 64 palette entries as a bar of cells, with a handle under the bar for every colour stop.
// Pressing a handle selects it and dragging moves it; double-clicking a handle asks for its
// colour, double-clicking elsewhere adds a stop there.
class ColourBarWidget : public QWidget {
  Q_OBJECT

 public:
  explicit ColourBarWidget(QWidget* parent = nullptr);

  void SetContent(const CColourRamp::Entries& entries, const std::vector<CColourStop>& stops,
                  std::size_t selected);

  // Where the cells are drawn, and where a stop at a palette position stands: position 0 is the
  // centre of cell 0 and position 1 the centre of cell 63.
  QRect BarRect() const;
  QRect CellRect(int entry) const;
  int XOfPosition(double position) const;
  double PositionOfX(int x) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void StopPressed(std::size_t index);
  void StopDragged(double position);
  void StopDoubleClicked();
  void BarDoubleClicked(double position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // The stop whose handle is nearest to x within grabbing distance, or -1.
  int StopAt(int x) const;

  CColourRamp::Entries entries_{};
  std::vector<CColourStop> stops_;
  std::size_t selected_ = 0;
  bool dragging_ = false;
};

}  // namespace tarvix::huelisk
