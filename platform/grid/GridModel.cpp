#include "platform/grid/GridModel.h"

namespace wv::grid {

GridModel::GridModel(std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), pipeline_(std::move(columns)) {}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : pipeline_.shownRowCount();
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : pipeline_.columnCount();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= pipeline_.shownRowCount()) return {};
  const GroupLayout::RowRef ref = pipeline_.rowAt(index.row());
  return ref.group >= 0 ? groupData(ref.group, role) : recordData(ref, index.column(), role);
}

QVariant GridModel::groupData(int group, int role) const {
  const bool expanded = pipeline_.groups().isExpanded(group);
  switch (role) {
    case Qt::DisplayRole:
      return pipeline_.groupText(group);
    case ValueRole:
      return pipeline_.groupValue(group);
    case GroupRole:
      return group;
    case GroupLevelRole:
      return pipeline_.groups().group(group).level;
    case ExpandedRole:
      return expanded;
    case Qt::AccessibleTextRole:
      return QStringLiteral("Grup %1, %2")
          .arg(pipeline_.groupText(group), expanded ? "extins" : "restrans");
    default:
      return {};
  }
}

QVariant GridModel::recordData(const GroupLayout::RowRef& ref, int column, int role) const {
  const int row = pipeline_.storeRowOf(ref.position);
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return pipeline_.cellText(row, column);
    case Qt::AccessibleDescriptionRole:
      return pipeline_.column(column).headerText();
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(
          Qt::AlignVCenter |
          (pipeline_.bound(column).isNumeric() ? Qt::AlignRight : Qt::AlignLeft));
    case ValueRole:
      return pipeline_.cellValue(row, column);
    case GroupRole:
      return -1;
    case ParityRole:
      return ref.dataIndex % 2;
    case RecordRole:
      return ref.position;
    default:
      return {};
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    if (role != Qt::AccessibleTextRole || section >= pipeline_.shownRowCount()) return {};
    const GroupLayout::RowRef ref = pipeline_.rowAt(section);
    return ref.group >= 0 ? QStringLiteral("Grup")
                          : QStringLiteral("Inregistrarea %1").arg(ref.position + 1);
  }
  if (section < 0 || section >= pipeline_.columnCount()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
      return pipeline_.column(section).headerText();
    case Qt::AccessibleDescriptionRole: {
      QStringList state;
      for (const SortKey& key : pipeline_.sortKeys())
        if (key.column == section)
          state << (key.descending ? "sortat descrescator" : "sortat crescator");
      if (pipeline_.isColumnFiltered(section)) state << "filtrat";
      return state.join(QStringLiteral(", "));
    }
    default:
      return {};
  }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

template <class Change>
void GridModel::resetWith(Change&& change) {
  beginResetModel();
  try {
    change();
  } catch (...) {
    endResetModel();
    throw;
  }
  endResetModel();
  emit arrangementChanged();
}

void GridModel::setRowStore(std::shared_ptr<const pg::RowStore> store) {
  resetWith([&] { pipeline_.setStore(std::move(store)); });
}

void GridModel::setFilterEntry(int column, const QString& entry) {
  if (entry == pipeline_.filterEntry(column)) return;
  resetWith([&] { pipeline_.setFilterEntry(column, entry); });
}

void GridModel::setHeaderFilter(int column, std::optional<std::set<ValueKey>> values) {
  resetWith([&] { pipeline_.setHeaderFilter(column, std::move(values)); });
}

void GridModel::clearFilters() {
  resetWith([&] { pipeline_.clearFilters(); });
}

void GridModel::clickSort(int column, SortClick click) {
  resetWith([&] { pipeline_.clickSort(column, click); });
}

void GridModel::setSortKeys(std::vector<SortKey> keys) {
  resetWith([&] { pipeline_.setSortKeys(std::move(keys)); });
}

void GridModel::groupBy(int column, int level) {
  resetWith([&] { pipeline_.groupBy(column, level); });
}

void GridModel::ungroup(int column) {
  resetWith([&] { pipeline_.ungroup(column); });
}

void GridModel::reverseGroupOrder(int column) {
  resetWith([&] { pipeline_.reverseGroupOrder(column); });
}

void GridModel::setAllGroupsExpanded(bool expanded) {
  resetWith([&] { pipeline_.setAllGroupsExpanded(expanded); });
}

void GridModel::moveColumn(int column, int toPosition) {
  pipeline_.moveColumn(column, toPosition);
  emit arrangementChanged();
}

void GridModel::setColumnWidth(int column, int width) {
  pipeline_.setColumnWidth(column, width);
}

void GridModel::setGroupExpanded(int row, bool expanded) {
  if (row < 0 || row >= pipeline_.shownRowCount()) return;
  const int group = pipeline_.rowAt(row).group;
  if (group < 0 || pipeline_.groups().isExpanded(group) == expanded) return;
  const int count = pipeline_.groups().rowsUnder(group);
  if (expanded) {
    beginInsertRows({}, row + 1, row + count);
    pipeline_.setGroupExpanded(group, true);
    endInsertRows();
  } else {
    beginRemoveRows({}, row + 1, row + count);
    pipeline_.setGroupExpanded(group, false);
    endRemoveRows();
  }
  emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

}  // namespace wv::grid
