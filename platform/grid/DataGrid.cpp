#include "platform/grid/DataGrid.h"

#include <QVBoxLayout>

#include "platform/grid/FilterHeader.h"
#include "platform/grid/FilterPanel.h"
#include "platform/grid/GridFooter.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/GridNavigator.h"
#include "platform/grid/GridTable.h"
#include "platform/grid/GroupByBox.h"
#include "platform/grid/UserAction.h"

namespace wv::grid {

DataGrid::DataGrid(std::vector<GridColumn> columns, QWidget* parent)
    : QWidget(parent), model_(std::make_unique<GridModel>(std::move(columns))) {
  groupByBox_ = new GroupByBox(*model_, this);
  table_ = new GridTable(*model_, this);
  footer_ = new GridFooter(*model_, *table_, this);
  filterPanel_ = new FilterPanel(*model_, this);
  navigator_ = new GridNavigator(*table_, this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(groupByBox_);
  layout->addWidget(table_, 1);
  layout->addWidget(footer_);
  layout->addWidget(filterPanel_);
  layout->addWidget(navigator_);
  setFocusProxy(table_);
  setGridStyleSheet({});
}

// The parts go before the model they show, which a member outlives only until here.
DataGrid::~DataGrid() {
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

FilterHeader& DataGrid::header() const {
  return table_->filterHeader();
}

void DataGrid::setGridStyleSheet(const GridStyleSheet& sheet) {
  const GridLook look = GridLook::resolve(sheet, palette(), font());
  table_->setLook(look);
  groupByBox_->setLook(look);
  footer_->setLook(look);
  filterPanel_->setLook(look);
}

void DataGrid::setRowStore(std::shared_ptr<const pg::RowStore> store) {
  runUserAction(model_->pipeline(), [&] { model_->setRowStore(std::move(store)); });
}

void DataGrid::walkRowsAsShown(ShownRowsVisitor& visitor) {
  model_->setAllGroupsExpanded(true);
  model_->pipeline().walkShownRows(visitor);
}

}  // namespace wv::grid
