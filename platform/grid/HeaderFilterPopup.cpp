#include "platform/grid/HeaderFilterPopup.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/grid/GridModel.h"
#include "platform/grid/UserAction.h"

namespace wv::grid {

HeaderFilterPopup::HeaderFilterPopup(GridModel& model, int column, QWidget* parent)
    : QFrame(parent, Qt::Popup),
      model_(model),
      column_(column),
      values_(model.pipeline().distinctValues(column)),
      search_(new QLineEdit(this)),
      all_(new QCheckBox(QStringLiteral("(Toate)"), this)),
      list_(new QListWidget(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  const GridPipeline& pipeline = model.pipeline();
  const QString caption = pipeline.column(column).headerText();
  setAccessibleName(QStringLiteral("Filtru din antet %1").arg(caption));
  search_->setPlaceholderText(QStringLiteral("Cauta"));
  search_->setAccessibleName(QStringLiteral("Cauta valori %1").arg(caption));
  list_->setAccessibleName(QStringLiteral("Valori %1").arg(caption));

  const auto& picked = pipeline.headerFilter(column);
  list_->setUniformItemSizes(true);
  for (size_t i = 0; i < values_.size(); ++i) {
    const DistinctValue& value = values_[i];
    QString text = pipeline.cellText(value.row, column);
    if (value.key.isNull)
      text = QStringLiteral("(Goale)");
    else if (text.isEmpty())
      text = QStringLiteral("(Text gol)");
    auto* item = new QListWidgetItem(text, list_);
    item->setData(Qt::UserRole, static_cast<int>(i));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(!picked || picked->contains(value.key) ? Qt::Checked : Qt::Unchecked);
  }
  all_->setChecked(!picked);
  connect(all_, &QCheckBox::clicked, this, &HeaderFilterPopup::checkAll);
  connect(search_, &QLineEdit::textChanged, this, &HeaderFilterPopup::narrow);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("Anuleaza"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &HeaderFilterPopup::apply);
  connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(search_);
  layout->addWidget(all_);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(240, 300);
}

void HeaderFilterPopup::checkAll(bool checked) {
  for (int i = 0; i < list_->count(); ++i)
    if (!list_->item(i)->isHidden())
      list_->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void HeaderFilterPopup::narrow(const QString& text) {
  for (int i = 0; i < list_->count(); ++i)
    list_->item(i)->setHidden(!list_->item(i)->text().contains(text, Qt::CaseInsensitive));
}

void HeaderFilterPopup::apply() {
  std::set<ValueKey> checked;
  for (int i = 0; i < list_->count(); ++i) {
    const QListWidgetItem* item = list_->item(i);
    if (item->checkState() == Qt::Checked)
      checked.insert(values_[item->data(Qt::UserRole).toInt()].key);
  }
  std::optional<std::set<ValueKey>> filter;
  if (checked.size() < values_.size()) filter = std::move(checked);
  runUserAction(model_.pipeline(), [&] { model_.setHeaderFilter(column_, std::move(filter)); });
  close();
}

}  // namespace wv::grid
