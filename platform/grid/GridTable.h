#pragma once

#include <QTableView>

#include "platform/grid/GridLook.h"

namespace wv::grid {

class GridModel;
class FilterHeader;

// The rows of a grid: a read-only table view over a GridModel with the filter header above,
// the indicator column at the left, and the keys of a data grid: Enter moves to the next cell,
// Ctrl+C copies the selected cells as tab-separated text, typing finds a row by the start of
// the focused column's text, and +/- (or Right/Left) expand and collapse a group row.
class GridTable : public QTableView {
  Q_OBJECT
 public:
  explicit GridTable(GridModel& model, QWidget* parent = nullptr);

  GridModel& gridModel() const { return model_; }
  FilterHeader& filterHeader() const { return *header_; }
  const GridLook& look() const { return look_; }
  void setLook(const GridLook& look);
  const QString& incrementalSearchText() const { return search_; }

  // The selected cells as lines of tab-separated texts, in the shown order of rows and columns.
  QString selectedText() const;
  void moveToRow(int row);  // keeps the focused column
  void keyboardSearch(const QString& search) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool toggleGroupAt(const QModelIndex& index, std::optional<bool> expand);
  void moveToNextCell();
  std::vector<int> shownColumnsInOrder() const;
  void rememberCurrent();
  void restoreCurrent();

  GridModel& model_;
  FilterHeader* header_;
  GridLook look_;
  QString search_;
  bool searching_ = false;
  int rememberedStoreRow_ = -1;
  int rememberedColumn_ = -1;
  QWidget* corner_ = nullptr;  // the button above the indicator column
};

}  // namespace wv::grid
