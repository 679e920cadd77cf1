#include "platform/shell/Anchors.h"

#include <QEvent>
#include <QWidget>

namespace wv::shell {

namespace {

// One axis: where the control starts and how long it is after the parent grew by `delta`.
std::pair<int, int> placeOnAxis(int start, int length, int delta, bool nearEdge, bool farEdge) {
  if (nearEdge && farEdge) return {start, length + delta};
  if (farEdge) return {start + delta, length};
  if (nearEdge) return {start, length};
  return {start + delta / 2, length};
}

}  // namespace

Anchors::Anchors(QWidget* parent)
    : QObject(parent), parent_(parent), designedSize_(parent->size()) {
  parent->installEventFilter(this);
}

void Anchors::anchor(QWidget* child, unsigned edges) {
  entries_.push_back({child, child->geometry(), edges});
}

bool Anchors::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent_ && event->type() == QEvent::Resize) relayout();
  return false;
}

void Anchors::relayout() {
  const int dx = parent_->width() - designedSize_.width();
  const int dy = parent_->height() - designedSize_.height();
  for (const Entry& e : entries_) {
    const auto [x, w] = placeOnAxis(e.designed.x(), e.designed.width(), dx, e.edges & AnchorLeft,
                                    e.edges & AnchorRight);
    const auto [y, h] = placeOnAxis(e.designed.y(), e.designed.height(), dy, e.edges & AnchorTop,
                                    e.edges & AnchorBottom);
    e.child->setGeometry(x, y, w, h);
  }
}

}  // namespace wv::shell
