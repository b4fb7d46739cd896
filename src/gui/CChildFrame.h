#pragma once
#include <QMdiSubWindow>

namespace tarvix {

class CMainFrame;
class CSlideToolBar;
class CTarvixDoc;
class CTarvixViewWidget;

// The profile view's child frame: its tool bar with the marker tools and the contrast slider,
// and the radargram under it.
class CChildFrame : public QMdiSubWindow {
  Q_OBJECT
 public:
  CChildFrame(CTarvixDoc& document, CMainFrame& mainFrame);
  ~CChildFrame() override;

  CTarvixDoc& Document() const { return doc_; }
  CTarvixViewWidget& ViewWidget() const { return *view_; }
  CSlideToolBar& ToolBar() const { return *toolBar_; }

  // Puts the frame where it was last closed (when that is known).
  void RestorePlacement();
  // The view sets itself up from the document; the frame's first activation follows.
  void InitialUpdate();
  // The first activation shows the site map when it was shown at the last close.
  void OnActivated();
  // The caption follows the number of profiles shown.
  void RefreshTitle();
  // The project is closing: the frame stores its placement and goes, asking nothing.
  void CloseByProgram();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void SavePlacement() const;

  CTarvixDoc& doc_;
  CMainFrame& main_;
  CSlideToolBar* toolBar_;
  CTarvixViewWidget* view_;
  bool ready_ = false;
  bool firstActivation_ = true;
  bool closing_ = false;
};

}  // namespace tarvix
