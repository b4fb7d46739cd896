#pragma once

namespace tarvix {

// A view attached to the document, told when the document changes.
class DocumentView {
 public:
  virtual ~DocumentView() = default;
  // Hint 0: repaint; a non-zero hint also resets the view's scrolling first.
  virtual void OnUpdate(int hint) = 0;
  // Sets the view up again from the document, as when it was first shown.
  virtual void OnInitialUpdate() = 0;
  // Repaints at once rather than at the next paint.
  virtual void RepaintNow() = 0;
};

}  // namespace tarvix
