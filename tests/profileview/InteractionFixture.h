#pragma once
#include <vector>

#include "document/RemoteControlModel.h"
#include "profileview/ProfileViewInteraction.h"
#include "profileview/ProfileViewWindow.h"
#include "profileview/RemoteControlTarget.h"
#include "ViewFixture.h"

namespace tarvix::testing {

// A window that counts what the view asks of it, and a remote-control bar that records its modes.
struct CountingWindow : ProfileViewWindow {
  void Invalidate() override { ++invalidations; }
  void UpdateNow() override { ++invalidations; }
  void ApplyScrollBars(const ScrollBarState&, const ScrollBarState&) override {}
  int invalidations = 0;
};

struct RecordingRemote : RemoteControlTarget {
  struct Call {
    int value;
    int mode;
    friend bool operator==(const Call&, const Call&) = default;
  };
  void SetRemoteMode(int value, int mode) override { calls.push_back({value, mode}); }
  std::vector<Call> calls;
};

// The profile view with its interaction; client 620 × 400 gives an image of up to 500 × 300 at (50, 50).
struct InteractionFixture : ViewFixture {
  InteractionFixture() {
    view.SetWindow(&window);
    doc.AttachView(view);
    interaction.SetRemoteControl(&remote);
  }
  ~InteractionFixture() { doc.DetachView(view); }

  // The client point of display column `column` and band-relative row `row` in band `band`.
  Point At(int column, int row, int band = 0) {
    const Rect image = view.ImageRect();
    const int bandHeight = image.Height() / view.DisplayedCount();
    return {image.left + column - doc.state.firstColumn, image.top + band * bandHeight + row};
  }

  std::vector<int> SelectedRows() const {
    std::vector<int> rows;
    for (int r = 0; r < host.list.RowCount(); ++r)
      if (host.list.IsMarkerSelected(r)) rows.push_back(r);
    return rows;
  }

  void Click(Point p, KeyModifiers modifiers = {}) {
    interaction.OnMouseMove(p);
    interaction.OnLButtonDown(p, modifiers);
    interaction.OnLButtonUp(p);
  }

  CountingWindow window;
  RecordingRemote remote;
  ProfileViewInteraction interaction{doc, view, host.list};
};

}  // namespace tarvix::testing
