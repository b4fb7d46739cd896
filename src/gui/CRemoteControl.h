#pragma once
#include <QDockWidget>
#include <functional>

#include "document/RemoteControlModel.h"

class QSlider;

namespace tarvix {

// The floating bar with one slider for the hyperbola parameter being edited.
class CRemoteControl : public QDockWidget {
  Q_OBJECT
 public:
  // The slider moved to a position; the active profile view applies it.
  using PositionHandler = std::function<void(const RemoteControlModel& remote, int position)>;

  explicit CRemoteControl(QWidget* parent);

  void SetRemoteMode(int value, int mode);
  void SetPositionHandler(PositionHandler handler) { handler_ = std::move(handler); }

  const RemoteControlModel& Model() const { return model_; }
  QSlider* Slider() const { return slider_; }

 private:
  RemoteControlModel model_;
  QSlider* slider_;
  PositionHandler handler_;
};

}  // namespace tarvix
