#include "gui/CMarkerList.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <set>

#include "document/CTarvixDoc.h"
#include "profileview/MarkerListMenu.h"

namespace tarvix {

namespace {

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

}  // namespace

// The rows of the model as Qt's item model, coloured as the list draws them.
class CMarkerList::Rows : public QAbstractTableModel {
 public:
  explicit Rows(MarkerListModel& model, QObject* parent) : QAbstractTableModel(parent), model_(model) {}

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : model_.RowCount(); }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(MarkerListModel::kColumns.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole)
      return QString::fromStdString(model_.RowTexts(index.row())[static_cast<std::size_t>(index.column())]);
    if (role == Qt::ForegroundRole) return ToQColor(model_.ColoursOf(index.row()).text);
    if (role == Qt::BackgroundRole) {
      const auto background = model_.ColoursOf(index.row()).background;
      if (background) return ToQColor(*background);
    }
    return {};
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return QString::fromLatin1(MarkerListModel::kColumns[static_cast<std::size_t>(section)].title);
  }
  void Reset() {
    beginResetModel();
    endResetModel();
  }
  void RowChanged(int row) { emit dataChanged(index(row, 0), index(row, columnCount({}) - 1)); }

 private:
  MarkerListModel& model_;
};

CMarkerList::CMarkerList(MarkerListModel& model, QWidget* parent)
    : QTreeView(parent), model_(model), rows_(new Rows(model, this)) {
  setObjectName(QStringLiteral("markerRows"));
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setModel(rows_);
  header()->setStretchLastSection(false);
  int width = 0;
  for (int i = 0; i < static_cast<int>(MarkerListModel::kColumns.size()); ++i) {
    const auto& column = MarkerListModel::kColumns[static_cast<std::size_t>(i)];
    header()->resizeSection(i, column.width);
    width += column.width;
  }
  setMinimumSize(width + 24, 160);
  // The selected rows' colours come from the model's own cells, over the list's highlight.
  QPalette colours = palette();
  colours.setColor(QPalette::Highlight, ToQColor(MarkerListModel::kSelectedBackground));
  colours.setColor(QPalette::HighlightedText, ToQColor(MarkerListModel::kSelectedText));
  colours.setColor(QPalette::Inactive, QPalette::Highlight, ToQColor(MarkerListModel::kSelectedBackground));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText, ToQColor(MarkerListModel::kSelectedText));
  setPalette(colours);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &CMarkerList::OnSelectionChanged);
  model_.SetObserver(this);
}

CMarkerList::~CMarkerList() { model_.SetObserver(nullptr); }

CTarvixDoc* CMarkerList::Document() const { return dynamic_cast<CTarvixDoc*>(model_.Document()); }

void CMarkerList::RowsReset() {
  syncing_ = true;
  rows_->Reset();
  syncing_ = false;
}

void CMarkerList::RowChanged(int row) { rows_->RowChanged(row); }

void CMarkerList::SelectionChanged(int row) {
  if (syncing_) return;
  syncing_ = true;
  selectionModel()->select(rows_->index(row, 0), (model_.IsMarkerSelected(row) ? QItemSelectionModel::Select
                                                                                 : QItemSelectionModel::Deselect) |
                                                     QItemSelectionModel::Rows);
  syncing_ = false;
  viewport()->update();
}

void CMarkerList::RevealRow(int row) {
  const QRect place = visualRect(rows_->index(row, 0));
  if (place.top() < 0 || place.bottom() > viewport()->height()) scrollTo(rows_->index(row, 0));
}

void CMarkerList::OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  if (syncing_) return;
  std::set<int> lost;
  std::set<int> gained;
  for (const QModelIndex& index : deselected.indexes()) lost.insert(index.row());
  for (const QModelIndex& index : selected.indexes()) gained.insert(index.row());
  syncing_ = true;
  // Losses first, so the row that gained the selection ends up as the document's selected marker.
  for (int row : lost) model_.SetRowSelected(row, false);
  for (int row : gained) model_.SetRowSelected(row, true);
  syncing_ = false;
  viewport()->update();
}

void CMarkerList::mouseMoveEvent(QMouseEvent* event) {
  // No drag-rectangle selection: a move with the button down selects nothing more.
  if (event->buttons() & Qt::LeftButton) return;
  QTreeView::mouseMoveEvent(event);
}

void CMarkerList::mouseDoubleClickEvent(QMouseEvent* event) {
  CTarvixDoc* doc = Document();
  if (!doc || !indexAt(event->position().toPoint()).isValid()) return;
  doc->EditSelectedMarker();
  viewport()->update();
  doc->UpdateAllViews(1);
}

void CMarkerList::contextMenuEvent(QContextMenuEvent* event) {
  CTarvixDoc* doc = Document();
  if (!doc) return;
  const PopupMenu items = MarkerListMenu(*doc);
  if (items.empty()) return;
  QMenu menu(this);
  for (const auto& item : items) {
    if (item.IsSeparator())
      menu.addSeparator();
    else
      menu.addAction(QString::fromStdString(item.text))->setData(item.id);
  }
  if (const QAction* chosen = menu.exec(event->globalPos())) RunMarkerListCommand(*doc, chosen->data().toInt());
  viewport()->update();
}

}  // namespace tarvix
