#pragma once
#include <QToolBar>
#include <functional>
#include <map>

class QSlider;

namespace tarvix {

// The profile frame's tool bar: the seven marker tools, the filter and hyperbola buttons, and the
// contrast slider for the display gain.
class CSlideToolBar : public QToolBar {
  Q_OBJECT
 public:
  static constexpr int kSliderId = 32800;
  static constexpr int kSliderWidth = 240;
  static constexpr int kHyperbolaTool = 32820;
  // The marker tools for types 0..6.
  static constexpr int kMarkerTools[7] = {32792, 32793, 32794, 32795, 32796, 32811, 32812};

  // `run` carries out a button's command; `gainMoved` gets the slider's new position.
  CSlideToolBar(QWidget* parent, std::function<void(int)> run, std::function<void(int)> gainMoved);

  // Buttons by command id, for their enabling and check marks.
  const std::map<int, QAction*>& Buttons() const { return buttons_; }
  QSlider* GainSlider() const { return slider_; }
  // The marker tools' tips are the marker type names in force.
  void RefreshToolTips();
  void ShowGain(int position);

 private:
  QAction* AddButton(int id, const QString& icon, const QString& tip);

  std::function<void(int)> run_;
  std::map<int, QAction*> buttons_;
  QSlider* slider_ = nullptr;
};

}  // namespace tarvix
