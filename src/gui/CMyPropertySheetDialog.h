#pragma once
#include <QDialog>
#include <array>

class QTabWidget;

namespace tarvix {

class CMyPropertySheet;
class CMyPropertyPageWidget;

// The "Options" sheet as a dialog of tabs over the sheet's model: a page may refuse to be left,
// and OK asks the page shown first.
class CMyPropertySheetDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kDialogName = "CMyPropertySheet";

  CMyPropertySheetDialog(CMyPropertySheet& sheet, QWidget* parent = nullptr);

  QTabWidget* Tabs() const { return tabs_; }
  CMyPropertyPageWidget* Page(int index) const { return pages_[static_cast<std::size_t>(index)]; }

  void accept() override;

 private:
  void OnTabChanged(int index);

  CMyPropertySheet& sheet_;
  QTabWidget* tabs_;
  std::array<CMyPropertyPageWidget*, 3> pages_{};
  int shown_ = 0;
};

}  // namespace tarvix
