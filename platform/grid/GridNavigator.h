#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

namespace wv::grid {

class GridTable;

// The navigator bar: first, previous, next and last row, and the info panel "N din M": the
// focused record's number and the number of records that pass the filters.
class GridNavigator : public QWidget {
  Q_OBJECT
 public:
  enum class Move { First, Previous, Next, Last };

  explicit GridNavigator(GridTable& table, QWidget* parent = nullptr);

  QToolButton& button(Move move) const { return *buttons_[static_cast<int>(move)]; }
  QString infoText() const;

 private:
  void go(Move move);
  void refresh();

  GridTable& table_;
  QToolButton* buttons_[4];
  QLabel* info_;
};

}  // namespace wv::grid
