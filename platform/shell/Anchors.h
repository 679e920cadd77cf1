#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace wv::shell {

// Which edges of its parent a control keeps its distance to when the parent is resized.
enum Anchor : unsigned { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };
inline constexpr unsigned kAnchorLeftTop = AnchorLeft | AnchorTop;
inline constexpr unsigned kAnchorAll = AnchorLeft | AnchorTop | AnchorRight | AnchorBottom;

// Lays out children of a parent by anchors, as designed forms do: a control anchored to both
// opposite edges stretches, one anchored to the far edge only moves, one anchored to neither
// keeps its place relative to the centre.
class Anchors : public QObject {
 public:
  // The parent's current size is taken as the designed size.
  explicit Anchors(QWidget* parent);

  // Records the child's current geometry as designed, with the given anchors.
  void anchor(QWidget* child, unsigned edges);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    QWidget* child;
    QRect designed;
    unsigned edges;
  };
  void relayout();

  QWidget* parent_;
  QSize designedSize_;
  std::vector<Entry> entries_;
};

}  // namespace wv::shell
