#include "platform/grid/FilterPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "platform/grid/GridModel.h"
#include "platform/grid/UserAction.h"

namespace wv::grid {

namespace {
// "[caption] in (A, B)" for up to three picked texts, "[caption] in (12 valori)" otherwise.
QString pickedText(const QString& caption, const std::set<ValueKey>& values, bool isText) {
  if (!isText || values.size() > 3)
    return QStringLiteral("[%1] in (%2 valori)").arg(caption).arg(values.size());
  QStringList texts;
  for (const ValueKey& key : values)
    texts << (key.isNull ? QStringLiteral("(Goale)") : QString::fromStdString(key.text));
  return QStringLiteral("[%1] in (%2)").arg(caption, texts.join(QStringLiteral(", ")));
}
}  // namespace

FilterPanel::FilterPanel(GridModel& model, QWidget* parent)
    : QWidget(parent), model_(model), clear_(new QToolButton(this)), text_(new QLabel(this)) {
  setAutoFillBackground(true);
  setAccessibleName(QStringLiteral("Filtru activ"));
  clear_->setText(QStringLiteral("\u00d7"));
  clear_->setAutoRaise(true);
  clear_->setToolTip(QStringLiteral("Sterge filtrul"));
  clear_->setAccessibleName(QStringLiteral("Sterge filtrul"));
  text_->setTextFormat(Qt::PlainText);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 1, 4, 1);
  layout->addWidget(clear_);
  layout->addWidget(text_, 1);
  connect(clear_, &QToolButton::clicked, this,
          [this] { runUserAction(model_.pipeline(), [&] { model_.clearFilters(); }); });
  connect(&model, &GridModel::arrangementChanged, this, &FilterPanel::followModel);
  followModel();
}

void FilterPanel::setLook(const GridLook& look) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, look.filterBox.background);
  colours.setColor(QPalette::WindowText, look.filterBox.text);
  colours.setColor(QPalette::ButtonText, look.filterBox.text);
  setPalette(colours);
  text_->setFont(look.filterBox.font);
}

QString FilterPanel::filterText() const {
  return text_->text();
}

void FilterPanel::followModel() {
  const GridPipeline& pipeline = model_.pipeline();
  QStringList parts;
  for (int column : pipeline.columnOrder()) {
    const QString caption = pipeline.column(column).headerText();
    if (!pipeline.filterEntry(column).isEmpty())
      parts << QStringLiteral("[%1] %2").arg(caption, pipeline.filterEntry(column));
    if (const auto& values = pipeline.headerFilter(column))
      parts << pickedText(caption, *values, pipeline.bound(column).isText());
  }
  text_->setText(parts.join(QStringLiteral(" si ")));
  setAccessibleDescription(text_->text());
  setVisible(!parts.isEmpty());
}

}  // namespace wv::grid
