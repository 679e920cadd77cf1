#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "platform/grid/GridStyleSheet.h"

namespace wv::grid {

// An element's colours and font with the defaults filled in.
struct ElementLook {
  QColor background;
  QColor text;
  QFont font;
};

// The style sheet resolved against the widget's palette and font: every item has a value.
// ContentEven and ContentOdd build on Content; Selection, Inactive and IncSearch keep the
// content font.
struct GridLook {
  ElementLook background, even, odd, filterBox, incSearch, footer, group, groupByBox, header,
      inactive, indicator, selection;
  QColor gridLine;

  static GridLook resolve(const GridStyleSheet& sheet, const QPalette& palette, const QFont& font);
};

}  // namespace wv::grid
