#include "platform/grid/GridFooter.h"

#include <QPainter>
#include <QScrollBar>

#include "platform/grid/FilterHeader.h"
#include "platform/grid/GridModel.h"
#include "platform/grid/GridTable.h"

namespace wv::grid {

namespace {
constexpr int kPadding = 4;
}

GridFooter::GridFooter(GridModel& model, GridTable& table, QWidget* parent)
    : QWidget(parent), model_(model), table_(table) {
  setAccessibleName(QStringLiteral("Subsol"));
  connect(&model, &QAbstractItemModel::modelReset, this, &GridFooter::refresh);
  connect(&model, &GridModel::arrangementChanged, this, &GridFooter::refresh);
  const FilterHeader& header = table.filterHeader();
  connect(&header, &QHeaderView::sectionResized, this, qOverload<>(&QWidget::update));
  connect(&header, &QHeaderView::geometriesChanged, this, qOverload<>(&QWidget::update));
  connect(table.horizontalScrollBar(), &QScrollBar::valueChanged, this,
          qOverload<>(&QWidget::update));
  setLook(GridLook::resolve({}, palette(), font()));
}

void GridFooter::setLook(const GridLook& look) {
  look_ = look;
  updateGeometry();
  refresh();
}

QSize GridFooter::sizeHint() const {
  return {200, QFontMetrics(look_.footer.font).height() + 8};
}

int GridFooter::countColumn() const {
  const GridPipeline& pipeline = model_.pipeline();
  const std::vector<int> shown = pipeline.shownColumns();
  for (int column : shown)
    if (!pipeline.columnSum(column)) return column;
  return shown.empty() ? -1 : shown.front();
}

QString GridFooter::text(int column) const {
  const GridPipeline& pipeline = model_.pipeline();
  if (column == countColumn()) return QStringLiteral("Nr: %1").arg(pipeline.recordCount());
  const std::optional<double> sum = pipeline.columnSum(column);
  if (!sum) return {};
  if (pipeline.bound(column).type() == pg::FieldType::Double) return pipeline.format().number(*sum);
  return pipeline.format().integer(static_cast<int64_t>(*sum));
}

void GridFooter::refresh() {
  const GridPipeline& pipeline = model_.pipeline();
  QStringList parts;
  for (int column : pipeline.shownColumns()) {
    const QString value = text(column);
    if (!value.isEmpty())
      parts << QStringLiteral("%1: %2").arg(pipeline.column(column).headerText(), value);
  }
  setAccessibleDescription(parts.join(QStringLiteral("; ")));
  update();
}

void GridFooter::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), look_.footer.background);
  painter.setPen(look_.gridLine);
  painter.drawLine(rect().topLeft(), rect().topRight());
  const QRect viewport = table_.viewport()->geometry();
  const int left = table_.x() - x() + viewport.left();
  painter.setClipRect(QRect(left, 0, viewport.width(), height()));
  painter.setFont(look_.footer.font);
  const FilterHeader& header = table_.filterHeader();
  const GridPipeline& pipeline = model_.pipeline();
  for (int column : pipeline.shownColumns()) {
    const QString value = text(column);
    if (value.isEmpty()) continue;
    const QRect cell(left + header.sectionViewportPosition(column), 0, header.sectionSize(column),
                     height());
    const QRect textRect = cell.adjusted(kPadding, 0, -kPadding, 0);
    painter.setPen(look_.footer.text);
    const int align = pipeline.bound(column).isNumeric() ? Qt::AlignRight : Qt::AlignLeft;
    painter.drawText(
        textRect, align | Qt::AlignVCenter,
        QFontMetrics(look_.footer.font).elidedText(value, Qt::ElideRight, textRect.width()));
    painter.setPen(look_.gridLine);
    painter.drawLine(cell.right(), 2, cell.right(), height() - 3);
  }
}

}  // namespace wv::grid
