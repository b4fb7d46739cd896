#pragma once
#include <QMdiSubWindow>

#include "document/MapFrame.h"

namespace tarvix {

class CTarvixDoc;

// The site map's child frame, "Site Map".
class CMapFrame : public QMdiSubWindow, public MapFrame {
  Q_OBJECT
 public:
  explicit CMapFrame(CTarvixDoc& document, QWidget* parent = nullptr);
  ~CMapFrame() override;

  void Show(bool shown) override;
  CTarvixDoc* Document() const { return doc_; }
  // The project is closing: the frame goes without telling the document.
  void CloseByProgram();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Forget();

  CTarvixDoc* doc_;
};

}  // namespace tarvix
